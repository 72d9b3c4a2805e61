#include "content/StickerSpot.h"

#include <algorithm>

#include "catalogue/StickerHomePositions.h"
#include "content/StickerDesigns.h"
#include "content/StickerSize.h"

PagePoint StickerSpot::OnPage(int32_t stickerIndex, double designX, double designY) {
    const StickerHome& home = StickerHomePositions.at(static_cast<size_t>(stickerIndex));
    const double side = StickerSize::Side(stickerIndex);
    // The design sits inside the white die-cut edge that StickerArt::Render cuts round it.
    const double edge = std::max(2.0, side / 28.0);
    const double scale = (side - 2 * edge) / StickerDesigns::kBox;
    return {home.x + edge + designX * scale, home.y + edge + designY * scale};
}
