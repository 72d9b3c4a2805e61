#pragma once
// The page window of the playing screen: a child of the main window in the page's
// place (catalogue/PageGeometry.h), through which the view paints the page and hears the mouse over
// it. The object owns the window; destroying the object destroys the window.

#include <cstdint>

#include "platform/user/UserTypes.h"

class CAnimView;

// The page window's own message: a stuck sticker's button is to be let go.
constexpr UINT UM_STICKER_STUCK = 2026;

class ChildWindow {
public:
    static constexpr const char* kClassName = "ChildWindowTemplateClass";

    // Registers the class when needed and creates the window over `parent`; the view
    // receives the page's paint and mouse messages.
    ChildWindow(HINSTANCE instance, HWND parent, CAnimView* view);
    virtual ~ChildWindow();
    ChildWindow(const ChildWindow&) = delete;
    ChildWindow& operator=(const ChildWindow&) = delete;

    HWND GetHWnd() const { return m_window; }

private:
    static LRESULT WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    static void RegisterOnce(HINSTANCE instance);

    HWND m_window = nullptr;
    static CAnimView* ms_View;
};
