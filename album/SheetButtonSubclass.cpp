#include "album/SheetButtonSubclass.h"

#include "album/StickerSelection.h"

void SheetButtonSubclass::TellPressedIn(bool pressedIn) {
    if (m_selection != nullptr) m_selection->SetSheetPressed(pressedIn ? 1 : 0);
    Invalidate();
}

LRESULT SheetButtonSubclass::OnMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_LBUTTONDOWN) {
        TellPressedIn(true);
    } else if (message == WM_MOUSEMOVE && (wParam & MK_LBUTTON) != 0) {
        TellPressedIn(MouseX(lParam) <= kPressedInWidth && MouseY(lParam) <= kPressedInHeight);
    }
    return CallPreviousProc(message, wParam, lParam);
}
