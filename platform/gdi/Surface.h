#pragma once
// A 32-bit picture in memory: what every top-level window, memory bitmap and printer
// page draws into. Pixels are 0x00RRGGBB, rows top-down, no padding.

#include <cstddef>
#include <cstdint>
#include <vector>

#include "platform/kernel/WinTypes.h"

class Surface {
public:
    Surface(LONG width, LONG height);

    LONG Width() const { return m_width; }
    LONG Height() const { return m_height; }
    RECT Bounds() const { return {0, 0, m_width, m_height}; }

    uint32_t* Row(LONG y) { return m_pixels.data() + static_cast<size_t>(y) * Stride(); }
    const uint32_t* Row(LONG y) const {
        return m_pixels.data() + static_cast<size_t>(y) * Stride();
    }
    // The pixel at (x, y); the point must lie inside the surface.
    uint32_t Pixel(LONG x, LONG y) const { return Row(y)[x]; }
    void SetPixel(LONG x, LONG y, uint32_t rgb) { Row(y)[x] = rgb; }
    void Fill(uint32_t rgb);
    // Copies `area` of `other` into the same place of this surface, held inside both;
    // answers the rectangle copied (empty when none is).
    RECT CopyFrom(const Surface& other, const RECT& area);

private:
    size_t Stride() const { return static_cast<size_t>(m_width); }

    LONG m_width;
    LONG m_height;
    std::vector<uint32_t> m_pixels;
};
