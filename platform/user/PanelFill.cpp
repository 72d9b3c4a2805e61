#include "platform/user/PanelFill.h"

#include <algorithm>
#include <cmath>

#include "platform/gdi/DeviceContext.h"

namespace {

uint32_t BlendColour(uint32_t below, uint32_t colour, double coverage) {
    uint32_t result = 0;
    for (const int shift : {0, 8, 16}) {
        const double under = (below >> shift) & 0xFF;
        const double over = (colour >> shift) & 0xFF;
        result |= static_cast<uint32_t>(std::lround(over * coverage + under * (1.0 - coverage)))
                  << shift;
    }
    return result;
}

// How much of pixel (x, y) a rounded rectangle covers: 1 inside, 0 outside, the share
// in between along the rounded corners, so that they are drawn smooth.
double RoundedCoverage(const RECT& box, LONG radius, LONG x, LONG y) {
    const double px = x + 0.5;
    const double py = y + 0.5;
    const double cx = std::clamp(px, static_cast<double>(box.left + radius),
                                 static_cast<double>(box.right - radius));
    const double cy = std::clamp(py, static_cast<double>(box.top + radius),
                                 static_cast<double>(box.bottom - radius));
    const double distance = std::hypot(px - cx, py - cy);
    return std::clamp(radius - distance + 0.5, 0.0, 1.0);
}

}  // namespace

void FillRounded(Surface& surface, const RECT& clip, const RECT& box, LONG radius,
                 uint32_t colour) {
    RECT area{};
    if (!IntersectRect(&area, &clip, &box)) return;
    for (LONG y = area.top; y < area.bottom; ++y) {
        uint32_t* row = surface.Row(y);
        for (LONG x = area.left; x < area.right; ++x) {
            const double coverage = RoundedCoverage(box, radius, x, y);
            if (coverage > 0.0) row[x] = BlendColour(row[x], colour, coverage);
        }
    }
}

void FillArea(Surface& surface, const RECT& clip, const RECT& box, uint32_t colour) {
    RECT area{};
    if (!IntersectRect(&area, &clip, &box)) return;
    for (LONG y = area.top; y < area.bottom; ++y)
        std::fill(surface.Row(y) + area.left, surface.Row(y) + area.right, colour);
}
