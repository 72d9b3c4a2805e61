#include "platform/user/Dialog.h"

#include <map>

#include "platform/user/User.h"
#include "platform/user/WindowManager.h"

namespace {

constexpr const char* kDialogClass = "#32770";
constexpr LONG kBaseX = 8;
constexpr LONG kBaseY = 16;

struct DialogState {
    DLGPROC procedure;
    INT_PTR result = -1;
    bool ended = false;
};

std::map<HWND, DialogState>& Dialogs() {
    static std::map<HWND, DialogState> dialogs;
    return dialogs;
}

DialogState* StateOf(HWND dialog) {
    const auto found = Dialogs().find(dialog);
    return found != Dialogs().end() ? &found->second : nullptr;
}

// The dialog window's own procedure: the dialog procedure first, then the defaults
// of a dialog. A dialog created before its procedure is known passes on to them.
LRESULT DialogWindowProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
    const DialogState* state = StateOf(dialog);
    const INT_PTR handled =
        state != nullptr ? state->procedure(dialog, message, wParam, lParam) : FALSE;
    if (message == WM_NCDESTROY) Dialogs().erase(dialog);
    if (handled != FALSE) return message == WM_ERASEBKGND ? 1 : handled;
    switch (message) {
        case WM_CLOSE:
            PostMessageA(dialog, WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED),
                         reinterpret_cast<LPARAM>(GetDlgItem(dialog, IDCANCEL)));
            return 0;
        case WM_ERASEBKGND:
            return 0;
        default:
            return DefWindowProcA(dialog, message, wParam, lParam);
    }
}

RECT PixelsOf(int16_t x, int16_t y, int16_t cx, int16_t cy) {
    RECT rect{x, y, x + cx, y + cy};
    MapDialogRect(nullptr, &rect);
    return rect;
}

HWND CreateDialogWindow(HINSTANCE instance, const DialogLayout& layout, HWND owner,
                        DLGPROC procedure) {
    const RECT place = PixelsOf(layout.x, layout.y, layout.cx, layout.cy);
    const HWND dialog = CreateWindowExA(
        0, kDialogClass, "", (layout.style | WS_POPUP) & ~WS_VISIBLE, place.left, place.top,
        place.right - place.left, place.bottom - place.top, owner, nullptr, instance, nullptr);
    if (dialog == nullptr) return nullptr;
    Dialogs()[dialog] = DialogState{procedure};
    for (const DialogItem& item : layout.items) {
        const RECT itemPlace = PixelsOf(item.x, item.y, item.cx, item.cy);
        const HWND control = CreateWindowExA(
            0, item.className.c_str(), "", item.style | WS_CHILD, itemPlace.left, itemPlace.top,
            itemPlace.right - itemPlace.left, itemPlace.bottom - itemPlace.top, dialog,
            reinterpret_cast<HMENU>(static_cast<uintptr_t>(item.id)), instance, nullptr);
        if (control == nullptr) {
            DestroyWindow(dialog);
            return nullptr;
        }
    }
    return dialog;
}

// Enter and Escape belong to the dialog whatever window inside it has the focus.
bool HandleDialogKey(HWND dialog, const MSG& message) {
    if (message.message != WM_KEYDOWN) return false;
    if (message.wParam != VK_RETURN && message.wParam != VK_ESCAPE) return false;
    if (message.hwnd != dialog && GetParent(message.hwnd) != dialog) return false;
    const int id = message.wParam == VK_RETURN ? IDOK : IDCANCEL;
    SendMessageA(dialog, WM_COMMAND, MAKEWPARAM(static_cast<WORD>(id), BN_CLICKED),
                 reinterpret_cast<LPARAM>(GetDlgItem(dialog, id)));
    return true;
}

bool StillRunning(HWND dialog) {
    const DialogState* state = StateOf(dialog);
    return state != nullptr && !state->ended;
}

void RunModalLoop(HWND dialog) {
    MSG message{};
    while (StillRunning(dialog)) {
        if (!WindowManager::Instance().PeekOrWait(&message)) continue;
        if (message.message == WM_QUIT) {
            // The quit request belongs to the main loop: hand it back.
            PostQuitMessage(static_cast<int>(message.wParam));
            return;
        }
        if (HandleDialogKey(dialog, message)) continue;
        TranslateMessage(&message);
        DispatchMessageA(&message);
    }
}

}  // namespace

INT_PTR DialogBoxLayout(HINSTANCE instance, const DialogLayout& layout, HWND owner,
                        DLGPROC procedure, LPARAM initParameter) {
    if (procedure == nullptr) return -1;
    const HWND dialog = CreateDialogWindow(instance, layout, owner, procedure);
    if (dialog == nullptr) return -1;
    const HWND firstControl =
        layout.items.empty() ? nullptr : GetDlgItem(dialog, layout.items.front().id);
    if (procedure(dialog, WM_INITDIALOG, reinterpret_cast<WPARAM>(firstControl), initParameter) !=
            FALSE &&
        IsWindow(firstControl)) {
        SetFocus(firstControl);
    }
    const bool ownerWasEnabled = owner != nullptr && IsWindowEnabled(owner);
    if (ownerWasEnabled) EnableWindow(owner, FALSE);
    if (StillRunning(dialog)) {
        ShowWindow(dialog, SW_SHOW);
        RunModalLoop(dialog);
    }
    const DialogState* state = StateOf(dialog);
    const INT_PTR result = state != nullptr ? state->result : -1;
    // The owner comes back before the dialog goes, so the focus can return to it.
    if (ownerWasEnabled && IsWindow(owner)) EnableWindow(owner, TRUE);
    if (IsWindow(dialog)) DestroyWindow(dialog);
    return result;
}

BOOL EndDialog(HWND dialog, INT_PTR result) {
    DialogState* state = StateOf(dialog);
    if (state == nullptr) return FALSE;
    state->result = result;
    state->ended = true;
    ShowWindow(dialog, SW_HIDE);
    return TRUE;
}

LONG GetDialogBaseUnits() {
    return static_cast<LONG>(MAKELPARAM(kBaseX, kBaseY));
}

BOOL MapDialogRect(HWND, RECT* rect) {
    if (rect == nullptr) return FALSE;
    rect->left = rect->left * kBaseX / 4;
    rect->right = rect->right * kBaseX / 4;
    rect->top = rect->top * kBaseY / 8;
    rect->bottom = rect->bottom * kBaseY / 8;
    return TRUE;
}

WindowClass DialogClass() {
    return WindowClass{kDialogClass, 0, DialogWindowProc, nullptr, nullptr};
}
