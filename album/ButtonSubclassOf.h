#pragma once
// One family of hooked buttons: `Kind` adds its own handling of the button messages
// (Kind::OnMessage, which ends by passing the message on); every family shows the arrow
// pointer. The family's window procedure finds its hook through the family's own map.

#include "album/ButtonSubclass.h"
#include "platform/user/User.h"

template <typename Kind>
class ButtonSubclassOf : public ButtonSubclass {
public:
    ~ButtonSubclassOf() override {
        if (GetWindow() != nullptr) ButtonSubclassOf::SubclassWindow(nullptr);
    }

    int32_t SubclassWindow(HWND window) override { return Hook(window, &WindowProc, ms_WindowMap); }

    static LRESULT WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
        const auto found = ms_WindowMap.find(window);
        // Only hooked windows reach this procedure; anything else gets the default.
        if (found == ms_WindowMap.end()) return DefWindowProcA(window, message, wParam, lParam);
        if (message == WM_SETCURSOR) {
            SetCursor(GetArrowCursor());
            return 0;
        }
        return static_cast<Kind*>(found->second)->OnMessage(message, wParam, lParam);
    }

    // The hook of `window` in this family, or null.
    static Kind* Find(HWND window) {
        const auto found = ms_WindowMap.find(window);
        return found != ms_WindowMap.end() ? static_cast<Kind*>(found->second) : nullptr;
    }

protected:
    // The button's own coordinates of a mouse message, as unsigned words: a point left
    // of or above the button counts as a very large coordinate.
    static WORD MouseX(LPARAM lParam) { return LOWORD(static_cast<uintptr_t>(lParam)); }
    static WORD MouseY(LPARAM lParam) { return HIWORD(static_cast<uintptr_t>(lParam)); }

private:
    static inline WindowMap ms_WindowMap;
};
