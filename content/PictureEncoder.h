#pragma once
// Writes a canvas as an album picture file (gfx/PictureFormat.h): 24 bits per pixel,
// bottom-up rows padded to 4 bytes, no colour table.

#include <cstdint>
#include <vector>

#include "content/Canvas.h"

enum class Transparency {
    // Every pixel is painted; any see-through part is laid on white.
    Opaque,
    // Pixels less than half covered become magenta, the album's transparent colour;
    // a painted pixel that happens to be magenta is nudged off it, so magenta marks
    // the background and nothing else.
    MagentaKey,
};

class PictureEncoder {
public:
    static std::vector<uint8_t> Encode(const Canvas& canvas, Transparency transparency);
    // The encoded picture back on a canvas, magenta see-through, so that contact
    // sheets show exactly what the album shows. Takes only what Encode writes.
    static Canvas Decode(const std::vector<uint8_t>& picture);
};
