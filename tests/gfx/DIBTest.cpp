#include <gtest/gtest.h>

#include <cstring>
#include <optional>

#include "gfx/DIB.h"
#include "gfx/OpaqueRuns.h"
#include "io/FileManager.h"
#include "tests/gfx/PictureBytes.h"
#include "tests/support/LogCapture.h"
#include "tests/support/TempDirectory.h"

namespace {

constexpr COLORREF kMagenta = 0xFF00FF;

class DIBReadTest : public ::testing::Test {
protected:
    DIBReadTest() { CFileManager::SetBaseDirectoryFromCurrent(); }

    bool LoadBytes(const Bytes& bytes) {
        WriteBytes(folder / "picture.dat", bytes);
        return picture.Load("\\picture.dat");
    }

    TempDirectory folder;
    LogCapture log;
    CDIB picture{2, 2};
};

TEST_F(DIBReadTest, ReadsEveryPixelOfAGoodFileWithTopLeftInTheLastRow) {
    ASSERT_TRUE(LoadBytes(Picture24(5, 3, PatternColour)));
    ASSERT_EQ((SIZE{picture.GetWidth(), picture.GetHeight()}), (SIZE{5, 3}));
    for (LONG y = 0; y < 3; ++y)
        for (LONG x = 0; x < 5; ++x) EXPECT_EQ(ColourOf(picture, x, y), PatternColour(x, y));
    // Rows are stored bottom-up, so the top-left pixel begins the last stored row.
    EXPECT_EQ(picture.PixelAddress(0, 0), picture.GetPixels() + 2 * picture.GetStride());
    const BITMAPINFOHEADER& header = picture.GetInfo()->bmiHeader;
    EXPECT_EQ(header.biBitCount, 24);
    EXPECT_EQ(header.biSize, 40u);

    // A gap before the pixels is read as picture: this reader ignores the offset field.
    ASSERT_TRUE(LoadBytes(
        MakePictureFile({.width = 2, .height = 1, .gap = 8}, Rows24(2, 1, PatternColour))));
    EXPECT_EQ(ColourOf(picture, 0, 0), 0xEEEEEEu);
}

TEST_F(DIBReadTest, RefusesDamagedFilesAndKeepsTheOldPicture) {
    const Bytes good = Picture24(4, 3, PatternColour);
    const struct {
        const char* what;
        std::optional<Bytes> bytes;  // none: no file at all
        const char* logLine;
    } cases[] = {
        {"a BMP type field", MakePictureFile({.type = 0x4D42}, Rows24(4, 3, PatternColour)),
         "Not a bitmap file"},
        {"an empty file", Bytes{}, "Not a bitmap file"},
        {"a cut file header", Bytes(good.begin(), good.begin() + 10), "Not a bitmap file"},
        {"a cut info header", Bytes(good.begin(), good.begin() + 30), "Bad bitmap header"},
        {"a zero width", MakePictureFile({.width = 0}, {}), "Bad bitmap header"},
        {"a top-down height", MakePictureFile({.height = -3}, Rows24(4, 3, PatternColour)),
         "Bad bitmap header"},
        {"an absurd width", MakePictureFile({.width = 16385, .height = 1}, Bytes(16385 * 3 + 1, 0)),
         "Bad bitmap header"},
        {"short pixel data", Bytes(good.begin(), good.end() - 1), "Bitmap pixel data too short"},
        {"a missing file", std::nullopt, "Failed to open file"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        log.Clear();
        ASSERT_TRUE(picture.Create(2, 2));
        FillPicture(picture, [](LONG, LONG) { return COLORREF{0x123456}; });
        EXPECT_FALSE(c.bytes ? LoadBytes(*c.bytes) : picture.Load("\\missing.dat"));
        EXPECT_TRUE(log.Contains(c.logLine));
        EXPECT_EQ(log.Contains("Failed to load file"), c.bytes.has_value());
        EXPECT_EQ((SIZE{picture.GetWidth(), picture.GetHeight()}), (SIZE{2, 2}));
        EXPECT_EQ(ColourOf(picture, 1, 1), 0x123456u);
    }
}

TEST(DIBPixels, AddressesAreNullOutsideAndCreateAndAttachRefuseWhatTheyCannotHold) {
    LogCapture log;
    CDIB picture(6, 4);
    COLORREF colour = 1;
    EXPECT_FALSE(picture.GetPixel(6, 0, colour));
    EXPECT_EQ(colour, 0u);
    EXPECT_EQ(picture.PixelAddress(-1, 0), nullptr);
    EXPECT_EQ(picture.PixelAddress(0, 4), nullptr);
    EXPECT_EQ(picture.MirroredPixelAddress(6, 0), nullptr);
    EXPECT_EQ(picture.MirroredPixelAddress(0, -1), nullptr);

    EXPECT_FALSE(picture.Create(0, 5));
    EXPECT_FALSE(picture.Create(5, -1));
    EXPECT_FALSE(picture.Create(20000, 1));
    EXPECT_EQ(picture.GetWidth(), 6);

    BITMAPINFO info{};
    info.bmiHeader = picture.GetInfo()->bmiHeader;
    uint8_t pixels[64] = {};
    EXPECT_FALSE(picture.Attach(nullptr, pixels));
    EXPECT_FALSE(picture.Attach(&info, nullptr));
    info.bmiHeader.biBitCount = 8;
    EXPECT_FALSE(picture.Attach(&info, pixels));
    info.bmiHeader.biBitCount = 24;
    info.bmiHeader.biWidth = 2;
    ASSERT_TRUE(picture.Attach(&info, pixels));
    EXPECT_EQ(picture.GetPixels(), pixels);
    EXPECT_EQ(picture.PixelAddress(1, 0), pixels + 3 * 8 + 3);
}

// The copy as the rules say it, one pixel at a time: the reference for the fast copies.
void ReferenceCopy(const CDIB& source, CDIB& dest, LONG destX, LONG destY, LONG width, LONG height,
                   LONG srcX, LONG srcY, COLORREF key, bool mirrored) {
    for (LONG row = 0; row < height; ++row) {
        for (LONG column = 0; column < width; ++column) {
            COLORREF colour = 0;
            const LONG x = srcX + column;
            const LONG y = srcY + row;
            if (source.PixelAddress(x, y) == nullptr) continue;
            mirrored ? source.GetMirroredPixel(x, y, colour) : source.GetPixel(x, y, colour);
            uint8_t* to = dest.PixelAddress(destX + column, destY + row);
            if (to != nullptr && colour != key) StoreColour(to, colour);
        }
    }
}

// Every copy against the reference, at every edge, with and without a key, into a
// destination wider than the source and into one as wide (whole rows in one piece).
TEST(DIBCopy, MatchesThePixelRulesAtEveryEdgeWithAndWithoutKey) {
    // A sticker-like source: magenta in a checkered pattern of runs, other colours elsewhere.
    CDIB source(7, 5);
    FillPicture(source, [](LONG x, LONG y) {
        return (x / 2 + y) % 3 == 0 ? kMagenta : PatternColour(x, y);
    });
    const LONG offsets[] = {-9, -3, -1, 0, 2, 6, 10};
    enum class Copy { kPlain, kMirrored, kRuns };
    for (Copy mode : {Copy::kPlain, Copy::kMirrored, Copy::kRuns})
        for (COLORREF key : {CDIB::kNoKey, kMagenta, COLORREF{0xFFFF00FF}}) {
            const OpaqueRuns runs = source.FindOpaqueRuns(key);
            for (const LONG destWidth : {9, 7})
                for (const LONG destX : offsets)
                    for (const LONG destY : offsets)
                        for (const LONG srcShift : {-2, 0, 3}) {
                            CDIB actual(destWidth, 8);
                            CDIB expected(destWidth, 8);
                            for (CDIB* picture : {&actual, &expected})
                                FillPicture(*picture,
                                            [](LONG, LONG) { return COLORREF{0x010203}; });
                            const LONG srcY = srcShift / 2;
                            if (mode == Copy::kRuns) {
                                source.CopyOpaqueRunsTo(&actual, destX, destY, 7, 5, srcShift, srcY,
                                                        key, runs);
                            } else {
                                (source.*
                                 (mode == Copy::kMirrored ? &CDIB::CopyMirroredTo : &CDIB::CopyTo))(
                                    &actual, destX, destY, 7, 5, srcShift, srcY, key);
                            }
                            ReferenceCopy(source, expected, destX, destY, 7, 5, srcShift, srcY, key,
                                          mode == Copy::kMirrored);
                            ASSERT_EQ(0, std::memcmp(actual.GetPixels(), expected.GetPixels(),
                                                     actual.GetImageSize()))
                                << "mode " << static_cast<int>(mode) << " key " << key << " into "
                                << destWidth << " at " << destX << "," << destY << " shift "
                                << srcShift;
                        }
        }
}

TEST(DIBCopy, RunsOfAnotherKeyOrPictureAreNotUsedAndEmptyCopiesDoNothing) {
    CDIB source(4, 1);
    FillPicture(source, [](LONG x, LONG) { return x % 2 == 0 ? kMagenta : COLORREF{0x00FF00}; });
    const OpaqueRuns magentaRuns = source.FindOpaqueRuns(kMagenta);
    CDIB dest(4, 1);
    source.CopyOpaqueRunsTo(&dest, 0, 0, 4, 1, 0, 0, CDIB::kNoKey, magentaRuns);
    EXPECT_EQ(ColourOf(dest, 0, 0), kMagenta);

    // The picture made anew: the old runs no longer describe it.
    ASSERT_TRUE(source.Create(6, 2));
    FillPicture(source, [](LONG, LONG) { return COLORREF{0x0000AA}; });
    CDIB wide(6, 2);
    source.CopyOpaqueRunsTo(&wide, 0, 0, 6, 2, 0, 0, kMagenta, magentaRuns);
    EXPECT_EQ(ColourOf(wide, 0, 0), 0x0000AAu);
    EXPECT_EQ(ColourOf(wide, 5, 1), 0x0000AAu);

    // Nothing happens for a null destination or an empty block.
    CDIB still(4, 4);
    FillPicture(still, [](LONG, LONG) { return COLORREF{0x111111}; });
    source.CopyTo(nullptr, 0, 0, 4, 4, 0, 0, CDIB::kNoKey);
    source.CopyTo(&still, 0, 0, 0, 4, 0, 0, CDIB::kNoKey);
    source.CopyMirroredTo(&still, 0, 0, 4, -2, 0, 0, CDIB::kNoKey);
    source.CopyTo(&still, 2147483600, 0, 100, 4, 0, 0, CDIB::kNoKey);
    source.CopyTo(&still, 0, 0, 2147483647, 2147483647, -2147483647, 0, CDIB::kNoKey);
    for (LONG y = 0; y < 4; ++y)
        for (LONG x = 0; x < 4; ++x) EXPECT_EQ(ColourOf(still, x, y), 0x111111u);
}

}  // namespace
