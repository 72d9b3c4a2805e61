#pragma once
// The display switch of a machine that shows the program's screen scaled in a window of
// its own over the desktop (the SDL window, the browser's canvas): the desktop keeps its
// own mode, so opening, taking and closing the display always work, any 32-bit mode can
// be "set", and giving the desktop's mode back has nothing to undo.

#include "platform/user/UserBackend.h"

class ScaledDisplay : public virtual UserBackend {
public:
    bool OpenDisplay() override { return true; }
    bool TakeDisplayExclusively() override { return true; }
    bool SetDisplayMode(LONG width, LONG height, LONG bitsPerPixel) override {
        return width > 0 && height > 0 && bitsPerPixel == 32;
    }
    bool RestoreDisplayMode() override { return true; }
    bool CloseDisplay() override { return true; }
};
