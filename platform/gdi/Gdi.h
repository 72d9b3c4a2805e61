#pragma once
// The drawing services the program uses, with the Windows names and values: memory
// contexts, compatible bitmaps, DIB sections of the uncompressed bit depths, BitBlt,
// StretchDIBits and the stretch mode. Rectangles exclude their right and bottom edges.
//
// Every context draws into a 32-bit surface, or, for a memory context holding a DIB
// section, straight into the section's pixels in the section's own format.

#include <algorithm>
#include <cstdint>

#include "platform/gdi/DeviceContext.h"
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

class GdiObject {
public:
    virtual ~GdiObject() = default;
};
// Bitmaps are the only GDI objects the program uses.
using HGDIOBJ = GdiObject*;
using HBITMAP = GdiObject*;

constexpr DWORD BI_RGB = 0;
constexpr UINT DIB_RGB_COLORS = 0;
constexpr DWORD SRCCOPY = 0x00CC0020;
constexpr int BLACKONWHITE = 1;
constexpr int COLORONCOLOR = 3;
constexpr int HORZRES = 8;
constexpr int VERTRES = 10;
constexpr int BITSPIXEL = 12;

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

HDC CreateCompatibleDC(HDC reference);
BOOL DeleteDC(HDC dc);
HBITMAP CreateCompatibleBitmap(HDC reference, int width, int height);
// A bitmap whose pixels the program writes directly through *bits, in the layout that
// `info` describes (its colour table is copied). Null, with *bits null, when `info` is
// not a supported uncompressed bitmap.
HBITMAP CreateDIBSection(HDC reference, const BITMAPINFO* info, UINT usage, void** bits,
                         HANDLE section, DWORD offset);
// Selects a bitmap into a memory context; answers the bitmap it replaces, or null.
HGDIOBJ SelectObject(HDC dc, HGDIOBJ object);
// Frees a bitmap; refused (FALSE) while it is selected into a context.
BOOL DeleteObject(HGDIOBJ object);
int SetStretchBltMode(HDC dc, int mode);
int GetDeviceCaps(HDC dc, int index);

// Copies a width x height block; only SRCCOPY is supported.
BOOL BitBlt(HDC dest, int x, int y, int width, int height, HDC source, int sourceX, int sourceY,
            DWORD rop);
// Copies a block of DIB pixels, stretched to the destination size. As on Windows, the
// source y of a bottom-up DIB counts from its bottom row. Answers the lines drawn.
int StretchDIBits(HDC dest, int x, int y, int width, int height, int sourceX, int sourceY,
                  int sourceWidth, int sourceHeight, const void* bits, const BITMAPINFO* info,
                  UINT usage, DWORD rop);
