#pragma once
// One raw input event from the machine, in screen coordinates. The window system
// decides which window it reaches and as which message.

#include "platform/kernel/WinTypes.h"

struct InputEvent {
    enum class Kind {
        PointerMove,  // the pointer is now at `point`
        ButtonDown,   // `button` went down at `point`
        ButtonUp,     // `button` went up at `point`
        KeyDown,      // virtual key `key`
        KeyUp,        // virtual key `key`
        Activate,     // the program became the active one (`active`) or stopped being it
        Minimize,     // the program's window was minimised or hidden (another workspace)
        Restore,      // the program's window shows again after a minimise
        Close,        // the user asked to close the program's window
        EndSession,   // the session ends now (a termination signal, the display gone)
    };
    enum class Button { Left, Right };

    Kind kind;
    POINT point{};
    Button button = Button::Left;
    UINT key = 0;
    bool active = false;
};
