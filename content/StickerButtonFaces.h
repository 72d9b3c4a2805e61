#pragma once
// The five faces of a sticker's button, side by side, that a child tells apart at a
// glance: normal (the sticker on its sheet's colour), pointer over (a sunny yellow
// key with the sticker a little larger), pressed (the key sunk in), picked (only the
// sticker's faint shape is left: it is on its way to the page) and used (a grey key
// with the faded sticker and a green tick: it is stuck for good).

#include <cstdint>

#include "content/Canvas.h"

class StickerButtonFaces {
public:
    static constexpr int32_t kFace = 60;
    static constexpr int32_t kFaces = 5;

    static Canvas Strip(int32_t stickerIndex);
};
