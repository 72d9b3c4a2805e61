#include "platform/user/User.h"

#include <memory>

#include "platform/gdi/DeviceContext.h"
#include "platform/kernel/Kernel.h"
#include "platform/user/Button.h"
#include "platform/user/Cursor.h"
#include "platform/user/Dialog.h"
#include "platform/user/UserBackend.h"
#include "platform/user/WindowManager.h"

namespace {

constexpr uintptr_t kProgramInstance = 0x400000;

WindowManager& Manager() {
    return WindowManager::Instance();
}

// The standard classes are there before the first window, and again after a test
// has reset the window system. The first copy's window also starts answering the
// requests of later copies here.
void PrepareWindowSystem() {
    RegisterStandardButtonClass();
    RegisterDialogClass();
    static const bool connected = [] {
        InstanceChannel::SetActionHandler([](InstanceChannel::Request request) {
            Manager().RunOnInterfaceThread([request] {
                const HWND shared = GetSharedWindowHandle();
                if (request == InstanceChannel::Request::Restore) ShowWindow(shared, SW_RESTORE);
                if (request == InstanceChannel::Request::Raise) SetForegroundWindow(shared);
                if (request == InstanceChannel::Request::Enable) EnableWindow(shared, TRUE);
            });
        });
        return true;
    }();
    (void)connected;
}

Window* Known(HWND window) {
    Window* found = Manager().Find(window);
    if (found == nullptr) SetLastError(ERROR_INVALID_WINDOW_HANDLE);
    return found;
}

}  // namespace

HINSTANCE ProgramInstance() {
    return reinterpret_cast<HINSTANCE>(kProgramInstance);
}

ATOM RegisterClassExA(const WNDCLASSEXA* windowClass) {
    PrepareWindowSystem();
    if (windowClass == nullptr || windowClass->lpszClassName == nullptr) return 0;
    static ATOM nextAtom = 0xC000;
    const bool added = Manager().RegisterClass(
        WindowClass{windowClass->lpszClassName, windowClass->style, windowClass->lpfnWndProc,
                    windowClass->hInstance, windowClass->hCursor});
    return added ? nextAtom++ : 0;
}

BOOL UnregisterClassA(const char* className, HINSTANCE) {
    return className != nullptr && Manager().UnregisterClass(className) ? TRUE : FALSE;
}

HWND CreateWindowExA(DWORD, const char* className, const char* title, DWORD style, int x, int y,
                     int width, int height, HWND parent, HMENU menuOrId, HINSTANCE instance,
                     void* parameter) {
    PrepareWindowSystem();
    if (className == nullptr || width < 0 || height < 0) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return nullptr;
    }
    return Manager().Create(WindowCreation{
        className, title != nullptr ? title : "", style, RECT{x, y, x + width, y + height}, parent,
        static_cast<LONG_PTR>(reinterpret_cast<uintptr_t>(menuOrId)), instance, parameter});
}

BOOL DestroyWindow(HWND window) {
    return Manager().Destroy(window) ? TRUE : FALSE;
}
BOOL IsWindow(HWND window) {
    return Manager().Find(window) != nullptr ? TRUE : FALSE;
}

BOOL IsWindowVisible(HWND window) {
    const Window* found = Manager().Find(window);
    return found != nullptr && found->IsVisible() ? TRUE : FALSE;
}

BOOL IsWindowEnabled(HWND window) {
    const Window* found = Manager().Find(window);
    return found != nullptr && found->IsEnabled() ? TRUE : FALSE;
}

HWND GetParent(HWND window) {
    const Window* found = Known(window);
    if (found == nullptr) return nullptr;
    return found->IsChild() ? found->parent : found->owner;
}

HWND GetDlgItem(HWND dialog, int id) {
    for (const HWND child : Manager().Children(dialog)) {
        if (Manager().Find(child)->id == id) return child;
    }
    return nullptr;
}

int GetDlgCtrlID(HWND window) {
    const Window* found = Known(window);
    return found != nullptr ? static_cast<int>(found->id) : 0;
}

BOOL MoveWindow(HWND window, int x, int y, int width, int height, BOOL repaint) {
    return Manager().Move(window, RECT{x, y, x + width, y + height}, repaint != FALSE) ? TRUE
                                                                                       : FALSE;
}

BOOL ShowWindow(HWND window, int command) {
    if (Manager().Find(window) == nullptr && IsOtherCopysWindow(window)) {
        if (command == SW_RESTORE) AskOtherCopy(InstanceChannel::Request::Restore);
        return TRUE;
    }
    return Manager().Show(window, command) ? TRUE : FALSE;
}

BOOL GetWindowRect(HWND window, RECT* rect) {
    const Window* found = Known(window);
    if (found == nullptr || rect == nullptr) return FALSE;
    const POINT origin = Manager().ClientOrigin(window);
    *rect = RECT{origin.x, origin.y, origin.x + found->Width(), origin.y + found->Height()};
    return TRUE;
}

BOOL GetClientRect(HWND window, RECT* rect) {
    const Window* found = Known(window);
    if (found == nullptr || rect == nullptr) return FALSE;
    *rect = found->ClientRect();
    return TRUE;
}

BOOL ClientToScreen(HWND window, POINT* point) {
    if (Known(window) == nullptr || point == nullptr) return FALSE;
    const POINT origin = Manager().ClientOrigin(window);
    point->x += origin.x;
    point->y += origin.y;
    return TRUE;
}

BOOL ScreenToClient(HWND window, POINT* point) {
    if (Known(window) == nullptr || point == nullptr) return FALSE;
    const POINT origin = Manager().ClientOrigin(window);
    point->x -= origin.x;
    point->y -= origin.y;
    return TRUE;
}

BOOL IsIconic(HWND window) {
    if (Manager().Find(window) == nullptr && IsOtherCopysWindow(window)) {
        return AskOtherCopy(InstanceChannel::Request::IsIconic) != 0 ? TRUE : FALSE;
    }
    const Window* found = Known(window);
    return found != nullptr && found->iconic ? TRUE : FALSE;
}

BOOL SetForegroundWindow(HWND window) {
    if (Manager().Find(window) == nullptr && IsOtherCopysWindow(window)) {
        return AskOtherCopy(InstanceChannel::Request::Raise) != 0 ? TRUE : FALSE;
    }
    return Manager().BringToFront(window) ? TRUE : FALSE;
}

BOOL EnableWindow(HWND window, BOOL enable) {
    if (Manager().Find(window) == nullptr && IsOtherCopysWindow(window)) {
        AskOtherCopy(InstanceChannel::Request::Enable);
        return FALSE;
    }
    return Manager().Enable(window, enable != FALSE) ? TRUE : FALSE;
}

LONG_PTR GetWindowLongPtrA(HWND window, int index) {
    const Window* found = Known(window);
    if (found == nullptr) return 0;
    switch (index) {
        case GWL_WNDPROC:
            return reinterpret_cast<LONG_PTR>(found->procedure);
        case GWL_HINSTANCE:
            return reinterpret_cast<LONG_PTR>(found->instance);
        case GWL_ID:
            return found->id;
        case GWL_STYLE:
            return static_cast<LONG_PTR>(found->style);
        case GWL_USERDATA:
            return found->userData;
        default:
            SetLastError(ERROR_INVALID_INDEX);
            return 0;
    }
}

LONG_PTR SetWindowLongPtrA(HWND window, int index, LONG_PTR value) {
    Window* found = Known(window);
    if (found == nullptr) return 0;
    const LONG_PTR previous = GetWindowLongPtrA(window, index);
    switch (index) {
        case GWL_WNDPROC:
            found->procedure = reinterpret_cast<WNDPROC>(value);
            break;
        case GWL_ID:
            found->id = value;
            break;
        case GWL_USERDATA:
            found->userData = value;
            break;
        default:
            SetLastError(ERROR_INVALID_INDEX);
            return 0;
    }
    return previous;
}

LONG GetWindowLongA(HWND window, int index) {
    if (index == GWL_WNDPROC) {
        SetLastError(ERROR_INVALID_INDEX);
        return 0;
    }
    return static_cast<LONG>(GetWindowLongPtrA(window, index));
}

LONG SetWindowLongA(HWND window, int index, LONG value) {
    if (index == GWL_WNDPROC) {
        SetLastError(ERROR_INVALID_INDEX);
        return 0;
    }
    return static_cast<LONG>(SetWindowLongPtrA(window, index, value));
}

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
            const Window* found = Manager().Find(window);
            if (found == nullptr) return FALSE;
            if (found->IsChild() &&
                SendMessageA(found->parent, WM_SETCURSOR, wParam, lParam) != FALSE)
                return TRUE;
            found = Manager().Find(window);
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
    return Manager().Send(window, message, wParam, lParam);
}

BOOL PostMessageA(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    return Manager().Post(window, message, wParam, lParam) ? TRUE : FALSE;
}

BOOL PeekMessageA(MSG* message, HWND, UINT, UINT, UINT remove) {
    if (message == nullptr) return FALSE;
    return Manager().Peek(message, (remove & PM_REMOVE) != 0) ? TRUE : FALSE;
}

BOOL GetMessageA(MSG* message, HWND, UINT, UINT) {
    if (message == nullptr) return -1;
    return Manager().Get(message) ? TRUE : FALSE;
}

BOOL WaitMessage() {
    Manager().Wait();
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
    return message != nullptr ? Manager().Dispatch(*message) : 0;
}

void PostQuitMessage(int exitCode) {
    Manager().PostQuit(exitCode);
}

BOOL InvalidateRect(HWND window, const RECT* rect, BOOL erase) {
    if (window != nullptr && Known(window) == nullptr) return FALSE;
    Manager().Invalidate(window, rect, erase != FALSE);
    return TRUE;
}

BOOL ValidateRect(HWND window, const RECT*) {
    if (Known(window) == nullptr) return FALSE;
    Manager().Validate(window);
    return TRUE;
}

BOOL UpdateWindow(HWND window) {
    const Window* found = Known(window);
    if (found == nullptr) return FALSE;
    if (!IsRectEmpty(found->update)) SendMessageA(window, WM_PAINT, 0, 0);
    return TRUE;
}

HDC BeginPaint(HWND window, PAINTSTRUCT* paint) {
    return Manager().BeginPaint(window, paint);
}

BOOL EndPaint(HWND window, const PAINTSTRUCT* paint) {
    Manager().EndPaint(window, paint);
    return TRUE;
}

HDC GetDC(HWND window) {
    return Manager().GetDC(window);
}
int ReleaseDC(HWND window, HDC dc) {
    return Manager().ReleaseDC(window, dc);
}

HWND SetFocus(HWND window) {
    return Manager().SetFocus(window);
}
HWND GetFocus() {
    return Manager().Focus();
}
HWND SetCapture(HWND window) {
    return Manager().SetCapture(window);
}
BOOL ReleaseCapture() {
    return Manager().ReleaseCapture() ? TRUE : FALSE;
}
HWND GetCapture() {
    return Manager().Capture();
}

HCURSOR LoadImageA(HINSTANCE, const char* name, UINT type, int, int, UINT) {
    const CursorImage* image =
        type == IMAGE_CURSOR && name != nullptr ? FindCursorResource(name) : nullptr;
    if (image == nullptr) {
        SetLastError(ERROR_FILE_NOT_FOUND);
        return nullptr;
    }
    return new CursorObject{*image};
}

BOOL DestroyCursor(HCURSOR cursor) {
    if (cursor == nullptr) return FALSE;
    // A cursor still on show is taken off first, so the backend never keeps a freed one.
    if (Manager().CurrentCursor() == cursor) Manager().SetCursor(nullptr);
    delete cursor;
    return TRUE;
}

HCURSOR SetCursor(HCURSOR cursor) {
    return Manager().SetCursor(cursor);
}
int ShowCursor(BOOL show) {
    return Manager().ShowCursor(show != FALSE);
}

BOOL GetCursorPos(POINT* point) {
    if (point == nullptr) return FALSE;
    *point = Manager().PointerPosition();
    return TRUE;
}

BOOL SetCursorPos(int x, int y) {
    Manager().SetPointerPosition(POINT{x, y});
    return TRUE;
}

BOOL ClipCursor(const RECT* rect) {
    Manager().ClipPointer(rect);
    return TRUE;
}

BOOL TrackMouseEvent(TRACKMOUSEEVENT* track) {
    // The 32-bit program gives the record's size as 16, its size there.
    constexpr DWORD kSizeOn32Bit = 16;
    if (track == nullptr ||
        (track->cbSize != sizeof(TRACKMOUSEEVENT) && track->cbSize != kSizeOn32Bit) ||
        (track->dwFlags & TME_LEAVE) == 0) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return FALSE;
    }
    return Manager().TrackLeave(track->hwndTrack, (track->dwFlags & TME_CANCEL) != 0) ? TRUE
                                                                                      : FALSE;
}

BOOL MessageBeep(UINT type) {
    CurrentUserBackend().Beep(type);
    return TRUE;
}
