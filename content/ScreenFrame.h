#pragma once
// The playing screen around the page: a bright desk with a white mat and a dark rim
// around the page's hole. The frame bars are cut from it, and every button, the page
// label and the stickers-left counter are drawn on the part of it they cover, so
// that their rounded corners blend into the frame without a seam.

#include <cstdint>

#include "content/Canvas.h"

class ScreenFrame {
public:
    static constexpr int32_t kScreenWidth = 1024;
    static constexpr int32_t kScreenHeight = 768;
    // The page's hole in the frame.
    static constexpr int32_t kPageX = 90;
    static constexpr int32_t kPageY = 90;
    static constexpr int32_t kPageWidth = 844;
    static constexpr int32_t kPageHeight = 588;
    // The rim around the hole, and the page corners that round it off, are this ink.
    static constexpr int32_t kRim = 4;

    // The whole screen, drawn once; the hole is left see-through.
    static const Canvas& Playing();
    // What lies behind a piece of the screen at (x, y).
    static Canvas Behind(int32_t x, int32_t y, int32_t width, int32_t height);
};
