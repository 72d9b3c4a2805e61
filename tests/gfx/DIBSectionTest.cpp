#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "gfx/DIBSection.h"
#include "io/FileManager.h"
#include "platform/DeviceContext.h"
#include "tests/gfx/PictureBytes.h"
#include "tests/support/LogCapture.h"
#include "tests/support/TempDirectory.h"

namespace {

// Bottom-up rows of 1, 4 or 8-bit indices, leftmost pixel in the highest bits.
Bytes IndexedRows(int32_t width, int32_t height, uint16_t bits,
                  const std::function<uint32_t(LONG, LONG)>& index) {
    const auto stride = static_cast<size_t>((width * bits + 31) / 32 * 4);
    Bytes out;
    for (int32_t y = height - 1; y >= 0; --y) {
        Bytes row(stride, 0);
        for (int32_t x = 0; x < width; ++x) {
            const auto bit = static_cast<size_t>(x * bits);
            const auto shift = static_cast<uint32_t>(8 - bits - static_cast<int>(bit % 8));
            row[bit / 8] = static_cast<uint8_t>(row[bit / 8] | index(x, y) << shift);
        }
        out.insert(out.end(), row.begin(), row.end());
    }
    return out;
}

std::vector<uint32_t> Palette(uint32_t count) {
    std::vector<uint32_t> colours;
    for (uint32_t i = 0; i < count; ++i) colours.push_back(PatternColour(static_cast<LONG>(i), 3));
    return colours;
}

class DIBSectionTest : public ::testing::Test {
protected:
    DIBSectionTest() { CFileManager::SetBaseDirectoryFromCurrent(); }

    bool ReadBytes(const Bytes& bytes) {
        WriteBytes(folder / "section.dat", bytes);
        CFileManager file(true);
        if (file.OpenForRead("\\section.dat") == nullptr) return false;
        const bool read = section.ReadSection(file, nullptr);
        file.Close();
        return read;
    }

    // Draws the section at (1, 1) of a fresh surface and answers the colour there of each
    // picture pixel.
    void ExpectDrawn(int32_t width, int32_t height, const ColourAt& expected) {
        Surface surface(width + 2, height + 2);
        HDC dc = CreateSurfaceDC(&surface, POINT{0, 0}, surface.Bounds());
        ASSERT_TRUE(section.Draw(dc, POINT{1, 1}, nullptr));
        ReleaseSurfaceDC(dc);
        for (LONG y = 0; y < height; ++y) {
            for (LONG x = 0; x < width; ++x) {
                ASSERT_EQ(SurfaceColour(surface.Pixel(x + 1, y + 1)), expected(x, y))
                    << x << "," << y;
            }
        }
        EXPECT_EQ(surface.Pixel(0, 0), 0u);
    }

    TempDirectory folder;
    LogCapture log;
    CDIBSection section;
};

TEST_F(DIBSectionTest, ReadsIndexedDepthsThroughTheirColourTables) {
    for (uint16_t bits : {uint16_t{1}, uint16_t{4}, uint16_t{8}}) {
        SCOPED_TRACE(bits);
        const uint32_t count = 1u << bits;
        const auto index = [count](LONG x, LONG y) {
            return static_cast<uint32_t>(x * 3 + y) % count;
        };
        const std::vector<uint32_t> colours = Palette(count);
        ASSERT_TRUE(ReadBytes(MakePictureFile({.width = 11, .bitCount = bits, .colours = colours},
                                              IndexedRows(11, 3, bits, index))));
        ExpectDrawn(11, 3, [&](LONG x, LONG y) { return SurfaceColour(colours[index(x, y)]); });
    }
}

TEST_F(DIBSectionTest, ReadsSixteenAndThirtyTwoBitPixels) {
    // 5-5-5 values; a 5-bit channel v shows as (v << 3 | v >> 2).
    const Bytes rows16 = {0x00, 0x7C, 0xE0, 0x03, 0x1F, 0x00, 0x00, 0x00,
                          0x10, 0x42, 0xFF, 0x7F, 0x00, 0x00, 0x00, 0x00};
    ASSERT_TRUE(ReadBytes(MakePictureFile({.width = 3, .height = 2, .bitCount = 16}, rows16)));
    const COLORREF expected16[2][3] = {{0x848484, 0xFFFFFF, 0x000000},
                                       {0x0000FF, 0x00FF00, 0xFF0000}};
    ExpectDrawn(3, 2, [&](LONG x, LONG y) { return expected16[y][x]; });

    Bytes rows32(24, 0xAB);
    for (LONG y = 0; y < 2; ++y) {
        for (LONG x = 0; x < 3; ++x)
            StoreColour(rows32.data() + ((1 - y) * 3 + x) * 4, PatternColour(x, y));
    }
    ASSERT_TRUE(ReadBytes(MakePictureFile({.width = 3, .height = 2, .bitCount = 32}, rows32)));
    ExpectDrawn(3, 2, PatternColour);
}

TEST_F(DIBSectionTest, HonoursTheOffsetOfThePixelsAndTopDownRowsUntilReleased) {
    ASSERT_TRUE(ReadBytes(
        MakePictureFile({.width = 5, .height = 4, .gap = 12}, Rows24(5, 4, PatternColour))));
    ExpectDrawn(5, 4, PatternColour);
    EXPECT_EQ(section.GetImageSize(), 16u * 4);

    ASSERT_TRUE(
        ReadBytes(MakePictureFile({.width = 5, .height = -4}, Rows24(5, 4, PatternColour))));
    ExpectDrawn(5, 4, [](LONG x, LONG y) { return PatternColour(x, 3 - y); });
    section.Release();
    EXPECT_EQ(section.GetPixels(), nullptr);
    EXPECT_EQ(section.GetInfo(), nullptr);
    EXPECT_EQ(section.GetWidth(), 0);
}

TEST_F(DIBSectionTest, RefusesFilesThatDoNotFitWithTheirLogLines) {
    struct Case {
        const char* what;
        Bytes bytes;
        std::vector<std::string> lines;
    };
    const Bytes good = Picture24(4, 3, PatternColour);
    Bytes offsetBeyond = good;
    offsetBeyond[10] = 0xFF;
    offsetBeyond[12] = 0x7F;
    Bytes offsetInside = good;
    offsetInside[10] = 16;
    const std::string bad = "CDIBSection::ReadSection: Bad file read.";
    const std::string sizeProblem = "CDIBSection::ReadSection: BITMAPINFOHEADER size problem.";
    const std::string table =
        "CDIBSection::ReadSection: Colour table does not fit before the pixels.";
    const std::string depth = "CDIBSection::ComputeMetrics: Unsupported size or bit depth.";
    const Bytes rows = Rows24(4, 3, PatternColour);
    // clang-format off
    const Case cases[] = {
        {"a cut file header", Bytes(good.begin(), good.begin() + 13), {bad}},
        {"a BMP type field", MakePictureFile({.type = 0x4D42}, rows),
         {"CDIBSection::ReadSection: Not the correct file type."}},
        {"an OS/2 header", MakePictureFile({.headerSize = 12}, rows),
         {"CDIBSection::ComputeMetrics: Not a valid Windows bitmap -- probably an OS/2 bitmap",
          sizeProblem}},
        {"a compressed picture", MakePictureFile({.compression = 1}, rows),
         {"CDIBSection::ReadSection: Not an uncompressed format."}},
        {"an offset beyond the file", offsetBeyond, {bad}},
        {"an offset inside the header", offsetInside, {bad}},
        {"no colour table", MakePictureFile({.bitCount = 8}, Bytes(12, 0)), {table}},
        {"a short colour table",
         MakePictureFile({.bitCount = 4, .colours = Palette(15)}, Bytes(12, 0)), {table}},
        {"a depth of 2 bits", MakePictureFile({.bitCount = 2}, Bytes(12, 0)), {depth, sizeProblem}},
        {"an absurd height", MakePictureFile({.height = 20000}, Bytes(48, 0)),
         {depth, sizeProblem}},
        {"short pixel data", Bytes(good.begin(), good.end() - 1),
         {"CDIBSection::ReadSection: Bad bitmap image read."}},
    };
    // clang-format on
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        std::remove("log.txt");
        EXPECT_FALSE(ReadBytes(c.bytes));
        auto messages = log.Messages();
        std::erase(messages, std::string());
        EXPECT_EQ(messages, c.lines);
        EXPECT_EQ(section.GetBitmap(), nullptr);
        EXPECT_FALSE(section.Draw(nullptr, POINT{0, 0}, nullptr));
        EXPECT_TRUE(log.Contains("CDIBSection::Draw: No image to draw."));
    }
}

}  // namespace
