#pragma once
// The window tree: the window classes, every window by handle, and the order of the
// top-level windows on the screen. Creating, destroying, moving, showing and enabling
// a window are done here, with the messages Windows sends for each.

#include <map>
#include <memory>
#include <string>
#include <vector>

#include "platform/user/UserTypes.h"
#include "platform/user/Window.h"

class WindowManager;

struct WindowClass {
    std::string name;
    UINT style;
    WNDPROC procedure;
    HINSTANCE instance;
    HCURSOR cursor;
};

struct WindowCreation {
    std::string className;
    std::string title;
    DWORD style;
    RECT rect;
    HWND parent;
    LONG_PTR id;
    HINSTANCE instance;
    void* parameter;
};

class WindowTree {
public:
    explicit WindowTree(WindowManager& manager);

    bool RegisterClass(const WindowClass& windowClass);
    bool UnregisterClass(const std::string& name);

    HWND Create(const WindowCreation& creation);
    bool Destroy(HWND handle);
    Window* Find(HWND handle);
    std::vector<HWND> Children(HWND parent) const;
    // Top-level windows, the lowest first.
    std::vector<HWND> TopLevelWindows() const { return m_zOrder; }
    // The top-level window above all others, or null.
    HWND Topmost() const { return m_zOrder.empty() ? nullptr : m_zOrder.back(); }
    HWND TopLevelOf(HWND handle);
    POINT ClientOrigin(HWND handle);
    RECT ScreenRectOf(HWND handle);
    bool Move(HWND handle, RECT rect, bool repaint);
    bool Show(HWND handle, int command);
    bool Enable(HWND handle, bool enable);
    bool BringToFront(HWND handle);
    // The deepest enabled, visible window under a screen point, or null.
    HWND WindowFromPoint(POINT screenPoint);
    // A window takes input when it and every parent above it are enabled.
    bool ReceivesInput(HWND handle);

    // Destroys every window and forgets every class.
    void Clear();

private:
    HWND NewHandle();
    const WindowClass* FindClass(const std::string& name) const;
    void DestroyTree(HWND handle);
    void ForgetWindow(HWND handle);
    void ShowOwned(HWND owner, bool iconic);

    WindowManager& m_manager;
    std::map<std::string, WindowClass> m_classes;
    std::map<uintptr_t, std::unique_ptr<Window>> m_windows;  // by handle, in creation order
    std::vector<HWND> m_zOrder;                              // top-level windows, bottom first
    uintptr_t m_nextHandle;
};
