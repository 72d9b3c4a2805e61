#pragma once
// The size of the screen the window system makes for the program: the display mode it
// asks for, which its main window fills.

#include "platform/kernel/WinTypes.h"

constexpr LONG kScreenWidth = 1024;
constexpr LONG kScreenHeight = 768;
