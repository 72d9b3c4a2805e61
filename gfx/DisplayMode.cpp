#include "gfx/DisplayMode.h"

#include "diag/Log.h"

namespace {

constexpr DWORD kBitsPerPixel = 32;

bool Failed(HRESULT result) {
    return result < 0;
}

}  // namespace

DisplayMode::~DisplayMode() {
    RestoreScreen();
}

bool DisplayMode::SetFullScreen(HWND window, int32_t width, int32_t height) {
    // A second switch keeps the display object it already holds.
    if (m_directDraw == nullptr && Failed(DirectDrawCreate(nullptr, &m_directDraw, nullptr))) {
        WriteLog("DirectDrawCreateEx Failed");
        return false;
    }
    if (Failed(m_directDraw->SetCooperativeLevel(window, DDSCL_EXCLUSIVE | DDSCL_FULLSCREEN))) {
        WriteLog("SetCooperativeLevel Failed");
        return false;
    }
    if (width <= 0 || height <= 0 ||
        Failed(m_directDraw->SetDisplayMode(static_cast<DWORD>(width), static_cast<DWORD>(height),
                                            kBitsPerPixel))) {
        WriteLog("SetDisplayMode Failed");
        return false;
    }
    return true;
}

void DisplayMode::RestoreScreen() {
    if (m_directDraw == nullptr) return;
    if (Failed(m_directDraw->RestoreDisplayMode())) {
        WriteLog("RestoreDisplayMode Failed");
        return;
    }
    // Release frees the object whatever it answers, so the pointer is never used again.
    const auto referencesLeft = static_cast<int32_t>(m_directDraw->Release());
    m_directDraw = nullptr;
    if (referencesLeft < 0) WriteLog("Release Failed");
}
