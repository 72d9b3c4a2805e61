#include "platform/User.h"

#include "platform/Backend.h"
#include "platform/DeviceContext.h"
#include "platform/Kernel.h"

int MessageBoxA(HWND, const char* text, const char* caption, UINT type) {
    return CurrentBackend().ShowMessageBox(text != nullptr ? text : "",
                                           caption != nullptr ? caption : "Error", type);
}

int DefaultMessageBoxAnswer(UINT type) { return (type & MB_TYPEMASK) == MB_YESNO ? IDYES : IDOK; }

BOOL MessageBeep(UINT type) {
    CurrentBackend().Beep(type);
    return TRUE;
}

BOOL DestroyWindow(HWND) {
    // No window has been created through this layer yet, so every handle is unknown.
    SetLastError(ERROR_INVALID_WINDOW_HANDLE);
    return FALSE;
}

HDC GetDC(HWND window) {
    if (window != nullptr) {
        SetLastError(ERROR_INVALID_WINDOW_HANDLE);
        return nullptr;
    }
    Surface& screen = ScreenSurface();
    return CreateSurfaceDC(&screen, POINT{0, 0}, screen.Bounds());
}

int ReleaseDC(HWND, HDC dc) {
    if (dc == nullptr) return 0;
    ReleaseSurfaceDC(dc);
    return 1;
}
