#pragma once
// One window as the window system keeps it. Windows are found by handle through the
// WindowManager; a handle is a number that is never given out twice, so a handle kept
// past its window's end finds nothing instead of another window.

#include <memory>
#include <string>

#include "platform/gdi/Surface.h"
#include "platform/user/UserTypes.h"

struct Window {
    HWND handle = nullptr;
    std::string className;
    WNDPROC procedure = nullptr;
    DWORD style = 0;
    HWND parent = nullptr;  // children only
    HWND owner = nullptr;   // top-level windows only: the window they belong to
    LONG_PTR id = 0;
    HINSTANCE instance = nullptr;
    HCURSOR classCursor = nullptr;
    LONG_PTR userData = 0;
    RECT rect{};  // in the parent's client coordinates; screen coordinates at the top
    RECT update{};
    bool eraseNeeded = false;
    bool iconic = false;
    bool destroying = false;
    // Top-level windows draw into their own surface; children into their top's.
    std::unique_ptr<Surface> surface;

    bool IsChild() const { return (style & WS_CHILD) != 0; }
    bool IsVisible() const { return (style & WS_VISIBLE) != 0; }
    bool IsEnabled() const { return (style & WS_DISABLED) == 0; }
    LONG Width() const { return rect.right - rect.left; }
    LONG Height() const { return rect.bottom - rect.top; }
    RECT ClientRect() const { return {0, 0, Width(), Height()}; }
};
