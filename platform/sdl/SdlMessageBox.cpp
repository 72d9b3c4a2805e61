#include "platform/sdl/SdlMessageBox.h"

#include "platform/User.h"

std::vector<SDL_MessageBoxButtonData> SdlMessageBox::Buttons(UINT type) {
    constexpr Uint32 kEnter = SDL_MESSAGEBOX_BUTTON_RETURNKEY_DEFAULT;
    constexpr Uint32 kEscape = SDL_MESSAGEBOX_BUTTON_ESCAPEKEY_DEFAULT;
    switch (type & MB_TYPEMASK) {
        case MB_OKCANCEL:
            return {{kEnter, IDOK, "OK"}, {kEscape, IDCANCEL, "Cancel"}};
        case MB_YESNO:
            return {{kEnter, IDYES, "Yes"}, {kEscape, IDNO, "No"}};
        default:
            return {{kEnter | kEscape, IDOK, "OK"}};
    }
}

Uint32 SdlMessageBox::IconFlags(UINT type) {
    // MB_ICONEXCLAMATION holds the MB_ICONHAND bit, so it is checked first.
    if ((type & MB_ICONEXCLAMATION) == MB_ICONEXCLAMATION) return SDL_MESSAGEBOX_WARNING;
    if ((type & MB_ICONHAND) == MB_ICONHAND) return SDL_MESSAGEBOX_ERROR;
    return SDL_MESSAGEBOX_INFORMATION;
}

int SdlMessageBox::Show(SDL_Window* window, const std::string& text, const std::string& caption,
                        UINT type) {
    const std::vector<SDL_MessageBoxButtonData> buttons = Buttons(type);
    const SDL_MessageBoxData box{
        IconFlags(type), window, caption.c_str(), text.c_str(), static_cast<int>(buttons.size()),
        buttons.data(),  nullptr};
    int chosen = 0;
    if (SDL_ShowMessageBox(&box, &chosen) != 0) return DefaultMessageBoxAnswer(type);
    // A box closed from its title bar answers like Escape.
    return chosen > 0 ? chosen : buttons.back().buttonid;
}
