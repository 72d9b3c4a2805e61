#include "platform/machines/web/CanvasPixels.h"

namespace CanvasPixels {

void PutRgba(uint32_t pixel, uint8_t alpha, uint8_t* out) {
    out[0] = static_cast<uint8_t>(pixel >> 16);
    out[1] = static_cast<uint8_t>(pixel >> 8);
    out[2] = static_cast<uint8_t>(pixel);
    out[3] = alpha;
}

std::vector<uint8_t> RgbaOf(const Surface& surface) {
    std::vector<uint8_t> rgba(static_cast<size_t>(surface.Width() * surface.Height()) * 4);
    uint8_t* out = rgba.data();
    for (LONG y = 0; y < surface.Height(); ++y) {
        for (LONG x = 0; x < surface.Width(); ++x, out += 4)
            PutRgba(surface.Pixel(x, y), 0xFF, out);
    }
    return rgba;
}

}  // namespace CanvasPixels
