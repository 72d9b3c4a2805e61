#pragma once
// The playing screen's geometry. The album fills the whole screen (SCREEN_WIDTH x
// SCREEN_HEIGHT, from the window system); the page is shown 844 x 588 through the page
// window with its top-left corner at (90, 90), and the frame's bars and the buttons
// fill the border around it. Positions are in screen pixels.

#include <cstdint>

#include "platform/ScreenSize.h"

constexpr int32_t PAGE_LEFT = 90;
constexpr int32_t PAGE_TOP = 90;
constexpr int32_t PAGE_WIDTH = 844;
constexpr int32_t PAGE_HEIGHT = 588;
// The first column right of the page and the first row below it.
constexpr int32_t PAGE_RIGHT = PAGE_LEFT + PAGE_WIDTH;
constexpr int32_t PAGE_BOTTOM = PAGE_TOP + PAGE_HEIGHT;
