#include "platform/user/UserPointer.h"

#include "platform/kernel/Kernel.h"
#include "platform/user/Cursor.h"
#include "platform/user/WindowManager.h"

HWND SetFocus(HWND window) {
    return WindowManager::Instance().SetFocus(window);
}

HWND GetFocus() {
    return WindowManager::Instance().Focus();
}

HWND SetCapture(HWND window) {
    return WindowManager::Instance().SetCapture(window);
}

BOOL ReleaseCapture() {
    return WindowManager::Instance().ReleaseCapture() ? TRUE : FALSE;
}

HWND GetCapture() {
    return WindowManager::Instance().Capture();
}

SHORT GetKeyState(int virtualKey) {
    constexpr SHORT kHeld = static_cast<SHORT>(0x8000);
    return virtualKey >= 0 && WindowManager::Instance().IsKeyDown(static_cast<UINT>(virtualKey))
               ? kHeld
               : SHORT{0};
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
    if (WindowManager::Instance().CurrentCursor() == cursor)
        WindowManager::Instance().SetCursor(nullptr);
    delete cursor;
    return TRUE;
}

HCURSOR SetCursor(HCURSOR cursor) {
    return WindowManager::Instance().SetCursor(cursor);
}
int ShowCursor(BOOL show) {
    return WindowManager::Instance().ShowCursor(show != FALSE);
}

BOOL GetCursorPos(POINT* point) {
    if (point == nullptr) return FALSE;
    *point = WindowManager::Instance().PointerPosition();
    return TRUE;
}

BOOL SetCursorPos(int x, int y) {
    WindowManager::Instance().SetPointerPosition(POINT{x, y});
    return TRUE;
}

BOOL ClipCursor(const RECT* rect) {
    WindowManager::Instance().ClipPointer(rect);
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
    return WindowManager::Instance().TrackLeave(track->hwndTrack,
                                                (track->dwFlags & TME_CANCEL) != 0)
               ? TRUE
               : FALSE;
}
