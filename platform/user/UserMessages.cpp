#include "platform/user/UserMessages.h"

#include "platform/user/UserPaint.h"
#include "platform/user/UserPointer.h"
#include "platform/user/UserWindows.h"
#include "platform/user/WindowManager.h"

LRESULT DefWindowProcA(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_CLOSE:
            DestroyWindow(window);
            return 0;
        case WM_PAINT: {
            PAINTSTRUCT paint{};
            BeginPaint(window, &paint);
            EndPaint(window, &paint);
            return 0;
        }
        case WM_SETCURSOR: {
            // The parent decides first; then the window's class cursor, if it has one.
            const Window* found = WindowManager::Instance().Find(window);
            if (found == nullptr) return FALSE;
            if (found->IsChild() &&
                SendMessageA(found->parent, WM_SETCURSOR, wParam, lParam) != FALSE)
                return TRUE;
            found = WindowManager::Instance().Find(window);
            if (found == nullptr || found->classCursor == nullptr) return FALSE;
            SetCursor(found->classCursor);
            return TRUE;
        }
        default:
            return 0;
    }
}

LRESULT CallWindowProcA(WNDPROC procedure, HWND window, UINT message, WPARAM wParam,
                        LPARAM lParam) {
    return procedure != nullptr ? procedure(window, message, wParam, lParam) : 0;
}

LRESULT SendMessageA(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    return WindowManager::Instance().Send(window, message, wParam, lParam);
}

BOOL PostMessageA(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    return WindowManager::Instance().Post(window, message, wParam, lParam) ? TRUE : FALSE;
}

BOOL PeekMessageA(MSG* message, HWND, UINT, UINT, UINT remove) {
    if (message == nullptr) return FALSE;
    return WindowManager::Instance().Peek(message, (remove & PM_REMOVE) != 0) ? TRUE : FALSE;
}

BOOL GetMessageA(MSG* message, HWND, UINT, UINT) {
    if (message == nullptr) return -1;
    return WindowManager::Instance().Get(message) ? TRUE : FALSE;
}

BOOL WaitMessage() {
    WindowManager::Instance().Wait();
    return TRUE;
}

// Keys that type a character are answered with WM_CHAR, posted behind WM_KEYDOWN.
BOOL TranslateMessage(const MSG* message) {
    if (message == nullptr || message->message != WM_KEYDOWN) return FALSE;
    const WPARAM key = message->wParam;
    WPARAM character = 0;
    if (key >= 'A' && key <= 'Z') character = key - 'A' + 'a';
    if ((key >= '0' && key <= '9') || key == VK_SPACE || key == VK_RETURN || key == VK_ESCAPE ||
        key == VK_BACK || key == VK_TAB) {
        character = key;
    }
    if (character == 0) return FALSE;
    return PostMessageA(message->hwnd, WM_CHAR, character, message->lParam);
}

LRESULT DispatchMessageA(const MSG* message) {
    return message != nullptr ? WindowManager::Instance().Dispatch(*message) : 0;
}

void PostQuitMessage(int exitCode) {
    WindowManager::Instance().PostQuit(exitCode);
}

UINT_PTR SetTimer(HWND window, UINT_PTR id, UINT elapse, TIMERPROC) {
    if (WindowManager::Instance().Find(window) == nullptr) return 0;
    WindowManager::Instance().SetTimer(window, id, elapse);
    return id;
}

BOOL KillTimer(HWND window, UINT_PTR id) {
    return WindowManager::Instance().KillTimer(window, id) ? TRUE : FALSE;
}
