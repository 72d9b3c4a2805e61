#include "content/PictureEncoder.h"

#include <cairo.h>

#include <cstring>
#include <stdexcept>

#include "gfx/PictureFormat.h"

namespace {

// 72 dots per inch, as pixels per metre.
constexpr LONG kPixelsPerMetre = 2835;

struct Rgb {
    uint8_t red;
    uint8_t green;
    uint8_t blue;
};

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
    Rgb colour{Unpremultiply(red, alpha), Unpremultiply(green, alpha), Unpremultiply(blue, alpha)};
    if (colour.red == 255 && colour.green == 0 && colour.blue == 255) {
        colour.green = 1;
    }
    return colour;
}

// Takes the header of a picture that Encode wrote; anything shorter is no such picture.
BITMAPINFOHEADER ReadInfoHeader(const std::vector<uint8_t>& picture) {
    if (picture.size() < kPicturePixelOffset) throw std::out_of_range("not an album picture");
    BITMAPINFOHEADER header;
    std::memcpy(&header, picture.data() + kFileHeaderSize, kInfoHeaderSize);
    return header;
}

}  // namespace

std::vector<uint8_t> PictureEncoder::Encode(const Canvas& canvas, Transparency transparency) {
    cairo_surface_flush(canvas.Surface());
    const int32_t width = canvas.Width();
    const int32_t height = canvas.Height();
    const uint32_t stride = DibStride(width, 24);
    const uint32_t imageSize = stride * static_cast<uint32_t>(height);

    std::vector<uint8_t> bytes(kPicturePixelOffset + imageSize, 0);
    PictureFileHeader{.fileSize = kPicturePixelOffset + imageSize}.Store(bytes.data());
    const BITMAPINFOHEADER header{kInfoHeaderSize, width,           height,          1, 24, BI_RGB,
                                  imageSize,       kPixelsPerMetre, kPixelsPerMetre, 0, 0};
    StoreInfoHeader(header, bytes.data() + kFileHeaderSize);

    const unsigned char* source = cairo_image_surface_get_data(canvas.Surface());
    const auto sourceStride = static_cast<size_t>(cairo_image_surface_get_stride(canvas.Surface()));
    for (int32_t y = 0; y < height; ++y) {
        const unsigned char* sourceRow = source + static_cast<size_t>(y) * sourceStride;
        uint8_t* row =
            bytes.data() + kPicturePixelOffset + static_cast<size_t>(height - 1 - y) * stride;
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
    const BITMAPINFOHEADER header = ReadInfoHeader(picture);
    const int32_t width = header.biWidth;
    const int32_t height = header.biHeight;
    const uint32_t stride = DibStride(width, 24);
    Canvas canvas(width, height);
    unsigned char* target = cairo_image_surface_get_data(canvas.Surface());
    const auto targetStride = static_cast<size_t>(cairo_image_surface_get_stride(canvas.Surface()));
    for (int32_t y = 0; y < height; ++y) {
        const size_t row = kPicturePixelOffset + static_cast<size_t>(height - 1 - y) * stride;
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
