#pragma once
// One message of the program's window on Windows, as its window procedure read it, in
// plain numbers: positions in pixels of the window's client area, keys as Windows
// virtual keys. The window procedure (HostWindow) makes these; Win32Input turns them
// into the program's input events.

#include <cstdint>

struct WindowEvent {
    enum class Kind : uint8_t {
        MouseMove,
        MouseDown,
        MouseUp,
        FingerDown,  // a touch pointer, `finger` its pointer id
        FingerMove,
        FingerUp,
        KeyDown,
        KeyUp,
        Activate,  // the program became the active one (`active`) or stopped being it
        Minimize,
        Restore,  // shown again after a minimise
        Close,    // the close box, Alt+F4 or the taskbar's Close
    };

    Kind kind;
    int32_t x = 0;
    int32_t y = 0;
    bool right = false;  // the right mouse button rather than the left
    uint32_t key = 0;
    bool repeat = false;  // a key held down, repeating
    bool active = false;
    int64_t finger = 0;
};
