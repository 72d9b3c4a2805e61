#pragma once
// Builds picture files byte by byte, good and damaged, and fills and reads pictures by
// colour, for the tests of the picture readers and everything drawn from them.

#include <cstdint>
#include <functional>
#include <vector>

#include "platform/kernel/WinTypes.h"
#include "tests/support/Files.h"

class CDIB;

// A colour for every pixel (x, y counted from the top).
using ColourAt = std::function<COLORREF(LONG x, LONG y)>;

// A different colour at every pixel of a small picture, never magenta.
COLORREF PatternColour(LONG x, LONG y);

struct PictureFileLayout {
    uint16_t type = 0x3351;
    int32_t width = 4;
    int32_t height = 3;
    uint16_t bitCount = 24;
    uint32_t headerSize = 40;
    uint32_t compression = 0;
    std::vector<uint32_t> colours{};  // the colour table, as 0x00RRGGBB
    uint32_t gap = 0;                 // bytes between the colour table and the pixels
};

// The file: header fields, colour table, gap, then `pixels` as given.
Bytes MakePictureFile(const PictureFileLayout& layout, const Bytes& pixels);
// Bottom-up 24-bit rows of the layout's size, padded to 4 bytes.
Bytes Rows24(int32_t width, int32_t height, const ColourAt& colour);
// A complete 24-bit picture file of `colour`.
Bytes Picture24(int32_t width, int32_t height, const ColourAt& colour);

// The three bytes of a 24-bit pixel, blue first as pictures store them.
void StoreColour(uint8_t* to, COLORREF colour);
void FillPicture(CDIB& picture, const ColourAt& colour);
COLORREF ColourOf(const CDIB& picture, LONG x, LONG y);
// The screen surface's pixel, as a colour value.
COLORREF SurfaceColour(uint32_t surfacePixel);
