#include <gtest/gtest.h>

#include <array>

#include "gfx/TiledBitmap.h"
#include "io/FileManager.h"
#include "platform/DeviceContext.h"
#include "tests/gfx/PictureBytes.h"
#include "tests/support/LogCapture.h"
#include "tests/support/TempDirectory.h"

namespace {

// Two tiles of 3 x 2 side by side, short of the 8 x 3 picture's right edge, and one
// that reaches beyond the picture.
constexpr std::array<TileRect, 3> kTiles = {{{0, 0, 3, 2}, {3, 0, 3, 2}, {4, 1, 5, 5}}};
const TiledBitmapInfo kInfo{3, kTiles.data(), "\\tiles.dat"};

class TiledBitmapTest : public ::testing::Test {
protected:
    TiledBitmapTest() {
        CFileManager::SetBaseDirectoryFromCurrent();
        WriteBytes(folder / "tiles.dat", Picture24(8, 3, PatternColour));
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

// A tile inside the picture, and one reaching beyond it that draws only what the
// picture holds: its part, unscaled at (1, 1), and nothing else.
TEST_F(TiledBitmapTest, DrawsOnlyTheTilesPartOfThePictureUnscaledAtThePoint) {
    struct Row {
        int32_t tile;
        RECT drawn;  // in picture coordinates
    };
    for (const Row& row : {Row{1, RECT{3, 0, 6, 2}}, Row{2, RECT{4, 1, 8, 3}}}) {
        SCOPED_TRACE(row.tile);
        surface.Fill(0);
        picture.SetTiledInfo(&kInfo);
        ASSERT_TRUE(picture.Load(nullptr));
        ASSERT_TRUE(DrawAtOneOne(row.tile));
        for (LONG y = 0; y < 8; ++y) {
            for (LONG x = 0; x < 12; ++x) {
                const LONG px = row.drawn.left + x - 1;
                const LONG py = row.drawn.top + y - 1;
                const bool inside =
                    x >= 1 && y >= 1 && px < row.drawn.right && py < row.drawn.bottom;
                ASSERT_EQ(At(x, y), inside ? PatternColour(px, py) : 0u) << x << "," << y;
            }
        }
    }
}

// Tiles the descriptor does not have, and a picture without a descriptor or a file,
// draw nothing.
TEST_F(TiledBitmapTest, TilesThatAreNotThereDrawNothing) {
    EXPECT_FALSE(picture.Load(nullptr));
    EXPECT_FALSE(DrawAtOneOne(0));
    const TiledBitmapInfo missing{3, kTiles.data(), "\\missing.dat"};
    picture.SetTiledInfo(&missing);
    EXPECT_FALSE(picture.Load(nullptr));
    EXPECT_FALSE(DrawAtOneOne(0));

    picture.SetTiledInfo(&kInfo);
    ASSERT_TRUE(picture.Load(nullptr));
    EXPECT_FALSE(DrawAtOneOne(3));
    EXPECT_FALSE(DrawAtOneOne(-1));
    for (LONG y = 0; y < 8; ++y) {
        for (LONG x = 0; x < 12; ++x) ASSERT_EQ(surface.Pixel(x, y), 0u);
    }
}

}  // namespace
