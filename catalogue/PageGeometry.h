#pragma once
// The playing screen's geometry. The album fills the whole screen (kScreenWidth x
// kScreenHeight, from the window system); the page is shown 844 x 588 through the page
// window with its top-left corner at (90, 90), and the frame's bars and the buttons
// fill the border around it. Positions are in screen pixels.

#include <cstdint>

#include "platform/user/ScreenSize.h"

constexpr int32_t kPageLeft = 90;
constexpr int32_t kPageTop = 90;
constexpr int32_t kPageWidth = 844;
constexpr int32_t kPageHeight = 588;
// The first column right of the page and the first row below it.
constexpr int32_t kPageRight = kPageLeft + kPageWidth;
constexpr int32_t kPageBottom = kPageTop + kPageHeight;
// Where the label naming the current page sits, below the page between the page-turn
// buttons.
constexpr int32_t kPageIndicatorLeft = 414;
constexpr int32_t kPageIndicatorTop = 705;
