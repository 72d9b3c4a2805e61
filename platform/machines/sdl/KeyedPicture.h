#pragma once
// Reads an embedded cursor or icon picture (the album's own picture layout: "Q3",
// 24 bits, bottom-up rows padded to 4 bytes) into 32-bit pixels with alpha, magenta
// pixels see-through. Any bytes are safe: a picture that does not hold together
// reads as nothing.

#include <cstdint>
#include <optional>
#include <span>

#include "platform/user/Cursor.h"

class KeyedPicture {
public:
    static std::optional<CursorImage> Read(std::span<const uint8_t> bytes, POINT hotSpot);
};
