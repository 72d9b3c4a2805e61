#pragma once
// The playing screen around the page: a bright desk with a white mat and a dark rim
// around the page's hole. The frame bars are cut from it, and every button, the page
// label and the stickers-left counter are drawn on the part of it they cover, so
// that their rounded corners blend into the frame without a seam.

#include <cstdint>

#include "catalogue/PageGeometry.h"
#include "content/Canvas.h"

class ScreenFrame {
public:
    // The rim around the page's hole, and the page corners that round it off, are this ink.
    static constexpr int32_t kRim = 4;

    // The whole screen, drawn once; the hole is left see-through.
    static const Canvas& Playing();
    // What lies behind a piece of the screen at (x, y).
    static Canvas Behind(int32_t x, int32_t y, int32_t width, int32_t height);
};
