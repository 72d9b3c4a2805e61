#include "album/CommandButtonSubclass.h"

#include "platform/kernel/Kernel.h"

bool CommandButtonSubclass::ms_EndingLongPress = false;

LRESULT CommandButtonSubclass::OnMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    const bool pressing =
        message == WM_LBUTTONDOWN || (message == WM_MOUSEMOVE && (wParam & MK_LBUTTON) != 0);
    if (pressing) Invalidate();
    if (message == WM_LBUTTONDOWN) {
        m_pressedAt = timeGetTime();
        m_pressed = true;
    }
    if (message != WM_LBUTTONUP) return CallPreviousProc(message, wParam, lParam);
    // The button sends its command while it handles the release.
    ms_EndingLongPress = m_pressed && timeGetTime() - m_pressedAt >= kLongPressMilliseconds;
    m_pressed = false;
    const LRESULT result = CallPreviousProc(message, wParam, lParam);
    ms_EndingLongPress = false;
    return result;
}
