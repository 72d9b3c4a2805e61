#pragma once
// The window tree's changes: creating, destroying, moving, showing, enabling and
// raising windows, with the messages Windows sends for each, the areas each leaves to
// paint and the screen it composes again. The windows themselves are kept in the table.

#include <functional>
#include <string>

#include "platform/user/FocusAndPointer.h"
#include "platform/user/MessageQueue.h"
#include "platform/user/UserTypes.h"
#include "platform/user/WindowPainter.h"
#include "platform/user/WindowTable.h"

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
    // `windowGone` is told of each window as it goes, so that whatever kept something
    // of it (queued messages, the focus) drops it.
    WindowTree(WindowTable& table, MessageQueue& queue, WindowPainter& painter,
               FocusAndPointer& focusAndPointer, std::function<void(HWND)> windowGone);

    HWND Create(const WindowCreation& creation);
    bool Destroy(HWND handle);
    bool Move(HWND handle, RECT rect, bool repaint);
    bool Show(HWND handle, int command);
    bool Enable(HWND handle, bool enable);
    bool BringToFront(HWND handle);

    // Destroys every window and forgets every class.
    void Clear();

private:
    void DestroyTree(HWND handle);
    void ShowOwned(HWND owner, bool iconic);
    // Marks `screenArea` of the client area of `handle` to paint.
    void InvalidateScreenArea(HWND handle, RECT screenArea);

    WindowTable& m_table;
    MessageQueue& m_queue;
    WindowPainter& m_painter;
    FocusAndPointer& m_focusAndPointer;
    std::function<void(HWND)> m_windowGone;
};
