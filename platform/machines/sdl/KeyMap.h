#pragma once
// SDL's key codes as the Windows virtual keys the program handles.

#include <SDL2/SDL_keycode.h>

#include <optional>

#include "platform/kernel/WinTypes.h"

class KeyMap {
public:
    // The virtual key of `key`, or nothing for a key the program never reads.
    static std::optional<UINT> VirtualKey(SDL_Keycode key);
};
