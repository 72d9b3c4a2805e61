#include <gtest/gtest.h>

#include <array>

#include "gfx/TiledBitmap.h"
#include "io/FileManager.h"
#include "platform/DeviceContext.h"
#include "tests/gfx/PictureBytes.h"
#include "tests/support/LogCapture.h"
#include "tests/support/TempDirectory.h"

namespace {

// Two tiles of 3 x 2 side by side, and one that reaches beyond the 6 x 2 picture.
constexpr std::array<TileRect, 3> kTiles = {{{0, 0, 3, 2}, {3, 0, 3, 2}, {4, 1, 5, 5}}};
const TiledBitmapInfo kInfo{3, kTiles.data(), "\\tiles.dat"};

class TiledBitmapTest : public ::testing::Test {
protected:
    TiledBitmapTest() {
        CFileManager::SetBaseDirectoryFromCurrent();
        WriteBytes(folder / "tiles.dat", Picture24(6, 2, PatternColour));
    }

    // Draws tile `index` at (1, 1) of a fresh 12 x 8 surface.
    bool DrawAtOneOne(int32_t index) {
        HDC dc = CreateSurfaceDC(&surface, POINT{0, 0}, surface.Bounds());
        const bool drawn = picture.DrawTile(dc, index, POINT{1, 1});
        ReleaseSurfaceDC(dc);
        return drawn;
    }

    COLORREF At(LONG x, LONG y) const { return SurfaceColour(surface.Pixel(x, y)); }

    TempDirectory folder;
    LogCapture log;
    TiledBitmap picture;
    Surface surface{12, 8};
};

TEST_F(TiledBitmapTest, DrawsOnlyTheTilesRectangleUnscaledAtThePoint) {
    picture.SetTiledInfo(&kInfo);
    ASSERT_TRUE(picture.Load(nullptr));
    ASSERT_TRUE(DrawAtOneOne(1));
    for (LONG y = 0; y < 2; ++y) {
        for (LONG x = 0; x < 3; ++x)
            EXPECT_EQ(At(1 + x, 1 + y), PatternColour(3 + x, y)) << x << "," << y;
    }
    EXPECT_EQ(surface.Pixel(0, 0), 0u);
    EXPECT_EQ(surface.Pixel(4, 1), 0u);
    EXPECT_EQ(surface.Pixel(1, 3), 0u);
}

TEST_F(TiledBitmapTest, ATileReachingBeyondThePictureDrawsOnlyWhatThePictureHolds) {
    picture.SetTiledInfo(&kInfo);
    ASSERT_TRUE(picture.Load(nullptr));
    ASSERT_TRUE(DrawAtOneOne(2));
    EXPECT_EQ(At(1, 1), PatternColour(4, 1));
    EXPECT_EQ(At(2, 1), PatternColour(5, 1));
    EXPECT_EQ(surface.Pixel(3, 1), 0u);
    EXPECT_EQ(surface.Pixel(1, 2), 0u);
}

TEST_F(TiledBitmapTest, TilesTheDescriptorDoesNotHaveDrawNothing) {
    picture.SetTiledInfo(&kInfo);
    ASSERT_TRUE(picture.Load(nullptr));
    EXPECT_FALSE(DrawAtOneOne(3));
    EXPECT_FALSE(DrawAtOneOne(-1));
    EXPECT_TRUE(log.Contains("TiledBitmap::DrawTile: No tile 3."));
    for (LONG y = 0; y < 8; ++y) {
        for (LONG x = 0; x < 12; ++x) ASSERT_EQ(surface.Pixel(x, y), 0u);
    }
}

TEST_F(TiledBitmapTest, WithoutADescriptorOrAFileNothingIsLoadedOrDrawn) {
    EXPECT_FALSE(picture.Load(nullptr));
    EXPECT_FALSE(DrawAtOneOne(0));

    const TiledBitmapInfo missing{3, kTiles.data(), "\\missing.dat"};
    picture.SetTiledInfo(&missing);
    EXPECT_FALSE(picture.Load(nullptr));
    EXPECT_FALSE(DrawAtOneOne(0));
    EXPECT_TRUE(log.Contains("CDIBSection::Draw: No image to draw."));
}

}  // namespace
