#pragma once
// Where a point of a sticker's design lies on its page once the sticker is stuck: the
// scenes put their pegs, hooks, poles and strings there, so that a stuck sticker
// hangs from, stands on or holds on to what the scene draws for it.

#include <cstdint>

struct PagePoint {
    double x;
    double y;
};

class StickerSpot {
public:
    // The page point under (designX, designY) of the sticker's 100 × 100 design box.
    static PagePoint OnPage(int32_t stickerIndex, double designX, double designY);
};
