#pragma once
// Keys and fingers as SDL reports them, pushed into SDL's own queue.

#include <SDL2/SDL.h>

#include "platform/kernel/WinTypes.h"

inline void PushKey(Uint32 type, SDL_Keycode key, Uint8 repeat = 0) {
    SDL_Event event{};
    event.key.type = type;
    event.key.state = type == SDL_KEYDOWN ? SDL_PRESSED : SDL_RELEASED;
    event.key.repeat = repeat;
    event.key.keysym.sym = key;
    SDL_PushEvent(&event);
}

// A finger on the middle of screen pixel `point`, on a window of the screen's size.
inline void PushFinger(Uint32 type, POINT point) {
    SDL_Event event{};
    event.tfinger.type = type;
    event.tfinger.touchId = event.tfinger.fingerId = 1;
    event.tfinger.x = (static_cast<float>(point.x) + 0.5f) / 1024.0f;
    event.tfinger.y = (static_cast<float>(point.y) + 0.5f) / 768.0f;
    SDL_PushEvent(&event);
}
