#pragma once
// The windows as data: the window classes, every window by handle, and the order of
// the top-level windows on the screen, with the questions asked of them (where a window
// lies, which window is under a point, which one takes input). Nothing here sends a
// message; the window tree, above, does what Windows does when windows come and go.

#include <map>
#include <memory>
#include <string>
#include <vector>

#include "platform/user/UserTypes.h"
#include "platform/user/Window.h"

struct WindowClass {
    std::string name;
    UINT style;
    WNDPROC procedure;
    HINSTANCE instance;
    HCURSOR cursor;
};

class WindowTable {
public:
    WindowTable();

    bool RegisterClass(const WindowClass& windowClass);
    // A class of the window system itself: registered now and again after every Clear.
    void AddStandardClass(const WindowClass& windowClass);
    bool UnregisterClass(const std::string& name);
    const WindowClass* FindClass(const std::string& name) const;

    // Keeps a new window under a handle never given out before, and answers the handle.
    // A top-level window goes above all others.
    HWND Add(std::unique_ptr<Window> window);
    void Remove(HWND handle);

    Window* Find(HWND handle);
    std::vector<HWND> Children(HWND parent) const;
    // Top-level windows, the lowest first.
    std::vector<HWND> TopLevelWindows() const { return m_zOrder; }
    // The top-level window above all others, or null.
    HWND Topmost() const { return m_zOrder.empty() ? nullptr : m_zOrder.back(); }
    HWND TopLevelOf(HWND handle);
    POINT ClientOrigin(HWND handle);
    RECT ScreenRectOf(HWND handle);
    // The deepest visible window under a screen point, or null.
    HWND WindowFromPoint(POINT screenPoint);
    // A window takes input when it and every parent above it are enabled.
    bool ReceivesInput(HWND handle);
    // The top-level window `top` and the windows it owns move above all others,
    // keeping their order.
    void Raise(HWND top);

    // Forgets every window and the program's classes, telling nobody.
    void Clear();

private:
    HWND NewHandle();

    std::map<std::string, WindowClass> m_classes;
    std::vector<WindowClass> m_standardClasses;
    std::map<uintptr_t, std::unique_ptr<Window>> m_windows;  // by handle, in creation order
    std::vector<HWND> m_zOrder;                              // top-level windows, bottom first
    uintptr_t m_nextHandle;
};
