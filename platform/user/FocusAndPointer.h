#pragma once
// Focus, capture and the pointer: which window takes the keys, which window holds the
// pointer's messages, and the pointer itself (its place, its clip, its image, its
// display counter and the window waiting to hear that the pointer left it).

#include <optional>

#include "platform/user/MessageQueue.h"
#include "platform/user/UserTypes.h"
#include "platform/user/WindowTable.h"

class FocusAndPointer {
public:
    FocusAndPointer(WindowTable& table, MessageQueue& queue) : m_table(table), m_queue(queue) {}

    HWND SetFocus(HWND handle);
    HWND Focus() const { return m_focus; }
    HWND SetCapture(HWND handle);
    bool ReleaseCapture();
    HWND Capture() const { return m_capture; }

    HCURSOR SetCursor(HCURSOR cursor);
    HCURSOR CurrentCursor() const { return m_cursor; }
    int ShowCursor(bool show);
    POINT PointerPosition() const { return m_pointer; }
    void ClipPointer(const RECT* area);
    bool TrackLeave(HWND handle, bool cancel);

    // The pointer moved to a screen point: it is held inside its clip, and the place
    // it ends at is answered.
    POINT MoveTo(POINT screenPoint);
    // Tells the tracked window it was left when the pointer is now over another.
    void CheckLeave(HWND underPointer);

    // A window is being destroyed: its capture ends as a release does, its focus and
    // leave tracking without a word.
    void WindowClosing(HWND handle);
    // A window is gone: nothing of it is kept, and nothing is sent.
    void ForgetWindow(HWND handle);
    void Clear();

private:
    WindowTable& m_table;
    MessageQueue& m_queue;
    HWND m_focus = nullptr;
    HWND m_capture = nullptr;
    HWND m_leaveTracked = nullptr;
    HCURSOR m_cursor = nullptr;
    int m_cursorCount = 0;
    POINT m_pointer{};
    std::optional<RECT> m_pointerClip;
};
