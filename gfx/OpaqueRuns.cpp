#include "gfx/OpaqueRuns.h"

#include <algorithm>
#include <cstring>

namespace {

constexpr size_t kBytesPerPixel = 3;

bool IsKey(const uint8_t* pixel, COLORREF key) {
    return pixel[0] == (key >> 16 & 0xFF) && pixel[1] == (key >> 8 & 0xFF) &&
           pixel[2] == (key & 0xFF) && key <= 0xFFFFFF;
}

}  // namespace

OpaqueRuns::OpaqueRuns(const uint8_t* pixels, LONG width, LONG height, size_t stride, COLORREF key)
    : m_pixels(pixels), m_width(width), m_height(height), m_key(key) {
    m_rowStarts.reserve(static_cast<size_t>(m_height) + 1);
    // A sticker has at least one run in most rows: room for one a row saves growing
    // through every smaller size.
    m_runs.reserve(static_cast<size_t>(m_height));
    for (LONG y = 0; y < m_height; ++y) {
        m_rowStarts.push_back(static_cast<uint32_t>(m_runs.size()));
        const uint8_t* row = pixels + static_cast<size_t>(m_height - 1 - y) * stride;
        LONG x = 0;
        while (x < m_width) {
            while (x < m_width && IsKey(row + static_cast<size_t>(x) * kBytesPerPixel, key)) ++x;
            const LONG start = x;
            while (x < m_width && !IsKey(row + static_cast<size_t>(x) * kBytesPerPixel, key)) ++x;
            if (x > start) m_runs.push_back({start, x});
        }
    }
    m_rowStarts.push_back(static_cast<uint32_t>(m_runs.size()));
}

bool OpaqueRuns::Describe(const uint8_t* pixels, LONG width, LONG height, COLORREF key) const {
    return m_pixels != nullptr && m_pixels == pixels && m_width == width && m_height == height &&
           m_key == key;
}

void OpaqueRuns::CopyRow(uint8_t* to, const uint8_t* from, LONG y, LONG x, LONG width) const {
    const LONG end = x + width;
    const auto row = static_cast<size_t>(y);
    for (uint32_t i = m_rowStarts[row]; i < m_rowStarts[row + 1]; ++i) {
        const LONG start = std::max(m_runs[i].start, x);
        const LONG stop = std::min(m_runs[i].end, end);
        if (start >= stop) continue;
        std::memcpy(to + static_cast<size_t>(start - x) * kBytesPerPixel,
                    from + static_cast<size_t>(start) * kBytesPerPixel,
                    static_cast<size_t>(stop - start) * kBytesPerPixel);
    }
}
