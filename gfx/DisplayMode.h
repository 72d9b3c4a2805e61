#pragma once
// The full-screen switch of the main window: while the program runs the display shows
// 1024 x 768 at 32 bits, the size of the main window; at the end the desktop's own mode
// comes back. Every failing step only writes its log line and the program goes on in
// the current mode.

#include <cstdint>

#include "platform/user/Display.h"
#include "platform/user/UserTypes.h"

class DisplayMode {
public:
    DisplayMode() = default;
    // Gives the display back when RestoreScreen has not.
    virtual ~DisplayMode();
    DisplayMode(const DisplayMode&) = delete;
    DisplayMode& operator=(const DisplayMode&) = delete;

    // Takes the display for `window` alone and sets the mode. A display object made
    // before a failing step is kept, and given back by RestoreScreen like any other.
    bool SetFullScreen(HWND window, int32_t width, int32_t height);
    void RestoreScreen();

    bool HoldsDisplay() const { return m_directDraw != nullptr; }

private:
    DisplayObject* m_directDraw = nullptr;
};
