#pragma once
// The full-screen switch, shaped like the display object the program was written
// against: create it, take the display for this window alone, set 1024 x 768 at 32
// bits; at the end give the desktop's mode back and release it. Each step answers a
// negative result on failure, so that the caller can log the step that failed.

#include "platform/user/UserTypes.h"

using HRESULT = int32_t;
constexpr HRESULT DD_OK = 0;
constexpr HRESULT DDERR_GENERIC = static_cast<HRESULT>(0x80004005u);
constexpr DWORD DDSCL_FULLSCREEN = 0x00000001;
constexpr DWORD DDSCL_EXCLUSIVE = 0x00000010;

class DisplayObject {
public:
    HRESULT SetCooperativeLevel(HWND window, DWORD flags);
    HRESULT SetDisplayMode(DWORD width, DWORD height, DWORD bitsPerPixel);
    HRESULT RestoreDisplayMode();
    // Gives the display back and frees the object; answers the references left (0).
    DWORD Release();

private:
    bool m_modeSet = false;
};

// Creates the display object; `driver` and `outer` must be null (the default display).
HRESULT DirectDrawCreate(void* driver, DisplayObject** display, void* outer);
