#pragma once
// A screen of the main window: it loads its pictures, paints the window, creates its
// buttons and draws them on request. The main window talks to the current screen only
// through this interface.

#include <cstdint>

#include "platform/user/UserTypes.h"

class GamePhase {
public:
    GamePhase() = default;
    GamePhase(const GamePhase&) = delete;
    GamePhase& operator=(const GamePhase&) = delete;

    virtual ~GamePhase() = default;
    virtual void Load(HWND window) = 0;
    virtual void Paint(HDC dc) = 0;
    // Creates the screen's buttons as children of `window` and repaints it all.
    virtual void Start(HWND window) = 0;
    virtual void Stop() = 0;
    // An owner-drawn button of the main window below the sticker buttons.
    virtual void DrawItem(const DRAWITEMSTRUCT* drawItem, int32_t id) = 0;
    // A sticker button, with its mouse state; answers non-zero when drawn.
    virtual int32_t DrawSticker(const DRAWITEMSTRUCT* drawItem, int32_t id, int32_t state) = 0;
    virtual void ReleaseStickerButton() = 0;

protected:
    // Repaints the whole client area of `window` without erasing it first.
    static void InvalidateClientArea(HWND window);
};
