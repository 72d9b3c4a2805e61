#pragma once
// Keys and fingers as SDL reports them, pushed into SDL's own queue.

#include <SDL2/SDL.h>

inline void PushKey(Uint32 type, SDL_Keycode key, Uint8 repeat = 0) {
    SDL_Event event{};
    event.key.type = type;
    event.key.state = type == SDL_KEYDOWN ? SDL_PRESSED : SDL_RELEASED;
    event.key.repeat = repeat;
    event.key.keysym.sym = key;
    SDL_PushEvent(&event);
}

// A finger at `x`, `y` of the window's width and height.
inline void PushFinger(Uint32 type, float x, float y) {
    SDL_Event event{};
    event.tfinger.type = type;
    event.tfinger.touchId = event.tfinger.fingerId = 1;
    event.tfinger.x = x;
    event.tfinger.y = y;
    SDL_PushEvent(&event);
}
