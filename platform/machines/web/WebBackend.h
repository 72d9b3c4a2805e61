#pragma once
// The browser as the album's machine: the program's 1024 x 768 screen drawn into the
// page's <canvas id="album"> (only the changed areas), placed and scaled as CanvasFit
// says; mouse, touch and keys from the page turned into the same input as on the
// desktop (a finger acts as TouchGesture describes); the pointer's picture as the
// page's cursor; full screen on the first click or key; the tab in front and visible
// as the active program, so that the album deactivates (and its music stops) while
// the tab is hidden. A page can neither move nor hold the pointer, nor restore or
// raise its window, and has no beep: the album works without. The display
// switch is ScaledDisplay's, printing WebPrinter's. The browser side lives in WebBackend.js.

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "platform/machines/Backend.h"
#include "platform/machines/ScaledDisplay.h"
#include "platform/machines/web/CanvasFit.h"
#include "platform/machines/web/DirtyArea.h"
#include "platform/machines/web/WebPrinter.h"
#include "platform/user/Cursor.h"
#include "platform/user/TouchGesture.h"

class WebBackend : public Backend, public ScaledDisplay, public WebPrinter {
public:
    WebBackend(LONG width, LONG height);

    void Present(const Surface& screen, const RECT& area) override;
    std::optional<InputEvent> NextInputEvent() override;
    void WaitForInput(DWORD milliseconds) override;
    // The first time, the title is on screen: the page says so (quillory.ready).
    void Settled() override;
    void Wake() override;
    void SetCursorImage(const CursorImage* image) override;
    void SetCursorVisible(bool visible) override;
    void BeforeReading(int hostDescriptor) override;
    bool IsAtHand(const std::string& hostPath) override;
    // The album's folder, which the browser's storage keeps.
    std::string SettingsFolder() override;
    // The browser is asked once, at the first stick, to keep the album's storage when
    // space runs low (navigator.storage.persist); until it answers, nothing is said.
    void KeepSaves() override;
    bool SavesMayBeCleared() override;
    // A page cannot close itself: Quit returns to the title. Set aside there, the page
    // leaves full screen and the sound is suspended; the start takes both again.
    bool QuitReturnsToTitle() override;
    void SetAside(bool aside) override;
    DWORD MillisecondClock() override;
    void Sleep(DWORD milliseconds) override;

private:
    // Draws what was presented since the last time into the canvas. The browser shows
    // nothing new before the program hands control back to it, so the changes are
    // drawn then, once, however often the program presented meanwhile.
    void Flush();
    // Places the canvas in the window as it is now.
    void Refit();
    // One input as the page queued it.
    struct PageEvent;
    // The input event `event` makes, if any (a finger's go to the touch gesture).
    std::optional<InputEvent> Translate(const PageEvent& event);
    void ApplyCursor();

    LONG m_width;
    LONG m_height;
    CanvasFit m_fit;
    // The screen last presented (the window system's, which lives as long as the
    // program) and the part of it not drawn yet.
    const Surface* m_screen = nullptr;
    DirtyArea m_dirty;
    // The pixels of the area being drawn, as the canvas takes them (RGBA bytes).
    std::vector<uint8_t> m_rgba;
    std::optional<CursorImage> m_cursorImage;
    bool m_cursorVisible = true;
    TouchGesture m_touch;
    bool m_presented = false;
    bool m_ready = false;
};
