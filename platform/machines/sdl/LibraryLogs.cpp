#include "platform/machines/sdl/LibraryLogs.h"

#include <SDL2/SDL_log.h>
#include <alsa/asoundlib.h>
#include <wayland-client-core.h>

#include <cstdarg>

namespace {

void QuietWayland(const char*, va_list) {}

void QuietAlsa(const char*, int, const char*, int, const char*, ...) {}

void QuietSdl(void*, int, SDL_LogPriority, const char*) {}

}  // namespace

void LibraryLogs::Silence() {
    wl_log_set_handler_client(QuietWayland);
    snd_lib_error_set_handler(QuietAlsa);
    SDL_LogSetOutputFunction(QuietSdl, nullptr);
}
