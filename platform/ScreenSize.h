#pragma once
// The size of the screen the window system makes for the program: the display mode it
// asks for, which its main window fills.

#include "platform/WinTypes.h"

constexpr LONG SCREEN_WIDTH = 1024;
constexpr LONG SCREEN_HEIGHT = 768;
