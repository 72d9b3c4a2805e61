#include "platform/user/Display.h"

#include "platform/user/UserBackend.h"

HRESULT DirectDrawCreate(void* driver, DisplayObject** display, void* outer) {
    if (display == nullptr) return DDERR_GENERIC;
    *display = nullptr;
    if (driver != nullptr || outer != nullptr || !UserBackendSlot::Current().OpenDisplay())
        return DDERR_GENERIC;
    *display = new DisplayObject();
    return DD_OK;
}

HRESULT DisplayObject::SetCooperativeLevel(HWND window, DWORD flags) {
    const DWORD fullScreen = DDSCL_EXCLUSIVE | DDSCL_FULLSCREEN;
    if (window == nullptr || (flags & fullScreen) != fullScreen) return DDERR_GENERIC;
    return UserBackendSlot::Current().TakeDisplayExclusively() ? DD_OK : DDERR_GENERIC;
}

HRESULT DisplayObject::SetDisplayMode(DWORD width, DWORD height, DWORD bitsPerPixel) {
    if (!UserBackendSlot::Current().SetDisplayMode(
            static_cast<LONG>(width), static_cast<LONG>(height), static_cast<LONG>(bitsPerPixel))) {
        return DDERR_GENERIC;
    }
    m_modeSet = true;
    return DD_OK;
}

HRESULT DisplayObject::RestoreDisplayMode() {
    if (!UserBackendSlot::Current().RestoreDisplayMode()) return DDERR_GENERIC;
    m_modeSet = false;
    return DD_OK;
}

DWORD DisplayObject::Release() {
    // A mode still set when the object goes is given back all the same.
    if (m_modeSet) UserBackendSlot::Current().RestoreDisplayMode();
    UserBackendSlot::Current().CloseDisplay();
    delete this;
    return 0;
}
