#pragma once
// How big a sticker's picture is drawn: the same for its picture file, its faint
// outline at its home and the scenery drawn around the home.

#include <cstdint>

class StickerSize {
public:
    // The side of a sticker picture with room around its home.
    static constexpr int32_t kSize = 84;

    // The side of this sticker's picture: kSize, or less where a neighbour's home on
    // the same page lies closer than that, so that neither covers the other's outline,
    // or where the page's bottom or right edge would cut it.
    static int32_t Side(int32_t stickerIndex);
};
