#pragma once
// The composed 1024 x 768 screen that GetDC(nullptr) draws on, for tests that draw on
// the screen directly and read the result back.

#include "platform/user/WindowManager.h"

inline Surface& ScreenPixels() {
    return WindowManager::Instance().TheScreen().Pixels();
}
