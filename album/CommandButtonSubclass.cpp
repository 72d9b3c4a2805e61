#include "album/CommandButtonSubclass.h"

LRESULT CommandButtonSubclass::OnMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    const bool pressing =
        message == WM_LBUTTONDOWN || (message == WM_MOUSEMOVE && (wParam & MK_LBUTTON) != 0);
    if (pressing) Invalidate();
    return CallPreviousProc(message, wParam, lParam);
}
