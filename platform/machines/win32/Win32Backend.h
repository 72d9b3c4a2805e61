#pragma once
// The program's window on Windows (HostWindow): the program's screen scaled to fit and
// letterboxed, smoothly as on the desktop (Letterbox), by default covering the monitor it starts
// on, for grown-ups an ordinary window where F11 toggles full screen; shown only once the program
// has first handled every message waiting, so that the first picture anyone sees is a finished one.
// Input is Win32Input's; the album's files are kept in the user's local application data folder
// (Win32Kernel). The desktop keeps its own mode (ScaledDisplay); printing goes through the
// system's print dialog (Win32Printer).

#include <functional>
#include <memory>
#include <optional>
#include <vector>

#include "platform/machines/Backend.h"
#include "platform/machines/Letterbox.h"
#include "platform/machines/ScaledDisplay.h"
#include "platform/machines/win32/HostWindow.h"
#include "platform/machines/win32/Win32Input.h"
#include "platform/machines/win32/Win32Kernel.h"
#include "platform/machines/win32/Win32Printer.h"
#include "platform/user/Cursor.h"
#include "platform/user/TouchGesture.h"

class Win32Backend : public Backend, public ScaledDisplay, public Win32Kernel, public Win32Printer {
public:
    static constexpr const char* kTitle = "Quillory 3";

    // Makes the hidden window for a `width` x `height` screen; null when it cannot be made.
    static std::unique_ptr<Win32Backend> Open(LONG width, LONG height, HostWindow::Kind kind);
    Win32Backend(const Win32Backend&) = delete;
    Win32Backend& operator=(const Win32Backend&) = delete;

    void Present(const Surface& screen, const RECT& area) override;
    std::optional<InputEvent> NextInputEvent() override;
    void WaitForInput(DWORD milliseconds) override;
    void Settled() override;
    void Wake() override;
    void SetCursorImage(const CursorImage* image) override;
    void SetCursorVisible(bool visible) override;
    void WarpPointer(POINT screenPoint) override;
    void ConfinePointer(const RECT* area) override;
    void RestoreWindow() override;
    void RaiseWindow() override;
    void ShowOnly(const RECT* area) override;
    void Beep(UINT type) override;

    // What the beep plays (nothing until set).
    void SetBeep(std::function<void()> beep) { m_beep = std::move(beep); }

private:
    Win32Backend(LONG width, LONG height, HostWindow::Kind kind);

    // Fits the screen to a window of the given size again.
    void Refit(int32_t windowWidth, int32_t windowHeight);
    // Makes the picture's pixels of `place` (window pixels) from the screen.
    void Scale(const RECT& place);
    void ApplyCursor();
    void ApplyConfinement();

    Surface m_frame;
    Letterbox m_letterbox;
    // The screen scaled to the window: the letterbox's picture, row by row.
    std::vector<uint32_t> m_picture;
    // The part of the screen on show while a message box is shown alone.
    std::optional<RECT> m_only;
    TouchGesture m_touch;
    Win32Input m_input;
    std::optional<CursorImage> m_cursor;
    bool m_cursorVisible = true;
    std::optional<RECT> m_confinement;
    bool m_revealed = false;
    std::function<void()> m_beep;
    std::unique_ptr<HostWindow> m_window;
};
