#pragma once
// Painting: the areas of each window that need drawing, the WM_PAINT that asks for
// them, the device contexts windows draw through, and the screen composed from the
// top-level windows' surfaces.

#include <optional>

#include "platform/user/MessageQueue.h"
#include "platform/user/Screen.h"
#include "platform/user/UserTypes.h"
#include "platform/user/WindowTable.h"

class WindowPainter {
public:
    WindowPainter(WindowTable& table, MessageQueue& queue) : m_table(table), m_queue(queue) {}

    void Invalidate(HWND handle, const RECT* area, bool erase);
    // WM_PAINT for the first window with an area to draw, or nothing.
    std::optional<MSG> NextPaintMessage();
    HDC BeginPaint(HWND handle, PAINTSTRUCT* paint);
    void EndPaint(HWND handle, const PAINTSTRUCT* paint);
    HDC GetDC(HWND handle);
    int ReleaseDC(HWND handle, HDC dc);
    // Composes an area of the screen again from the top-level windows and presents it.
    void RefreshScreen(const RECT& screenArea);
    Screen& TheScreen() { return m_screen; }

private:
    // Nothing of the window is left to paint.
    void Validate(HWND handle);
    HDC ContextFor(HWND handle, const RECT& clientClip);
    void InvalidateTree(HWND handle, RECT area, bool erase);
    HWND FindWindowToPaint(HWND handle);

    WindowTable& m_table;
    MessageQueue& m_queue;
    Screen m_screen;
};
