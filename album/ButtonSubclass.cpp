#include "album/ButtonSubclass.h"

#include "diag/Assert.h"
#include "platform/user/User.h"

HCURSOR ButtonSubclass::ms_ArrowCursor = nullptr;

LRESULT ButtonSubclass::CallPreviousProc(UINT message, WPARAM wParam, LPARAM lParam) {
    if (m_previousProc == nullptr) AssertNonZero(nullptr);
    return CallWindowProcA(m_previousProc, m_window, message, wParam, lParam);
}

int32_t ButtonSubclass::Hook(HWND window, WNDPROC procedure, WindowMap& map) {
    if (window == m_window) {
        if (window != nullptr) map[window] = this;
        return 1;
    }
    if (m_window != nullptr) {
        SetWindowLongPtrA(m_window, GWL_WNDPROC, reinterpret_cast<LONG_PTR>(m_previousProc));
        map.erase(m_window);
        m_window = nullptr;
        m_previousProc = nullptr;
    }
    // The pointer's state belongs to the window: a newly hooked one has the pointer away.
    m_mouseState = kMouseAway;
    m_tracking = 0;
    if (window != nullptr) {
        m_previousProc = reinterpret_cast<WNDPROC>(
            SetWindowLongPtrA(window, GWL_WNDPROC, reinterpret_cast<LONG_PTR>(procedure)));
        m_window = window;
        map[window] = this;
    }
    return 1;
}

void ButtonSubclass::Invalidate() const {
    InvalidateRect(m_window, nullptr, FALSE);
}
