#include "platform/user/UserWindows.h"

#include "platform/kernel/InstanceChannel.h"
#include "platform/kernel/Kernel.h"
#include "platform/user/WindowManager.h"

namespace {

constexpr uintptr_t kProgramInstance = 0x400000;

// The first copy's window starts answering the requests of later copies here.
void PrepareWindowSystem() {
    static const bool connected = [] {
        InstanceChannel::SetActionHandler([](InstanceChannel::Request request) {
            WindowManager::Instance().RunOnInterfaceThread([request] {
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

}  // namespace

HINSTANCE ProgramInstance() {
    return reinterpret_cast<HINSTANCE>(kProgramInstance);
}

ATOM RegisterClassExA(const WNDCLASSEXA* windowClass) {
    PrepareWindowSystem();
    if (windowClass == nullptr || windowClass->lpszClassName == nullptr) return 0;
    static ATOM nextAtom = 0xC000;
    const bool added = WindowManager::Instance().RegisterClass(
        WindowClass{windowClass->lpszClassName, windowClass->style, windowClass->lpfnWndProc,
                    windowClass->hInstance, windowClass->hCursor});
    return added ? nextAtom++ : 0;
}

BOOL UnregisterClassA(const char* className, HINSTANCE) {
    return className != nullptr && WindowManager::Instance().UnregisterClass(className) ? TRUE
                                                                                        : FALSE;
}

HWND CreateWindowExA(DWORD, const char* className, const char* title, DWORD style, int x, int y,
                     int width, int height, HWND parent, HMENU menuOrId, HINSTANCE instance,
                     void* parameter) {
    PrepareWindowSystem();
    if (className == nullptr || width < 0 || height < 0) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return nullptr;
    }
    return WindowManager::Instance().Create(WindowCreation{
        className, title != nullptr ? title : "", style, RECT{x, y, x + width, y + height}, parent,
        static_cast<LONG_PTR>(reinterpret_cast<uintptr_t>(menuOrId)), instance, parameter});
}

BOOL DestroyWindow(HWND window) {
    return WindowManager::Instance().Destroy(window) ? TRUE : FALSE;
}

BOOL IsWindow(HWND window) {
    return WindowManager::Instance().Find(window) != nullptr ? TRUE : FALSE;
}

BOOL IsWindowVisible(HWND window) {
    const Window* found = WindowManager::Instance().Find(window);
    return found != nullptr && found->IsVisible() ? TRUE : FALSE;
}

BOOL IsWindowEnabled(HWND window) {
    const Window* found = WindowManager::Instance().Find(window);
    return found != nullptr && found->IsEnabled() ? TRUE : FALSE;
}

HWND GetParent(HWND window) {
    const Window* found = WindowManager::Instance().Known(window);
    if (found == nullptr) return nullptr;
    return found->IsChild() ? found->parent : found->owner;
}

HWND GetDlgItem(HWND dialog, int id) {
    for (const HWND child : WindowManager::Instance().Children(dialog)) {
        if (WindowManager::Instance().Find(child)->id == id) return child;
    }
    return nullptr;
}

int GetDlgCtrlID(HWND window) {
    const Window* found = WindowManager::Instance().Known(window);
    return found != nullptr ? static_cast<int>(found->id) : 0;
}

BOOL MoveWindow(HWND window, int x, int y, int width, int height, BOOL repaint) {
    return WindowManager::Instance().Move(window, RECT{x, y, x + width, y + height},
                                          repaint != FALSE)
               ? TRUE
               : FALSE;
}

BOOL ShowWindow(HWND window, int command) {
    if (WindowManager::Instance().Find(window) == nullptr && IsOtherCopysWindow(window)) {
        if (command == SW_RESTORE) AskOtherCopy(InstanceChannel::Request::Restore);
        return TRUE;
    }
    return WindowManager::Instance().Show(window, command) ? TRUE : FALSE;
}

BOOL GetWindowRect(HWND window, RECT* rect) {
    const Window* found = WindowManager::Instance().Known(window);
    if (found == nullptr || rect == nullptr) return FALSE;
    const POINT origin = WindowManager::Instance().ClientOrigin(window);
    *rect = RECT{origin.x, origin.y, origin.x + found->Width(), origin.y + found->Height()};
    return TRUE;
}

BOOL GetClientRect(HWND window, RECT* rect) {
    const Window* found = WindowManager::Instance().Known(window);
    if (found == nullptr || rect == nullptr) return FALSE;
    *rect = found->ClientRect();
    return TRUE;
}

BOOL ClientToScreen(HWND window, POINT* point) {
    if (WindowManager::Instance().Known(window) == nullptr || point == nullptr) return FALSE;
    const POINT origin = WindowManager::Instance().ClientOrigin(window);
    point->x += origin.x;
    point->y += origin.y;
    return TRUE;
}

BOOL ScreenToClient(HWND window, POINT* point) {
    if (WindowManager::Instance().Known(window) == nullptr || point == nullptr) return FALSE;
    const POINT origin = WindowManager::Instance().ClientOrigin(window);
    point->x -= origin.x;
    point->y -= origin.y;
    return TRUE;
}

BOOL IsIconic(HWND window) {
    if (WindowManager::Instance().Find(window) == nullptr && IsOtherCopysWindow(window)) {
        return AskOtherCopy(InstanceChannel::Request::IsIconic) != 0 ? TRUE : FALSE;
    }
    const Window* found = WindowManager::Instance().Known(window);
    return found != nullptr && found->iconic ? TRUE : FALSE;
}

BOOL SetForegroundWindow(HWND window) {
    if (WindowManager::Instance().Find(window) == nullptr && IsOtherCopysWindow(window)) {
        return AskOtherCopy(InstanceChannel::Request::Raise) != 0 ? TRUE : FALSE;
    }
    return WindowManager::Instance().BringToFront(window) ? TRUE : FALSE;
}

BOOL EnableWindow(HWND window, BOOL enable) {
    if (WindowManager::Instance().Find(window) == nullptr && IsOtherCopysWindow(window)) {
        AskOtherCopy(InstanceChannel::Request::Enable);
        return FALSE;
    }
    return WindowManager::Instance().Enable(window, enable != FALSE) ? TRUE : FALSE;
}
