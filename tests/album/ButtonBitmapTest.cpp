#include <gtest/gtest.h>

#include <utility>
#include <vector>

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

TEST_F(ButtonBitmapTest, PickedIsHeldUntilUsedOrResetEvenWithoutAPicture) {
    // Without a picture the state is still kept and nothing is drawn.
    ButtonBitmap bare;
    EXPECT_EQ(bare.GetState(), kButtonStateReset);
    EXPECT_EQ(bare.GetTile(), 0);
    EXPECT_EQ(Request(bare, 2), 0u);
    EXPECT_EQ(bare.GetState(), 2);
    struct Row {
        int32_t current, requested, next;
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

// Each request in turn and the face it shows: a two-face picture changes face only for
// normal and pressed; the state it keeps is still the one asked for.
TEST_F(ButtonBitmapTest, EachPictureShowsTheFaceOfEachState) {
    const std::pair<const TiledBitmapInfo*, std::vector<std::pair<int32_t, int32_t>>> runs[] = {
        {&kStickerFaces, {{0, 0}, {1, 1}, {2, 2}, {4, 4}, {0, 0}, {3, 3}, {6, 0}}},
        {&kTwoFaces, {{2, 1}, {1, 1}, {0, 0}, {3, 0}, {4, 0}, {6, 0}}}};
    for (const auto& [info, requests] : runs) {
        ButtonBitmap picture;
        picture.SetTiledInfo(info);
        ASSERT_TRUE(picture.Load(nullptr));
        for (const auto& [state, face] : requests) {
            EXPECT_EQ(Request(picture, state), TileColour(info->tileCount, face))
                << info->tileCount << " faces, state " << state;
        }
    }
}

}  // namespace
