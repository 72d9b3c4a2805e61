#include "platform/machines/sdl/DisplayLoss.h"

#include <SDL2/SDL_video.h>
#include <X11/Xlib.h>
#include <unistd.h>

#include <cstring>

namespace {

void (*g_endSession)() = nullptr;

// Xlib's fatal I/O error: the connection is gone and no Xlib call may follow. Xlib ends
// the process when this returns, so it never does.
int OnConnectionLost(Display*) {
    if (g_endSession != nullptr) g_endSession();
    _exit(0);
}

}  // namespace

void DisplayLoss::Watch(void (*endSession)()) {
    const char* driver = SDL_GetCurrentVideoDriver();
    if (driver == nullptr || std::strcmp(driver, "x11") != 0) return;
    g_endSession = endSession;
    XSetIOErrorHandler(OnConnectionLost);
}
