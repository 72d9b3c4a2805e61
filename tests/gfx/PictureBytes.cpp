#include "tests/gfx/PictureBytes.h"

#include <utility>

#include "gfx/DIB.h"
#include "platform/kernel/ByteOrder.h"

COLORREF PatternColour(LONG x, LONG y) {
    const auto ux = static_cast<uint32_t>(x);
    const auto uy = static_cast<uint32_t>(y);
    return (ux * 37 + 5) % 250 | ((uy * 53 + 7) % 250) << 8 | ((ux * 11 + uy * 3) % 250) << 16;
}

Bytes MakePictureFile(const PictureFileLayout& layout, const Bytes& pixels) {
    const auto tableBytes = static_cast<uint32_t>(layout.colours.size() * 4);
    const uint32_t offset = 14 + layout.headerSize + tableBytes + layout.gap;
    const auto width = static_cast<uint32_t>(layout.width);
    const auto height = static_cast<uint32_t>(layout.height);
    // The OS/2 core header has 16-bit sizes and ends after the bit count.
    const size_t sizeWidth = layout.headerSize == 12 ? 2 : 4;
    Bytes out;
    // clang-format off
    const std::pair<uint32_t, size_t> fields[] = {
        {layout.type, 2}, {offset + static_cast<uint32_t>(pixels.size()), 4}, {0, 4}, {offset, 4},
        {layout.headerSize, 4}, {width, sizeWidth}, {height, sizeWidth}, {1, 2},
        {layout.bitCount, 2}};
    // clang-format on
    for (const auto& [value, bytes] : fields) AppendLittleEndian(out, value, bytes);
    if (layout.headerSize != 12) {
        AppendLittleEndian(out, layout.compression, 4);
        out.resize(out.size() + 20 + (layout.headerSize > 40 ? layout.headerSize - 40 : 0), 0);
    }
    for (uint32_t colour : layout.colours) AppendLittleEndian(out, colour, 4);
    out.resize(out.size() + layout.gap, 0xEE);
    out.insert(out.end(), pixels.begin(), pixels.end());
    return out;
}

Bytes Rows24(int32_t width, int32_t height, const ColourAt& colour) {
    Bytes out;
    const auto stride = static_cast<size_t>((width * 3 + 3) / 4 * 4);
    for (int32_t y = height - 1; y >= 0; --y) {
        const size_t start = out.size();
        out.resize(start + stride, 0);
        for (int32_t x = 0; x < width; ++x)
            StoreColour(&out[start + 3 * static_cast<size_t>(x)], colour(x, y));
    }
    return out;
}

Bytes Picture24(int32_t width, int32_t height, const ColourAt& colour) {
    return MakePictureFile({.width = width, .height = height}, Rows24(width, height, colour));
}

void StoreColour(uint8_t* to, COLORREF colour) {
    to[0] = static_cast<uint8_t>(colour >> 16);
    to[1] = static_cast<uint8_t>(colour >> 8);
    to[2] = static_cast<uint8_t>(colour);
}

void FillPicture(CDIB& picture, const ColourAt& colour) {
    for (LONG y = 0; y < picture.GetHeight(); ++y) {
        for (LONG x = 0; x < picture.GetWidth(); ++x)
            StoreColour(picture.PixelAddress(x, y), colour(x, y));
    }
}

COLORREF ColourOf(const CDIB& picture, LONG x, LONG y) {
    COLORREF colour = 0;
    picture.GetPixel(x, y, colour);
    return colour;
}

COLORREF SurfaceColour(uint32_t pixel) {
    return (pixel >> 16 & 0xFF) | (pixel & 0xFF00) | (pixel & 0xFF) << 16;
}
