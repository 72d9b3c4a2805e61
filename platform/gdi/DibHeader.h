#pragma once
// The header of a device-independent bitmap, as it is stored in picture files and handed
// to the drawing calls, with the arithmetic of its rows and colour table. It stands
// below the rest of the drawing layer: the DIB sections, the row reader and the blits
// all read it.

#include <algorithm>
#include <cstdint>

#include "platform/kernel/WinTypes.h"

struct BITMAPINFOHEADER {
    DWORD biSize;
    LONG biWidth;
    LONG biHeight;  // positive: rows stored bottom-up; negative: top-down
    WORD biPlanes;
    WORD biBitCount;
    DWORD biCompression;
    DWORD biSizeImage;
    LONG biXPelsPerMeter;
    LONG biYPelsPerMeter;
    DWORD biClrUsed;
    DWORD biClrImportant;
};

struct RGBQUAD {
    BYTE rgbBlue;
    BYTE rgbGreen;
    BYTE rgbRed;
    BYTE rgbReserved;
};

// A header and its colour table. Tables longer than one entry follow in the same block.
struct BITMAPINFO {
    BITMAPINFOHEADER bmiHeader;
    RGBQUAD bmiColors[1];
};

static_assert(sizeof(BITMAPINFOHEADER) == 40, "the stored header is 40 bytes");
static_assert(sizeof(BITMAPINFO) == 44, "a header with one colour entry is 44 bytes");

constexpr DWORD BI_RGB = 0;

// The widest or tallest bitmap the drawing layer makes.
constexpr LONG kMaxBitmapSide = 16384;

// Bytes of one stored row of `width` pixels at `bitCount` bits, padded to 4 bytes.
// Inline, as are the colour table's entries, so that what only writes pictures (the
// content generator) needs no part of the drawing layer's library.
inline uint32_t DibStride(LONG width, WORD bitCount) {
    const uint64_t bits = static_cast<uint64_t>(std::max<LONG>(width, 0)) * bitCount;
    return static_cast<uint32_t>((bits + 31) / 32 * 4);
}
// Entries of the colour table that follows `header` (none above 8 bits per pixel).
inline uint32_t DibColourCount(const BITMAPINFOHEADER& header) {
    if (header.biBitCount > 8) return 0;
    const uint32_t full = 1u << header.biBitCount;
    return header.biClrUsed == 0 ? full : std::min(header.biClrUsed, full);
}
// True for an uncompressed header of a supported depth and a size the layer makes.
bool IsSupportedDib(const BITMAPINFOHEADER& header);
