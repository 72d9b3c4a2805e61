#include "content/StickerSpot.h"

#include "catalogue/StickerHomePositions.h"
#include "content/StickerArt.h"
#include "content/StickerDesigns.h"
#include "content/StickerSize.h"

PagePoint StickerSpot::OnPage(int32_t stickerIndex, double designX, double designY) {
    const StickerHome& home = StickerHomePositions.at(static_cast<size_t>(stickerIndex));
    const int32_t side = StickerSize::Side(stickerIndex);
    // The design sits inside the white die-cut edge cut round it.
    const double edge = StickerArt::Edge(side);
    const double scale = (side - 2 * edge) / StickerDesigns::kBox;
    return {home.x + edge + designX * scale, home.y + edge + designY * scale};
}
