#include "tests/gfx/PictureBytes.h"

#include "gfx/DIB.h"
#include "platform/ByteOrder.h"

COLORREF PatternColour(LONG x, LONG y) {
    const auto ux = static_cast<uint32_t>(x);
    const auto uy = static_cast<uint32_t>(y);
    return (ux * 37 + 5) % 250 | ((uy * 53 + 7) % 250) << 8 | ((ux * 11 + uy * 3) % 250) << 16;
}

Bytes MakePictureFile(const PictureFileLayout& layout, const Bytes& pixels) {
    const auto tableBytes = static_cast<uint32_t>(layout.colours.size() * 4);
    const uint32_t offset = 14 + layout.headerSize + tableBytes + layout.gap;
    Bytes out;
    AppendLittleEndian(out, layout.type, 2);
    AppendLittleEndian(out, offset + static_cast<uint32_t>(pixels.size()), 4);
    AppendLittleEndian(out, 0, 4);
    AppendLittleEndian(out, offset, 4);
    if (layout.headerSize == 12) {
        // The OS/2 core header: size, 16-bit width and height, planes, bit count.
        AppendLittleEndian(out, 12, 4);
        AppendLittleEndian(out, static_cast<uint32_t>(layout.width), 2);
        AppendLittleEndian(out, static_cast<uint32_t>(layout.height), 2);
        AppendLittleEndian(out, 1, 2);
        AppendLittleEndian(out, layout.bitCount, 2);
    } else {
        AppendLittleEndian(out, layout.headerSize, 4);
        AppendLittleEndian(out, static_cast<uint32_t>(layout.width), 4);
        AppendLittleEndian(out, static_cast<uint32_t>(layout.height), 4);
        AppendLittleEndian(out, 1, 2);
        AppendLittleEndian(out, layout.bitCount, 2);
        AppendLittleEndian(out, layout.compression, 4);
        for (int i = 0; i < 5; ++i) AppendLittleEndian(out, 0, 4);
        if (layout.headerSize > 40) out.resize(out.size() + layout.headerSize - 40, 0);
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
        for (int32_t x = 0; x < width; ++x) {
            const COLORREF c = colour(x, y);
            out.push_back(static_cast<uint8_t>(c >> 16));
            out.push_back(static_cast<uint8_t>(c >> 8));
            out.push_back(static_cast<uint8_t>(c));
        }
        out.resize(start + stride, 0);
    }
    return out;
}

Bytes Picture24(int32_t width, int32_t height, const ColourAt& colour) {
    PictureFileLayout layout;
    layout.width = width;
    layout.height = height;
    return MakePictureFile(layout, Rows24(width, height, colour));
}

void FillPicture(CDIB& picture, const ColourAt& colour) {
    for (LONG y = 0; y < picture.GetHeight(); ++y) {
        for (LONG x = 0; x < picture.GetWidth(); ++x) {
            uint8_t* pixel = picture.PixelAddress(x, y);
            const COLORREF c = colour(x, y);
            pixel[0] = static_cast<uint8_t>(c >> 16);
            pixel[1] = static_cast<uint8_t>(c >> 8);
            pixel[2] = static_cast<uint8_t>(c);
        }
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

uint32_t SurfacePixel(COLORREF colour) {
    return SurfaceColour(colour);
}
