#pragma once
// The program's pixels as a canvas takes them: R, G, B and A bytes.

#include <cstdint>
#include <vector>

#include "platform/gdi/Surface.h"

namespace CanvasPixels {

// One 0x00RRGGBB (or 0xAARRGGBB) pixel into `out`'s four bytes, with `alpha`.
void PutRgba(uint32_t pixel, uint8_t alpha, uint8_t* out);
// A whole surface, opaque.
std::vector<uint8_t> RgbaOf(const Surface& surface);

}  // namespace CanvasPixels
