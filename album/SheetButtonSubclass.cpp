#include "album/SheetButtonSubclass.h"

#include "album/PlayingPhase.h"

LRESULT SheetButtonSubclass::OnMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_LBUTTONDOWN) {
        GetPlayingPhase().SetSheetPressed(1);
        Invalidate();
    } else if (message == WM_MOUSEMOVE && (wParam & MK_LBUTTON) != 0) {
        const bool outside = MouseX(lParam) > kPressedInWidth || MouseY(lParam) > kPressedInHeight;
        GetPlayingPhase().SetSheetPressed(outside ? 0 : 1);
        Invalidate();
    }
    return CallPreviousProc(message, wParam, lParam);
}
