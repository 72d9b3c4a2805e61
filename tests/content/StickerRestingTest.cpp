// On the pages set in a room or on the ground, each sticker rests on the shelf, table,
// floor or hill drawn under its home, or hangs from the hook, rail or peg drawn above
// it. A drawing that keeps clear of the bottom of its picture then floats over its
// shelf, and a hanging one that keeps clear of the top dangles from nothing.

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <string>

#include "catalogue/DataFiles.h"
#include "catalogue/StickerHomePositions.h"
#include "tests/content/PictureBytes.h"
#include "tests/support/Files.h"

namespace {

// The party, the castle, the toy room, the sweet shop and the music room.
constexpr int32_t kRestingPages[] = {4, 10, 11, 17, 21};
// The guitar on its hook, the yo-yo on its peg, the candy cane on its rail and the
// pinata on its string.
constexpr size_t kHangingStickers[] = {66, 70, 91, 196};
// Pixels allowed between the drawing and the picture's edge: the white die-cut edge and
// the soft rim of the outline.
constexpr int32_t kTouching = 6;

struct Rows {
    int32_t top;
    int32_t bottom;
};

// The first and the last row of a picture with anything but see-through magenta on it.
Rows PaintedRows(const PictureView& picture) {
    Rows rows{picture.Height(), -1};
    for (int32_t y = 0; y < picture.Height(); ++y) {
        for (int32_t x = 0; x < picture.Width(); ++x) {
            if (picture.Pixel(x, y) == MAGENTA) continue;
            rows.top = std::min(rows.top, y);
            rows.bottom = y;
        }
    }
    return rows;
}

TEST(StickerRestingTest, EachStickerOfARoomOrGroundPageStandsOnItsPictureBottomOrHangsFromItsTop) {
    int32_t checked = 0;
    for (size_t index = 0; index < StickerHomePositions.size(); ++index) {
        if (std::ranges::find(kRestingPages, StickerHomePositions[index].pageNumber) ==
            std::end(kRestingPages)) {
            continue;
        }
        std::string path = std::string(QUILLORY_ALBUM_DIR) + StickerPictureFiles[index];
        std::ranges::replace(path, '\\', '/');
        const Bytes bytes = ReadBytes(path);
        const PictureView picture{bytes};
        const Rows rows = PaintedRows(picture);
        if (std::ranges::find(kHangingStickers, index) != std::end(kHangingStickers)) {
            EXPECT_LE(rows.top, kTouching) << "sticker " << index << " hangs from nothing";
        } else {
            EXPECT_GE(rows.bottom, picture.Height() - 1 - kTouching)
                << "sticker " << index << " floats above what it stands on";
        }
        ++checked;
    }
    EXPECT_EQ(checked, 37);
}

}  // namespace
