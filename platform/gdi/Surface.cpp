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
