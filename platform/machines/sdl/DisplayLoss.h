#pragma once
// The X server going away (a logout, a crashed or killed server, a lost remote
// connection). Xlib then calls its fatal error handler and would end the process
// itself, or abort; instead the album's session ends (`endSession`, which must not
// touch the display) and the process ends with exit code 0.

class DisplayLoss {
public:
    // Watches the X connection when SDL's video runs on X11; does nothing otherwise.
    static void Watch(void (*endSession)());
};
