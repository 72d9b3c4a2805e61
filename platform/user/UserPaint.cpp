#include "platform/user/UserPaint.h"

#include "platform/gdi/DeviceContext.h"
#include "platform/user/WindowManager.h"

BOOL InvalidateRect(HWND window, const RECT* rect, BOOL erase) {
    if (window != nullptr && WindowManager::Instance().Known(window) == nullptr) return FALSE;
    WindowManager::Instance().Invalidate(window, rect, erase != FALSE);
    return TRUE;
}

BOOL UpdateWindow(HWND window) {
    const Window* found = WindowManager::Instance().Known(window);
    if (found == nullptr) return FALSE;
    if (!IsRectEmpty(found->update)) WindowManager::Instance().Send(window, WM_PAINT, 0, 0);
    return TRUE;
}

HDC BeginPaint(HWND window, PAINTSTRUCT* paint) {
    return WindowManager::Instance().BeginPaint(window, paint);
}

BOOL EndPaint(HWND window, const PAINTSTRUCT* paint) {
    WindowManager::Instance().EndPaint(window, paint);
    return TRUE;
}

HDC GetDC(HWND window) {
    return WindowManager::Instance().GetDC(window);
}
int ReleaseDC(HWND window, HDC dc) {
    return WindowManager::Instance().ReleaseDC(window, dc);
}
