#pragma once
// Message boxes through SDL's own: the MB_ flags of MessageBoxA become SDL's buttons
// and icon; Enter chooses the first button and Escape the last, as on Windows.

#include <SDL2/SDL_messagebox.h>

#include <string>
#include <vector>

#include "platform/WinTypes.h"

class SdlMessageBox {
public:
    // Shows the box over `window` (may be null) and answers the chosen button's id;
    // when SDL cannot show it, the id Enter would have chosen.
    static int Show(SDL_Window* window, const std::string& text, const std::string& caption,
                    UINT type);
    // The buttons for `type`, the button Enter chooses first.
    static std::vector<SDL_MessageBoxButtonData> Buttons(UINT type);
    static Uint32 IconFlags(UINT type);
};
