#include <gtest/gtest.h>

#include <array>
#include <optional>
#include <string>
#include <vector>

#include "gfx/TiledBitmap.h"
#include "io/FileManager.h"
#include "platform/gdi/DeviceContext.h"
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

// Two tiles of 3 x 2 side by side, short of an 8 x 3 picture's right edge, and one that
// reaches beyond the picture.
constexpr std::array<TileRect, 3> kTiles = {{{0, 0, 3, 2}, {3, 0, 3, 2}, {4, 1, 5, 5}}};
const TiledBitmapInfo kInfo{3, kTiles.data(), "\\picture.dat"};

class DIBSectionTest : public ::testing::Test {
protected:
    DIBSectionTest() {
        CFileManager::SetBaseDirectoryFromCurrent();
        section.SetTiledInfo(&kInfo);
    }

    bool ReadBytes(const Bytes& bytes) {
        WriteBytes(folder / "picture.dat", bytes);
        return section.Load(nullptr);
    }

    // Draws the picture, or one tile of it, at (1, 1) of a fresh black 14 x 8 surface and
    // checks every pixel: `expected` within width x height (picture coordinates), black
    // elsewhere. Drawing nothing (a width of 0) must fail.
    void ExpectDrawn(std::optional<int32_t> tile, LONG width, LONG height,
                     const ColourAt& expected) {
        Surface surface(14, 8);
        HDC dc = CreateSurfaceDC(&surface, POINT{0, 0}, surface.Bounds());
        EXPECT_EQ(tile ? section.DrawTile(dc, *tile, POINT{1, 1})
                       : section.Draw(dc, POINT{1, 1}, nullptr),
                  width > 0);
        ReleaseSurfaceDC(dc);
        for (LONG y = 0; y < 8; ++y)
            for (LONG x = 0; x < 14; ++x) {
                const bool inside = x >= 1 && y >= 1 && x <= width && y <= height;
                ASSERT_EQ(SurfaceColour(surface.Pixel(x, y)), inside ? expected(x - 1, y - 1) : 0u)
                    << x << "," << y;
            }
    }

    TempDirectory folder;
    LogCapture log;
    TiledBitmap section;
};

// Indexed depths read through their colour tables, direct ones as they stand.
TEST_F(DIBSectionTest, ReadsEveryDepthHonouringTheOffsetAndTopDownRowsUntilReleased) {
    for (uint16_t bits : {uint16_t{1}, uint16_t{4}, uint16_t{8}}) {
        SCOPED_TRACE(bits);
        const uint32_t count = 1u << bits;
        const auto index = [count](LONG x, LONG y) {
            return static_cast<uint32_t>(x * 3 + y) % count;
        };
        std::vector<uint32_t> colours;
        for (uint32_t i = 0; i < count; ++i) colours.push_back(PatternColour(LONG(i), 3));
        ASSERT_TRUE(ReadBytes(MakePictureFile({.width = 11, .bitCount = bits, .colours = colours},
                                              IndexedRows(11, 3, bits, index))));
        ExpectDrawn({}, 11, 3, [&](LONG x, LONG y) { return SurfaceColour(colours[index(x, y)]); });
    }

    // 5-5-5 values; a 5-bit channel v shows as (v << 3 | v >> 2).
    const Bytes rows16 = {0x00, 0x7C, 0xE0, 0x03, 0x1F, 0x00, 0x00, 0x00,
                          0x10, 0x42, 0xFF, 0x7F, 0x00, 0x00, 0x00, 0x00};
    ASSERT_TRUE(ReadBytes(MakePictureFile({.width = 3, .height = 2, .bitCount = 16}, rows16)));
    const COLORREF expected16[2][3] = {{0x848484, 0xFFFFFF, 0x000000},
                                       {0x0000FF, 0x00FF00, 0xFF0000}};
    ExpectDrawn({}, 3, 2, [&](LONG x, LONG y) { return expected16[y][x]; });

    Bytes rows32(24, 0xAB);
    for (LONG y = 0; y < 2; ++y)
        for (LONG x = 0; x < 3; ++x)
            StoreColour(rows32.data() + ((1 - y) * 3 + x) * 4, PatternColour(x, y));
    ASSERT_TRUE(ReadBytes(MakePictureFile({.width = 3, .height = 2, .bitCount = 32}, rows32)));
    ExpectDrawn({}, 3, 2, PatternColour);

    ASSERT_TRUE(ReadBytes(
        MakePictureFile({.width = 5, .height = 4, .gap = 12}, Rows24(5, 4, PatternColour))));
    ExpectDrawn({}, 5, 4, PatternColour);
    EXPECT_EQ(section.GetImageSize(), 16u * 4);

    ASSERT_TRUE(
        ReadBytes(MakePictureFile({.width = 5, .height = -4}, Rows24(5, 4, PatternColour))));
    ExpectDrawn({}, 5, 4, [](LONG x, LONG y) { return PatternColour(x, 3 - y); });
    section.Release();
    EXPECT_EQ(section.GetPixels(), nullptr);
    EXPECT_EQ(section.GetInfo(), nullptr);
    EXPECT_EQ(section.GetWidth(), 0);
}

TEST_F(DIBSectionTest, RefusesFilesThatDoNotFitWithTheirLogLines) {
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
    const struct {
        const char* what;
        Bytes bytes;
        std::vector<std::string> lines;
    } cases[] = {
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
         MakePictureFile({.bitCount = 4, .colours = std::vector<uint32_t>(15)}, Bytes(12, 0)),
         {table}},
        {"a depth of 2 bits", MakePictureFile({.bitCount = 2}, Bytes(12, 0)), {depth, sizeProblem}},
        {"an absurd height", MakePictureFile({.height = 20000}, Bytes(48, 0)),
         {depth, sizeProblem}},
        {"short pixel data", Bytes(good.begin(), good.end() - 1),
         {"CDIBSection::ReadSection: Bad bitmap image read."}},
    };
    // clang-format on
    for (const auto& c : cases) {
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

// A tile inside the picture, and one reaching beyond it that draws only what the picture
// holds, unscaled. Tiles the descriptor does not have, and a picture without a descriptor
// or a file, draw nothing.
TEST_F(DIBSectionTest, DrawsOnlyATilesPartOfThePictureUnscaledAndNothingForAMissingOne) {
    const TiledBitmapInfo missing{3, kTiles.data(), "\\missing.dat"};
    for (const TiledBitmapInfo* info : {&missing, static_cast<const TiledBitmapInfo*>(nullptr)}) {
        section.SetTiledInfo(info);
        EXPECT_FALSE(section.Load(nullptr));
        ExpectDrawn(0, 0, 0, PatternColour);
    }
    section.SetTiledInfo(&kInfo);
    ASSERT_TRUE(ReadBytes(Picture24(8, 3, PatternColour)));
    ExpectDrawn(1, 3, 2, [](LONG x, LONG y) { return PatternColour(x + 3, y); });
    ExpectDrawn(2, 4, 2, [](LONG x, LONG y) { return PatternColour(x + 4, y + 1); });
    ExpectDrawn(3, 0, 0, PatternColour);
    ExpectDrawn(-1, 0, 0, PatternColour);
}

}  // namespace
