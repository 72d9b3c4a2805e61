#include <gtest/gtest.h>

#include <filesystem>
#include <utility>

#include "album/Album.h"
#include "album/ScreenDrawings.h"
#include "catalogue/PageGeometry.h"
#include "catalogue/TileTables.h"
#include "platform/gdi/DeviceContext.h"
#include "tests/album/AlbumFiles.h"
#include "tests/album/ScreenPictures.h"
#include "tests/support/LogCapture.h"

namespace {

class ScreenDrawingsTest : public ::testing::Test {
protected:
    // Draws with `draw` on a fresh black 1024 x 768 surface.
    template <typename Draw>
    static Surface Drawn(Draw draw) {
        Surface surface(kScreenWidth, kScreenHeight);
        HDC dc = CreateSurfaceDC(&surface, POINT{0, 0}, surface.Bounds());
        draw(dc);
        ReleaseSurfaceDC(dc);
        return surface;
    }

    static COLORREF At(const Surface& surface, LONG x, LONG y) {
        return SurfaceColour(surface.Pixel(x, y));
    }

    AlbumFolder album;
    LogCapture log;
};

// Title pictures of a few sizes: a background tile that the picture holds at least 8 x 8
// of, and ones that hold less, all give the pixels of the tile-by-tile definition.
TEST_F(ScreenDrawingsTest, TitleScreenGivesThePixelsOfLayingEveryTileOfItsBackground) {
    const std::pair<int32_t, int32_t> backgroundSizes[] = {{21, 13}, {8, 8}, {6, 30}, {40, 7}};
    std::filesystem::create_directory(album.folder.Path() / "data003");
    WriteBytes(album.folder / "data003/m0005.dat", Picture24(30, 20, PatternColour));
    TiledBitmap title, background;
    title.SetTiledInfo(&kTitlePictureInfo);
    background.SetTiledInfo(&kTitleBackgroundInfo);
    for (const auto& [width, height] : backgroundSizes) {
        SCOPED_TRACE(testing::Message() << width << " x " << height);
        WriteBytes(album.folder / "data003/m0001.dat", Picture24(width, height, [](LONG x, LONG y) {
                       return PatternColour(x + 3, y * 2 + 1);
                   }));
        ASSERT_TRUE(title.Load(nullptr));
        ASSERT_TRUE(background.Load(nullptr));
        const Surface fast = Drawn([&](HDC dc) { DrawTitleScreen(dc, background, title); });
        const Surface literal =
            Drawn([&](HDC dc) { DrawTitleScreenTileByTile(dc, background, title); });
        for (LONG y = 0; y < kScreenHeight; ++y)
            for (LONG x = 0; x < kScreenWidth; ++x)
                ASSERT_EQ(fast.Pixel(x, y), literal.Pixel(x, y)) << x << "," << y;
        EXPECT_EQ(At(fast, 282, 150), PatternColour(0, 0));
        EXPECT_EQ(At(fast, 282 + 29, 150 + 19), PatternColour(29, 19));
    }
    // Without a title the background repeats its top-left block every eight pixels.
    WriteBytes(album.folder / "data003/m0001.dat", Picture24(24, 24, PatternColour));
    ASSERT_TRUE(background.Load(nullptr));
    const TiledBitmap noTitle;
    const Surface screen = Drawn([&](HDC dc) { DrawTitleScreen(dc, background, noTitle); });
    for (const POINT p : {POINT{0, 0}, POINT{9, 17}, POINT{1023, 767}, POINT{517, 402}})
        EXPECT_EQ(At(screen, p.x, p.y), PatternColour(p.x % 8, p.y % 8)) << p.x << "," << p.y;
}

// Counts the caption carries (224, 99, 9, 1, 0) show the caption alone; the others put
// their number at the place for its digits. Both ends of every digit range are here.
TEST_F(ScreenDrawingsTest, EachCountShowsItsCaptionAndNumberAtItsPlaceOthersNothing) {
    WriteTiledPicture(kStickersLeftCaptionInfo, 1);
    WriteTiledPicture(kStickersLeftNumberInfo, 2);
    TiledBitmap numbers, captions;
    numbers.SetTiledInfo(&kStickersLeftNumberInfo);
    captions.SetTiledInfo(&kStickersLeftCaptionInfo);
    numbers.Load(nullptr);
    captions.Load(nullptr);
    const auto counterFor = [&](int32_t stickersLeft) {
        return Drawn([&](HDC dc) { DrawStickerCounter(dc, numbers, captions, stickersLeft); });
    };
    // Where faces share a row, the picture holds the colour of the last of them.
    const auto numberColour = [](int32_t stickersLeft) {
        const TileRect& face = StickersLeftNumberTiles[static_cast<size_t>(stickersLeft)];
        for (int32_t t = NUMBEROFSTICKERGRAPHICS; t >= 0; --t)
            if (StickersLeftNumberTiles[static_cast<size_t>(t)] == face) return TileColour(2, t);
        return COLORREF{0};
    };
    struct Case {
        int32_t left, caption;
        LONG numberX;  // 0: the caption alone
    };
    for (const Case c : {Case{224, 0, 0}, Case{99, 1, 0}, Case{9, 2, 0}, Case{1, 3, 0},
                         Case{0, 4, 0}, Case{223, 0, 440}, Case{100, 0, 440}, Case{98, 1, 436},
                         Case{10, 1, 436}, Case{8, 2, 433}, Case{2, 2, 433}}) {
        SCOPED_TRACE(c.left);
        const Surface screen = counterFor(c.left);
        EXPECT_EQ(At(screen, 417, 52), TileColour(1, c.caption));
        if (c.numberX == 0) {
            for (LONG x : {433, 436, 440}) EXPECT_EQ(At(screen, x, 52), TileColour(1, c.caption));
            continue;
        }
        EXPECT_EQ(At(screen, c.numberX - 1, 52), TileColour(1, c.caption));
        EXPECT_EQ(At(screen, c.numberX, 52), numberColour(c.left));
        EXPECT_EQ(At(screen, c.numberX + 29, 52 + 23), numberColour(c.left));
    }
    // A count outside the book is reported and not drawn.
    testing::internal::CaptureStderr();
    const Surface screen = counterFor(225);
    testing::internal::GetCapturedStderr();
    EXPECT_EQ(screen.Pixel(417, 52), 0u);
}

class FixedPage : public PageOnShow {
public:
    int32_t GetCurrentPage() const override { return 1; }
    void PaintPage() override { ++paints; }
    int paints = 0;
};

// The frame around the page, the page's label and the page itself (each page's label
// is checked as the book is turned).
TEST_F(ScreenDrawingsTest, ThePlayingScreenPaintsItsFrameTheLabelAndThePage) {
    WriteTiledPicture(kPageLabelsInfo, 3);
    WriteTiledPicture(kTopBottomBarsInfo, 4);
    WriteTiledPicture(kLeftRightBarsInfo, 5);
    Album book;
    PlayingPhase& phase = book.Playing();
    FixedPage page;
    phase.SetPageOnShow(&page);
    phase.Load(nullptr);
    const Surface frame = Drawn([&](HDC dc) { phase.Paint(dc); });
    EXPECT_EQ(page.paints, 1);
    EXPECT_EQ(At(frame, 0, 0), TileColour(4, 0));
    EXPECT_EQ(At(frame, kScreenWidth - 1, kPageBottom), TileColour(4, 1));
    EXPECT_EQ(At(frame, kPageLeft - 1, kPageTop), TileColour(5, 0));
    EXPECT_EQ(At(frame, kPageRight, kPageBottom - 1), TileColour(5, 1));
    EXPECT_EQ(At(frame, 414, 705), TileColour(3, 1));
    // The page's own place is left for the page window.
    EXPECT_EQ(frame.Pixel(kPageLeft, kPageTop), 0u);
    EXPECT_EQ(frame.Pixel(933, 677), 0u);
}

}  // namespace
