#include "album/StickerButtonSubclass.h"

#include "album/GamePhase.h"
#include "album/PhaseOnShow.h"

namespace {

constexpr DWORD kTrackMouseEventSize = 16;

}  // namespace

bool StickerButtonSubclass::Inside(LPARAM lParam) {
    return MouseX(lParam) < kFaceSide && MouseY(lParam) < kFaceSide;
}

void StickerButtonSubclass::OnMouseMove(WPARAM wParam, LPARAM lParam) {
    if (!Inside(lParam)) {
        SendMessageA(GetWindow(), WM_MOUSELEAVE, 0, 0);
        return;
    }
    // The state is set when tracking starts; moves within the button change nothing.
    if (m_tracking != 0) return;
    m_mouseState = (wParam & MK_LBUTTON) != 0 ? kMousePressed : kMouseOver;
    TRACKMOUSEEVENT track{kTrackMouseEventSize, TME_LEAVE, GetWindow(), 1};
    m_tracking = TrackMouseEvent(&track);
    Invalidate();
}

void StickerButtonSubclass::OnDrawItem(WPARAM wParam, LPARAM lParam) const {
    const auto* item = reinterpret_cast<const DRAWITEMSTRUCT*>(lParam);
    GamePhase* phase = m_phase != nullptr ? m_phase->Current() : nullptr;
    if (item == nullptr || phase == nullptr) return;
    phase->DrawSticker(item, static_cast<int32_t>(wParam), m_mouseState);
}

LRESULT StickerButtonSubclass::OnMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_MOUSEMOVE:
            OnMouseMove(wParam, lParam);
            break;
        case WM_MOUSELEAVE:
            m_tracking = 0;
            m_mouseState = kMouseAway;
            Invalidate();
            break;
        case WM_LBUTTONDOWN:
            m_mouseState = kMousePressed;
            break;
        case WM_LBUTTONUP:
            m_mouseState = Inside(lParam) ? kMouseReleased : kMouseAway;
            break;
        case WM_ERASEBKGND:
            return 1;
        case WM_DRAWITEM:
            OnDrawItem(wParam, lParam);
            break;
        default:
            break;
    }
    return CallPreviousProc(message, wParam, lParam);
}
