#include "content/PictureEncoder.h"

#include <cstring>

namespace {

void PutU16(std::vector<uint8_t>& bytes, size_t at, uint32_t value) {
    bytes[at] = static_cast<uint8_t>(value);
    bytes[at + 1] = static_cast<uint8_t>(value >> 8);
}

void PutU32(std::vector<uint8_t>& bytes, size_t at, uint32_t value) {
    PutU16(bytes, at, value & 0xFFFF);
    PutU16(bytes, at + 2, value >> 16);
}

struct Rgb {
    uint8_t red;
    uint8_t green;
    uint8_t blue;
};

uint32_t GetU32(const std::vector<uint8_t>& bytes, size_t at) {
    uint32_t value = 0;
    for (size_t i = 0; i < 4; ++i) {
        value |= static_cast<uint32_t>(bytes.at(at + i)) << (8 * i);
    }
    return value;
}

uint8_t Unpremultiply(uint32_t channel, uint32_t alpha) {
    return static_cast<uint8_t>((channel * 255 + alpha / 2) / alpha);
}

Rgb PixelColour(uint32_t argb, Transparency transparency) {
    const uint32_t alpha = argb >> 24;
    const uint32_t red = (argb >> 16) & 0xFF;
    const uint32_t green = (argb >> 8) & 0xFF;
    const uint32_t blue = argb & 0xFF;
    if (transparency == Transparency::Opaque) {
        // Premultiplied colour over white.
        const uint32_t white = 255 - alpha;
        return {static_cast<uint8_t>(red + white), static_cast<uint8_t>(green + white),
                static_cast<uint8_t>(blue + white)};
    }
    if (alpha < 128) {
        return {255, 0, 255};
    }
    Rgb colour{Unpremultiply(red, alpha), Unpremultiply(green, alpha),
               Unpremultiply(blue, alpha)};
    if (colour.red == 255 && colour.green == 0 && colour.blue == 255) {
        colour.green = 1;
    }
    return colour;
}

}  // namespace

uint32_t PictureEncoder::Stride(int32_t width) {
    return (static_cast<uint32_t>(width) * 3 + 3) & ~3u;
}

std::vector<uint8_t> PictureEncoder::Encode(const Canvas& canvas, Transparency transparency) {
    cairo_surface_flush(canvas.Surface());
    const int32_t width = canvas.Width();
    const int32_t height = canvas.Height();
    const uint32_t stride = Stride(width);
    const uint32_t imageSize = stride * static_cast<uint32_t>(height);

    std::vector<uint8_t> bytes(HEADER_SIZE + imageSize, 0);
    bytes[0] = 'Q';
    bytes[1] = '3';
    PutU32(bytes, 2, HEADER_SIZE + imageSize);
    PutU32(bytes, 10, HEADER_SIZE);
    PutU32(bytes, 14, 40);
    PutU32(bytes, 18, static_cast<uint32_t>(width));
    PutU32(bytes, 22, static_cast<uint32_t>(height));
    PutU16(bytes, 26, 1);
    PutU16(bytes, 28, 24);
    PutU32(bytes, 34, imageSize);
    // 72 dots per inch, as pixels per metre.
    PutU32(bytes, 38, 2835);
    PutU32(bytes, 42, 2835);

    const unsigned char* source = cairo_image_surface_get_data(canvas.Surface());
    const auto sourceStride = static_cast<size_t>(cairo_image_surface_get_stride(canvas.Surface()));
    for (int32_t y = 0; y < height; ++y) {
        const unsigned char* sourceRow = source + static_cast<size_t>(y) * sourceStride;
        uint8_t* row = bytes.data() + HEADER_SIZE +
                       static_cast<size_t>(height - 1 - y) * stride;
        for (int32_t x = 0; x < width; ++x) {
            uint32_t argb;
            std::memcpy(&argb, sourceRow + static_cast<size_t>(x) * 4, sizeof argb);
            const Rgb colour = PixelColour(argb, transparency);
            uint8_t* pixel = row + static_cast<size_t>(x) * 3;
            pixel[0] = colour.blue;
            pixel[1] = colour.green;
            pixel[2] = colour.red;
        }
    }
    return bytes;
}

Canvas PictureEncoder::Decode(const std::vector<uint8_t>& picture) {
    const auto width = static_cast<int32_t>(GetU32(picture, 18));
    const auto height = static_cast<int32_t>(GetU32(picture, 22));
    const uint32_t stride = Stride(width);
    Canvas canvas(width, height);
    unsigned char* target = cairo_image_surface_get_data(canvas.Surface());
    const auto targetStride = static_cast<size_t>(cairo_image_surface_get_stride(canvas.Surface()));
    for (int32_t y = 0; y < height; ++y) {
        const size_t row = HEADER_SIZE + static_cast<size_t>(height - 1 - y) * stride;
        for (int32_t x = 0; x < width; ++x) {
            const size_t at = row + static_cast<size_t>(x) * 3;
            const uint32_t blue = picture.at(at);
            const uint32_t green = picture.at(at + 1);
            const uint32_t red = picture.at(at + 2);
            const bool keyed = red == 255 && green == 0 && blue == 255;
            const uint32_t argb = keyed ? 0 : 0xFF000000u | red << 16 | green << 8 | blue;
            std::memcpy(target + static_cast<size_t>(y) * targetStride + static_cast<size_t>(x) * 4,
                        &argb, sizeof argb);
        }
    }
    cairo_surface_mark_dirty(canvas.Surface());
    return canvas;
}
