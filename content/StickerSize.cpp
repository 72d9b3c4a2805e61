#include "content/StickerSize.h"

#include <algorithm>
#include <cstdlib>

#include "catalogue/PageGeometry.h"
#include "catalogue/StickerHomePositions.h"

namespace {

// The gap kept between the pictures of close neighbours: room for their outlines' rims.
constexpr int32_t kNeighbourGap = 4;

}  // namespace

int32_t StickerSize::Side(int32_t stickerIndex) {
    const StickerHome& home = StickerHomePositions.at(static_cast<size_t>(stickerIndex));
    int32_t side = std::min({kSize, kPageWidth - home.x, kPageHeight - home.y});
    for (const StickerHome& other : StickerHomePositions) {
        if (&other == &home || other.pageNumber != home.pageNumber) continue;
        const int32_t dx = other.x - home.x;
        const int32_t dy = other.y - home.y;
        if (std::abs(dx) >= kSize || std::abs(dy) >= kSize) continue;
        // Of two homes closer than kSize, the one that comes first along the axis where
        // they lie further apart ends short of the other.
        const bool alongX = std::abs(dx) >= std::abs(dy);
        const int32_t ahead = alongX ? dx : dy;
        if (ahead > 0) side = std::min(side, ahead - kNeighbourGap);
    }
    return side;
}
