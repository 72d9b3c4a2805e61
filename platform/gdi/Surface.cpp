#include "platform/gdi/Surface.h"

#include <algorithm>

namespace {

LONG NonNegative(LONG value) {
    return std::max<LONG>(value, 0);
}

}  // namespace

Surface::Surface(LONG width, LONG height)
    : m_width(NonNegative(width)),
      m_height(NonNegative(height)),
      m_pixels(static_cast<size_t>(m_width) * static_cast<size_t>(m_height), 0) {}

void Surface::Fill(uint32_t rgb) {
    std::fill(m_pixels.begin(), m_pixels.end(), rgb);
}

RECT Surface::CopyFrom(const Surface& other, const RECT& area) {
    const LONG left = std::max<LONG>(area.left, 0);
    const LONG top = std::max<LONG>(area.top, 0);
    const LONG right = std::min({area.right, m_width, other.m_width});
    const LONG bottom = std::min({area.bottom, m_height, other.m_height});
    if (left >= right || top >= bottom) return RECT{};
    for (LONG y = top; y < bottom; ++y)
        std::copy(other.Row(y) + left, other.Row(y) + right, Row(y) + left);
    return RECT{left, top, right, bottom};
}
