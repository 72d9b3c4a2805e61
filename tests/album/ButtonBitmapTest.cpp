#include <gtest/gtest.h>

#include <array>

#include "album/ButtonBitmap.h"
#include "catalogue/TileTables.h"
#include "platform/DeviceContext.h"
#include "tests/album/AlbumFiles.h"
#include "tests/album/ScreenPictures.h"
#include "tests/gfx/PictureBytes.h"

namespace {

const TiledBitmapInfo kStickerFaces{5, kStickerButtonTiles.data(), "\\data003\\faces5.dat"};
const TiledBitmapInfo kTwoFaces{2, kSheetButtonTiles.data(), "\\data003\\faces2.dat"};

class ButtonBitmapTest : public ::testing::Test {
protected:
    ButtonBitmapTest() {
        WriteTiledPicture(kStickerFaces, 5);
        WriteTiledPicture(kTwoFaces, 2);
    }

    // Requests `state` of `picture`, drawn at (10, 10), and answers the face on the surface.
    COLORREF Request(ButtonBitmap& picture, int32_t state) {
        HDC dc = CreateSurfaceDC(&surface, POINT{0, 0}, surface.Bounds());
        const POINT offset{10, 10};
        picture.SetState(dc, state, &offset);
        ReleaseSurfaceDC(dc);
        return SurfaceColour(surface.Pixel(10, 10));
    }

    AlbumFolder album;
    Surface surface{100, 100};
};

TEST_F(ButtonBitmapTest, PickedIsHeldUntilUsedOrReset) {
    struct Row {
        int32_t current;
        int32_t requested;
        int32_t next;
    };
    const Row rows[] = {{0, 6, 0}, {3, 6, 0}, {3, 4, 4}, {3, 0, 3}, {3, 1, 3}, {3, 2, 3},
                        {0, 3, 3}, {4, 0, 0}, {4, 2, 2}, {1, 2, 2}, {2, 1, 1}, {6, 4, 4}};
    for (const Row& row : rows) {
        SCOPED_TRACE(testing::Message() << row.current << " asked " << row.requested);
        ButtonBitmap picture;
        picture.SetTiledInfo(&kStickerFaces);
        picture.Load(nullptr);
        if (row.current != kButtonStateReset) Request(picture, row.current);
        if (row.current == kButtonStatePicked) {
            ASSERT_EQ(picture.GetState(), kButtonStatePicked);
        }
        Request(picture, row.requested);
        EXPECT_EQ(picture.GetState(), row.next);
    }
}

TEST_F(ButtonBitmapTest, AStickerPictureShowsTheFaceOfEachState) {
    ButtonBitmap picture;
    picture.SetTiledInfo(&kStickerFaces);
    ASSERT_TRUE(picture.Load(nullptr));
    for (int32_t state : {0, 1, 2, 4, 0, 3})
        EXPECT_EQ(Request(picture, state), TileColour(5, state)) << state;
    EXPECT_EQ(Request(picture, 6), TileColour(5, 0));
}

TEST_F(ButtonBitmapTest, ATwoFacePictureChangesFaceOnlyForNormalAndPressed) {
    ButtonBitmap picture;
    picture.SetTiledInfo(&kTwoFaces);
    ASSERT_TRUE(picture.Load(nullptr));
    EXPECT_EQ(Request(picture, 2), TileColour(2, 1));
    EXPECT_EQ(Request(picture, 1), TileColour(2, 1));
    EXPECT_EQ(picture.GetState(), 1);
    EXPECT_EQ(Request(picture, 0), TileColour(2, 0));
    EXPECT_EQ(Request(picture, 3), TileColour(2, 0));
    EXPECT_EQ(Request(picture, 4), TileColour(2, 0));
    EXPECT_EQ(picture.GetState(), 4);
    EXPECT_EQ(Request(picture, 6), TileColour(2, 0));
}

TEST_F(ButtonBitmapTest, StartsWithoutAStateAndWithoutAPictureKeepsItsStateAndDrawsNothing) {
    ButtonBitmap picture;
    EXPECT_EQ(picture.GetState(), kButtonStateReset);
    EXPECT_EQ(picture.GetTile(), 0);
    EXPECT_EQ(Request(picture, 2), 0u);
    EXPECT_EQ(picture.GetState(), 2);
}

}  // namespace
