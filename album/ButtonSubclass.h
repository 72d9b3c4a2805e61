#pragma once
// A hook in front of one button window's standard procedure. Each family of buttons has
// its own kind (ButtonSubclassOf) with its own window procedure and its own map from
// window to hook; this base keeps the hooked window and the procedure it replaced, and
// the arrow pointer every button shows.

#include <cstdint>
#include <map>

#include "platform/user/UserTypes.h"

class ButtonSubclass {
public:
    // Sticker buttons' mouse states.
    static constexpr int32_t kMouseAway = 0;
    static constexpr int32_t kMouseOver = 1;
    static constexpr int32_t kMousePressed = 2;
    static constexpr int32_t kMouseReleased = 3;

    ButtonSubclass() = default;
    ButtonSubclass(const ButtonSubclass&) = delete;
    ButtonSubclass& operator=(const ButtonSubclass&) = delete;

    // Hands a message to the window's procedure from before the hook. A hooked window
    // without one is a broken program: the fatal check ends it.
    virtual LRESULT CallPreviousProc(UINT message, WPARAM wParam, LPARAM lParam);
    virtual ~ButtonSubclass() = default;
    // Hooks `window`, or with null unhooks the window hooked now. Answers 1.
    virtual int32_t SubclassWindow(HWND window) = 0;

    HWND GetWindow() const { return m_window; }
    int32_t GetMouseState() const { return m_mouseState; }
    int32_t GetTracking() const { return m_tracking; }

    // The pointer the buttons show; the application hands over its arrow cursor.
    static void SetArrowCursor(HCURSOR arrow) { ms_ArrowCursor = arrow; }
    static HCURSOR GetArrowCursor() { return ms_ArrowCursor; }

protected:
    using WindowMap = std::map<HWND, ButtonSubclass*>;

    // The hooking shared by every kind: `procedure` and `map` are the kind's own. Hooking
    // another window first lets go of the one hooked now.
    int32_t Hook(HWND window, WNDPROC procedure, WindowMap& map);
    // Repaints the whole button without erasing it.
    void Invalidate() const;

    int32_t m_mouseState = kMouseAway;
    int32_t m_tracking = 0;

private:
    HWND m_window = nullptr;
    WNDPROC m_previousProc = nullptr;

    static HCURSOR ms_ArrowCursor;
};
