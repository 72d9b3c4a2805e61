#include "platform/Display.h"

#include "platform/Backend.h"

HRESULT DirectDrawCreate(void* driver, DisplayObject** display, void* outer) {
    if (display == nullptr) return DDERR_GENERIC;
    *display = nullptr;
    if (driver != nullptr || outer != nullptr || !CurrentBackend().OpenDisplay())
        return DDERR_GENERIC;
    *display = new DisplayObject();
    return DD_OK;
}

HRESULT DisplayObject::SetCooperativeLevel(HWND window, DWORD flags) {
    const DWORD fullScreen = DDSCL_EXCLUSIVE | DDSCL_FULLSCREEN;
    if (window == nullptr || (flags & fullScreen) != fullScreen) return DDERR_GENERIC;
    return CurrentBackend().TakeDisplayExclusively() ? DD_OK : DDERR_GENERIC;
}

HRESULT DisplayObject::SetDisplayMode(DWORD width, DWORD height, DWORD bitsPerPixel) {
    if (!CurrentBackend().SetDisplayMode(static_cast<LONG>(width), static_cast<LONG>(height),
                                         static_cast<LONG>(bitsPerPixel))) {
        return DDERR_GENERIC;
    }
    m_modeSet = true;
    return DD_OK;
}

HRESULT DisplayObject::RestoreDisplayMode() {
    if (!CurrentBackend().RestoreDisplayMode()) return DDERR_GENERIC;
    m_modeSet = false;
    return DD_OK;
}

DWORD DisplayObject::Release() {
    // A mode still set when the object goes is given back all the same.
    if (m_modeSet) CurrentBackend().RestoreDisplayMode();
    CurrentBackend().CloseDisplay();
    delete this;
    return 0;
}
