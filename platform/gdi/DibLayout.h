#pragma once
// Reads and writes rows of a DIB's pixels, in any supported depth, as 0x00RRGGBB values:
// what BitBlt and StretchDIBits need to move pixels between surfaces and DIBs.

#include <cstdint>

#include "platform/kernel/WinTypes.h"

struct BITMAPINFO;
struct RGBQUAD;

class DibLayout {
public:
    // `info` must be a supported DIB (IsSupportedDib) and `bits` must hold its rows.
    DibLayout(const BITMAPINFO* info, const void* bits);

    LONG Width() const { return m_width; }
    LONG Height() const { return m_height; }
    RECT Bounds() const { return {0, 0, m_width, m_height}; }

    // Pixels x .. x + count - 1 of row y (counted from the top); all must lie inside.
    void ReadRow(LONG x, LONG y, LONG count, uint32_t* out) const;
    // Stores the pixels; an indexed DIB takes the nearest colour of its table.
    void WriteRow(LONG x, LONG y, LONG count, const uint32_t* in) const;

private:
    uint8_t* RowAddress(LONG y) const;
    uint32_t ReadPixel(const uint8_t* row, LONG x) const;
    void WritePixel(uint8_t* row, LONG x, uint32_t rgb) const;
    uint32_t PaletteColour(uint32_t index) const;
    uint32_t NearestIndex(uint32_t rgb) const;

    uint8_t* m_bits;
    const RGBQUAD* m_colours;
    uint32_t m_colourCount;
    uint32_t m_stride;
    LONG m_width;
    LONG m_height;
    bool m_topDown;
    uint16_t m_bitCount;
};
