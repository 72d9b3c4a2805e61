#include "platform/user/Button.h"

#include <map>

#include "platform/gdi/DeviceContext.h"
#include "platform/user/User.h"
#include "platform/user/WindowManager.h"

// The contract of an owner-drawn button (BS_OWNERDRAW), which the program relies on.
// "Draw A/S" is WM_DRAWITEM sent to the parent with item action A and item state S.
//
// clang-format off
// | Event                                   | The button does                                      |
// |-----------------------------------------|------------------------------------------------------|
// | WM_LBUTTONDOWN                          | SetCapture, SetFocus (focus draw below), pressed;     |
// |                                         | BM_SETSTATE TRUE: draw ODA_SELECT/ODS_SELECTED       |
// | WM_MOUSEMOVE, left held, captured       | BM_SETSTATE (pointer inside): draw ODA_SELECT with    |
// |                                         | ODS_SELECTED inside, without it outside; every move  |
// | WM_LBUTTONUP inside, after a press      | BM_SETSTATE FALSE: draw ODA_SELECT/0; ReleaseCapture; |
// |                                         | WM_COMMAND (id, BN_CLICKED) to the parent            |
// | WM_LBUTTONUP outside, after a press     | ReleaseCapture only (already drawn up); no command   |
// | WM_LBUTTONUP without a press            | nothing                                              |
// | WM_CAPTURECHANGED during a press        | press ends; BM_SETSTATE FALSE when drawn down        |
// | BM_SETSTATE TRUE / FALSE                | always draw ODA_SELECT with / without ODS_SELECTED   |
// | BM_CLICK                                | WM_LBUTTONDOWN, then WM_LBUTTONUP at (0, 0) sent to  |
// |                                         | itself: the click above, through any subclass        |
// | WM_KEYDOWN Space, not a held key's      | BM_SETSTATE TRUE: drawn down, as by a press           |
// | repeat                                  |                                                      |
// | WM_KEYUP Space after that key-down      | BM_SETSTATE FALSE, then BM_CLICK: a click             |
// | WM_SETFOCUS                             | draw ODA_FOCUS with ODS_FOCUS                        |
// | WM_KILLFOCUS                            | draw ODA_FOCUS without ODS_FOCUS; a press ends       |
// |                                         | (ReleaseCapture, so no click follows; a Space held   |
// |                                         | on it clicks no more); invalidate,                   |
// |                                         | so a WM_PAINT draw follows                           |
// | WM_PAINT                                | draw ODA_DRAWENTIRE with the current state           |
// | WM_ERASEBKGND                           | nothing erased; answers 1                            |
// clang-format on
//
// Every draw request carries ODT_BUTTON, the id, the button's window, a context on
// its client area and the client rectangle; the item state also holds ODS_FOCUS
// while the button has the focus.

namespace {

// The states beside BST_PUSHED and BST_FOCUS: a press that began on this button, and a
// Space that went down on it.
constexpr UINT kPressed = 0x0100;
constexpr UINT kSpaceDown = 0x0200;
// Bit 30 of a key message's lParam: the key was down before, a held key's repeat.
constexpr LPARAM kRepeat = 0x40000000;

std::map<HWND, UINT>& States() {
    static std::map<HWND, UINT> states;
    return states;
}

UINT& StateOf(HWND window) {
    return States()[window];
}

bool Inside(HWND window, LPARAM lParam) {
    RECT client{};
    GetClientRect(window, &client);
    return PtInRect(&client, LParamToPoint(lParam));
}

void AskParentToDraw(HWND window, UINT action) {
    const HWND parent = GetParent(window);
    if (parent == nullptr) return;
    const UINT state = StateOf(window);
    UINT itemState = 0;
    if ((state & BST_PUSHED) != 0) itemState |= ODS_SELECTED;
    if ((state & BST_FOCUS) != 0) itemState |= ODS_FOCUS;
    if (!IsWindowEnabled(window)) itemState |= ODS_DISABLED;
    const UINT id = static_cast<UINT>(GetDlgCtrlID(window));
    DRAWITEMSTRUCT item{ODT_BUTTON, id, 0, action, itemState, window, GetDC(window), RECT{}, 0};
    GetClientRect(window, &item.rcItem);
    SendMessageA(parent, WM_DRAWITEM, id, reinterpret_cast<LPARAM>(&item));
    ReleaseDC(window, item.hDC);
}

void OnButtonDown(HWND window) {
    SetCapture(window);
    SetFocus(window);
    if (!IsWindow(window)) return;
    StateOf(window) |= kPressed;
    SendMessageA(window, BM_SETSTATE, TRUE, 0);
}

void OnButtonUp(HWND window, LPARAM lParam) {
    UINT& state = StateOf(window);
    if ((state & kPressed) == 0) return;
    state &= ~kPressed;
    if ((state & BST_PUSHED) == 0) {
        ReleaseCapture();
        return;
    }
    SendMessageA(window, BM_SETSTATE, FALSE, 0);
    const bool clicked = Inside(window, lParam);
    ReleaseCapture();
    if (clicked && IsWindow(window)) {
        const WORD id = static_cast<WORD>(GetDlgCtrlID(window));
        SendMessageA(GetParent(window), WM_COMMAND, MAKEWPARAM(id, BN_CLICKED),
                     reinterpret_cast<LPARAM>(window));
    }
}

void OnCaptureLost(HWND window) {
    UINT& state = StateOf(window);
    if ((state & kPressed) == 0) return;
    state &= ~kPressed;
    if ((state & BST_PUSHED) != 0) SendMessageA(window, BM_SETSTATE, FALSE, 0);
}

void SetPushed(HWND window, bool pushed) {
    UINT& state = StateOf(window);
    state = pushed ? (state | BST_PUSHED) : (state & ~BST_PUSHED);
    AskParentToDraw(window, ODA_SELECT);
}

void SetFocused(HWND window, bool focused) {
    UINT& state = StateOf(window);
    state = focused ? (state | BST_FOCUS) : (state & ~BST_FOCUS);
    AskParentToDraw(window, ODA_FOCUS);
}

// Space presses the button that has the keyboard, as a switch or a keyboard user
// expects: down when it goes down, a click when it comes up. Only a Space that went down
// on this button clicks it, so the Space that opened a dialog does not answer it.
void OnSpaceDown(HWND window, LPARAM details) {
    if ((details & kRepeat) != 0) return;
    StateOf(window) |= kSpaceDown;
    SendMessageA(window, BM_SETSTATE, TRUE, 0);
}

void OnSpaceUp(HWND window) {
    UINT& state = StateOf(window);
    if ((state & kSpaceDown) == 0) return;
    state &= ~kSpaceDown;
    SendMessageA(window, BM_SETSTATE, FALSE, 0);
    SendMessageA(window, BM_CLICK, 0, 0);
}

// Losing the focus in the middle of a press (a message box, another window taking
// over) cancels the press: giving up the capture draws the button up, and the later
// release is not a click. The whole button is drawn again afterwards.
void OnFocusLost(HWND window) {
    SetFocused(window, false);
    if (!IsWindow(window)) return;
    UINT& state = StateOf(window);
    if ((state & kSpaceDown) != 0) {
        state &= ~kSpaceDown;
        SendMessageA(window, BM_SETSTATE, FALSE, 0);
    }
    if ((StateOf(window) & kPressed) != 0 && GetCapture() == window) ReleaseCapture();
    InvalidateRect(window, nullptr, FALSE);
}

}  // namespace

LRESULT ButtonWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_LBUTTONDOWN:
            OnButtonDown(window);
            return 0;
        case WM_LBUTTONUP:
            OnButtonUp(window, lParam);
            return 0;
        case WM_MOUSEMOVE:
            if ((wParam & MK_LBUTTON) != 0 && GetCapture() == window) {
                SendMessageA(window, BM_SETSTATE, Inside(window, lParam) ? TRUE : FALSE, 0);
            }
            return 0;
        case WM_CAPTURECHANGED:
            OnCaptureLost(window);
            return 0;
        case WM_KEYDOWN:
            if (wParam == VK_SPACE) OnSpaceDown(window, lParam);
            return 0;
        case WM_KEYUP:
            if (wParam == VK_SPACE) OnSpaceUp(window);
            return 0;
        case BM_SETSTATE:
            SetPushed(window, wParam != FALSE);
            return 0;
        case BM_CLICK:
            SendMessageA(window, WM_LBUTTONDOWN, 0, 0);
            SendMessageA(window, WM_LBUTTONUP, 0, 0);
            return 0;
        case BM_GETSTATE:
            return static_cast<LRESULT>(StateOf(window) & (BST_PUSHED | BST_FOCUS));
        case WM_SETFOCUS:
            SetFocused(window, true);
            return 0;
        case WM_KILLFOCUS:
            OnFocusLost(window);
            return 0;
        case WM_ERASEBKGND:
            return 1;
        case WM_PAINT: {
            PAINTSTRUCT paint{};
            BeginPaint(window, &paint);
            AskParentToDraw(window, ODA_DRAWENTIRE);
            EndPaint(window, &paint);
            return 0;
        }
        case WM_NCDESTROY:
            States().erase(window);
            return 0;
        default:
            return DefWindowProcA(window, message, wParam, lParam);
    }
}

WindowClass StandardButtonClass() {
    return WindowClass{"button", CS_HREDRAW | CS_VREDRAW, ButtonWindowProc, nullptr, nullptr};
}
