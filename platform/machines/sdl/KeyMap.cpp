#include "platform/machines/sdl/KeyMap.h"

#include <array>
#include <utility>

#include "platform/user/UserTypes.h"

namespace {

constexpr UINT kVkF1 = 0x70;
constexpr UINT kVkHome = 0x24;
constexpr UINT kVkEnd = 0x23;
constexpr UINT kVkDelete = 0x2E;

constexpr std::array<std::pair<SDL_Keycode, UINT>, 17> kNamedKeys{{
    {SDLK_BACKSPACE, VK_BACK},
    {SDLK_TAB, VK_TAB},
    {SDLK_LSHIFT, VK_SHIFT},
    {SDLK_RSHIFT, VK_SHIFT},
    {SDLK_RETURN, VK_RETURN},
    {SDLK_KP_ENTER, VK_RETURN},
    {SDLK_ESCAPE, VK_ESCAPE},
    {SDLK_SPACE, VK_SPACE},
    {SDLK_PAGEUP, VK_PRIOR},
    {SDLK_PAGEDOWN, VK_NEXT},
    {SDLK_LEFT, VK_LEFT},
    {SDLK_UP, VK_UP},
    {SDLK_RIGHT, VK_RIGHT},
    {SDLK_DOWN, VK_DOWN},
    {SDLK_HOME, kVkHome},
    {SDLK_END, kVkEnd},
    {SDLK_DELETE, kVkDelete},
}};

}  // namespace

std::optional<UINT> KeyMap::VirtualKey(SDL_Keycode key) {
    // Letters and digits: the virtual key is the capital letter or the digit.
    if (key >= SDLK_a && key <= SDLK_z) return static_cast<UINT>('A' + (key - SDLK_a));
    if (key >= SDLK_0 && key <= SDLK_9) return static_cast<UINT>(key);
    if (key >= SDLK_F1 && key <= SDLK_F12) return kVkF1 + static_cast<UINT>(key - SDLK_F1);
    for (const auto& [sdlKey, virtualKey] : kNamedKeys) {
        if (sdlKey == key) return virtualKey;
    }
    return std::nullopt;
}
