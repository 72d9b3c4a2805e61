#include "platform/gdi/DibLayout.h"

#include <cstdlib>
#include <cstring>
#include <limits>

#include "platform/gdi/DibHeader.h"

namespace {

uint32_t Rgb(uint32_t red, uint32_t green, uint32_t blue) {
    return red << 16 | green << 8 | blue;
}
uint32_t Red(uint32_t rgb) {
    return rgb >> 16 & 0xFF;
}
uint32_t Green(uint32_t rgb) {
    return rgb >> 8 & 0xFF;
}
uint32_t Blue(uint32_t rgb) {
    return rgb & 0xFF;
}

// Widens a 5-bit channel to 8 bits so that 31 becomes 255.
uint32_t Widen5(uint32_t value) {
    return value << 3 | value >> 2;
}

uint32_t Distance(uint32_t a, uint32_t b) {
    const auto square = [](uint32_t x, uint32_t y) {
        const int32_t d = static_cast<int32_t>(x) - static_cast<int32_t>(y);
        return static_cast<uint32_t>(d * d);
    };
    return square(Red(a), Red(b)) + square(Green(a), Green(b)) + square(Blue(a), Blue(b));
}

}  // namespace

DibLayout::DibLayout(const BITMAPINFO* info, const void* bits)
    : m_bits(static_cast<uint8_t*>(const_cast<void*>(bits))),
      m_colours(info->bmiColors),
      m_colourCount(DibColourCount(info->bmiHeader)),
      m_stride(DibStride(info->bmiHeader.biWidth, info->bmiHeader.biBitCount)),
      m_width(info->bmiHeader.biWidth),
      m_height(std::abs(info->bmiHeader.biHeight)),
      m_topDown(info->bmiHeader.biHeight < 0),
      m_bitCount(info->bmiHeader.biBitCount) {}

uint8_t* DibLayout::RowAddress(LONG y) const {
    const LONG stored = m_topDown ? y : m_height - 1 - y;
    return m_bits + static_cast<size_t>(stored) * m_stride;
}

void DibLayout::ReadRow(LONG x, LONG y, LONG count, uint32_t* out) const {
    const uint8_t* row = RowAddress(y);
    for (LONG i = 0; i < count; ++i) out[i] = ReadPixel(row, x + i);
}

void DibLayout::WriteRow(LONG x, LONG y, LONG count, const uint32_t* in) const {
    uint8_t* row = RowAddress(y);
    for (LONG i = 0; i < count; ++i) WritePixel(row, x + i, in[i]);
}

uint32_t DibLayout::PaletteColour(uint32_t index) const {
    if (index >= m_colourCount) return 0;
    const RGBQUAD& entry = m_colours[index];
    return Rgb(entry.rgbRed, entry.rgbGreen, entry.rgbBlue);
}

uint32_t DibLayout::NearestIndex(uint32_t rgb) const {
    uint32_t best = 0;
    uint32_t bestDistance = std::numeric_limits<uint32_t>::max();
    for (uint32_t index = 0; index < m_colourCount && bestDistance > 0; ++index) {
        const uint32_t distance = Distance(PaletteColour(index), rgb);
        if (distance < bestDistance) {
            best = index;
            bestDistance = distance;
        }
    }
    return best;
}

uint32_t DibLayout::ReadPixel(const uint8_t* row, LONG x) const {
    const auto column = static_cast<size_t>(x);
    switch (m_bitCount) {
        case 32:
        case 24: {
            const uint8_t* pixel = row + column * (m_bitCount / 8u);
            return Rgb(pixel[2], pixel[1], pixel[0]);
        }
        case 16: {
            const uint32_t value =
                static_cast<uint32_t>(row[column * 2] | row[column * 2 + 1] << 8);
            return Rgb(Widen5(value >> 10 & 31), Widen5(value >> 5 & 31), Widen5(value & 31));
        }
        default: {
            // 1, 4 or 8 bits: the leftmost pixel sits in the byte's highest bits.
            const size_t bitOffset = column * m_bitCount;
            const uint32_t shift = 8u - m_bitCount - static_cast<uint32_t>(bitOffset % 8);
            const uint32_t mask = (1u << m_bitCount) - 1;
            return PaletteColour(static_cast<uint32_t>(row[bitOffset / 8]) >> shift & mask);
        }
    }
}

void DibLayout::WritePixel(uint8_t* row, LONG x, uint32_t rgb) const {
    const auto column = static_cast<size_t>(x);
    switch (m_bitCount) {
        case 32:
        case 24: {
            uint8_t* pixel = row + column * (m_bitCount / 8u);
            pixel[0] = static_cast<uint8_t>(Blue(rgb));
            pixel[1] = static_cast<uint8_t>(Green(rgb));
            pixel[2] = static_cast<uint8_t>(Red(rgb));
            return;
        }
        case 16: {
            const uint32_t value = (Red(rgb) >> 3) << 10 | (Green(rgb) >> 3) << 5 | Blue(rgb) >> 3;
            row[column * 2] = static_cast<uint8_t>(value);
            row[column * 2 + 1] = static_cast<uint8_t>(value >> 8);
            return;
        }
        default: {
            const size_t bitOffset = column * m_bitCount;
            const uint32_t shift = 8u - m_bitCount - static_cast<uint32_t>(bitOffset % 8);
            const uint32_t mask = ((1u << m_bitCount) - 1) << shift;
            uint8_t& byte = row[bitOffset / 8];
            byte = static_cast<uint8_t>((byte & ~mask) | (NearestIndex(rgb) << shift & mask));
            return;
        }
    }
}
