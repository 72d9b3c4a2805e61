#include "platform/user/FocusAndPointer.h"

#include <algorithm>

#include "platform/gdi/DeviceContext.h"
#include "platform/kernel/Kernel.h"
#include "platform/user/Cursor.h"
#include "platform/user/UserBackend.h"

HWND FocusAndPointer::SetFocus(HWND handle) {
    if (handle != nullptr && m_table.Find(handle) == nullptr) {
        SetLastError(ERROR_INVALID_WINDOW_HANDLE);
        return nullptr;
    }
    const HWND previous = m_focus;
    if (previous == handle) return previous;
    m_focus = handle;
    if (previous != nullptr)
        m_queue.Send(previous, WM_KILLFOCUS, reinterpret_cast<WPARAM>(handle), 0);
    // The old window may have moved the focus on while it lost it.
    if (handle != nullptr && m_focus == handle)
        m_queue.Send(handle, WM_SETFOCUS, reinterpret_cast<WPARAM>(previous), 0);
    return previous;
}

HWND FocusAndPointer::SetCapture(HWND handle) {
    const HWND previous = m_capture;
    if (m_table.Find(handle) == nullptr) return previous;
    m_capture = handle;
    if (previous != nullptr && previous != handle) {
        m_queue.Send(previous, WM_CAPTURECHANGED, 0, reinterpret_cast<LPARAM>(handle));
    }
    return previous;
}

bool FocusAndPointer::ReleaseCapture() {
    const HWND previous = m_capture;
    m_capture = nullptr;
    if (previous != nullptr) m_queue.Send(previous, WM_CAPTURECHANGED, 0, 0);
    return true;
}

HCURSOR FocusAndPointer::SetCursor(HCURSOR cursor) {
    const HCURSOR previous = m_cursor;
    if (cursor == previous) return previous;
    m_cursor = cursor;
    UserBackendSlot::Current().SetCursorImage(cursor != nullptr ? &cursor->image : nullptr);
    return previous;
}

// The pointer shows while the display counter is 0 or more, as on Windows.
int FocusAndPointer::ShowCursor(bool show) {
    const bool wasShown = m_cursorCount >= 0;
    m_cursorCount += show ? 1 : -1;
    const bool shown = m_cursorCount >= 0;
    if (shown != wasShown) UserBackendSlot::Current().SetCursorVisible(shown);
    return m_cursorCount;
}

void FocusAndPointer::ClipPointer(const RECT* area) {
    if (area != nullptr && !IsRectEmpty(*area)) {
        m_pointerClip = *area;
    } else {
        m_pointerClip.reset();
    }
    UserBackendSlot::Current().ConfinePointer(m_pointerClip ? &*m_pointerClip : nullptr);
}

bool FocusAndPointer::TrackLeave(HWND handle, bool cancel) {
    if (m_table.Find(handle) == nullptr) {
        SetLastError(ERROR_INVALID_WINDOW_HANDLE);
        return false;
    }
    if (cancel) {
        if (m_leaveTracked == handle) m_leaveTracked = nullptr;
        return true;
    }
    // A window the pointer is not over hears at once that it has been left.
    if (m_table.WindowFromPoint(m_pointer) != handle) {
        m_queue.Post(handle, WM_MOUSELEAVE, 0, 0);
        return true;
    }
    m_leaveTracked = handle;
    return true;
}

POINT FocusAndPointer::MoveTo(POINT screenPoint) {
    if (m_pointerClip) {
        screenPoint.x = std::clamp(screenPoint.x, m_pointerClip->left, m_pointerClip->right - 1);
        screenPoint.y = std::clamp(screenPoint.y, m_pointerClip->top, m_pointerClip->bottom - 1);
    }
    m_pointer = screenPoint;
    return screenPoint;
}

void FocusAndPointer::CheckLeave(HWND underPointer) {
    if (m_leaveTracked == nullptr || m_leaveTracked == underPointer) return;
    m_queue.Post(m_leaveTracked, WM_MOUSELEAVE, 0, 0);
    m_leaveTracked = nullptr;
}

void FocusAndPointer::WindowClosing(HWND handle) {
    if (m_capture == handle) ReleaseCapture();
    if (m_focus == handle) m_focus = nullptr;
    if (m_leaveTracked == handle) m_leaveTracked = nullptr;
}

void FocusAndPointer::ForgetWindow(HWND handle) {
    if (m_focus == handle) m_focus = nullptr;
    if (m_capture == handle) m_capture = nullptr;
    if (m_leaveTracked == handle) m_leaveTracked = nullptr;
}

void FocusAndPointer::Clear() {
    m_focus = m_capture = m_leaveTracked = nullptr;
    m_cursor = nullptr;
    m_cursorCount = 0;
    m_pointer = POINT{};
    m_pointerClip.reset();
}
