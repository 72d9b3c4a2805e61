#pragma once
// The real desktop: one SDL window titled "Quillory 3" that shows the program's
// screen, scaled to fit and letterboxed. By default the window covers the whole
// display from the moment it is made, with or without a window manager; for grown-ups
// it can be an ordinary resizable window instead, where F11 toggles full screen. The
// window is shown only once the program has first handled every message waiting, so
// the first picture anyone sees is a finished one. Input is SdlInput's, the pointer
// SdlPointer's; the desktop keeps its own mode (ScaledDisplay: a grown-up's window stays
// a window), and printing goes to CUPS (DesktopPrinter).

#include <SDL2/SDL_video.h>

#include <functional>
#include <memory>
#include <optional>

#include "platform/machines/Backend.h"
#include "platform/machines/Letterbox.h"
#include "platform/machines/ScaledDisplay.h"
#include "platform/machines/sdl/DesktopPrinter.h"
#include "platform/machines/sdl/SdlInput.h"
#include "platform/machines/sdl/SdlPointer.h"
#include "platform/user/TouchGesture.h"

class SdlBackend : public Backend, public ScaledDisplay, public DesktopPrinter {
public:
    static constexpr const char* kTitle = "Quillory 3";

    enum class WindowKind {
        FullScreen,  // covers the display, whatever its size, for as long as the program runs
        Window,      // a resizable window of the screen's size; F11 toggles full screen
    };

    // Opens the display and a hidden window for a `width` x `height` screen; null
    // when there is no display to open.
    static std::unique_ptr<SdlBackend> Open(LONG width, LONG height,
                                            WindowKind kind = WindowKind::FullScreen);
    SdlBackend(const SdlBackend&) = delete;
    SdlBackend& operator=(const SdlBackend&) = delete;

    void Present(const Surface& screen, const RECT& area) override;
    std::optional<InputEvent> NextInputEvent() override { return m_input.Next(); }
    void WaitForInput(DWORD milliseconds) override;
    void Settled() override;
    void Wake() override;
    void SetCursorImage(const CursorImage* image) override { m_pointer.SetImage(image); }
    void SetCursorVisible(bool visible) override { m_pointer.SetVisible(visible); }
    void WarpPointer(POINT screenPoint) override { m_pointer.Warp(screenPoint); }
    void ConfinePointer(const RECT* area) override { m_pointer.Confine(area); }
    void RestoreWindow() override;
    void RaiseWindow() override;
    void ShowOnly(const RECT* area) override;
    void Beep(UINT type) override;

    // What the beep plays (nothing until set).
    void SetBeep(std::function<void()> beep) { m_beep = std::move(beep); }

    SDL_Window* Window() const { return m_window.get(); }
    const Letterbox& Fit() const { return m_letterbox; }

private:
    // Destroys the window and closes the display, after everything else of the backend.
    struct WindowCloser {
        void operator()(SDL_Window* window) const;
    };

    SdlBackend(SDL_Window* window, LONG width, LONG height, WindowKind kind);

    // Shows the window the first time the program has nothing left to handle.
    void Reveal();
    void ToggleFullScreen();
    // Fits the screen to the window's size again and shows all of it.
    void Refit();
    // Copies `area` of the last presented screen to the window, scaled.
    void Show(const RECT& area);

    std::unique_ptr<SDL_Window, WindowCloser> m_window;
    WindowKind m_kind;
    // An event of the program's own that only ends a wait.
    Uint32 m_wakeEvent;
    Surface m_frame;
    Letterbox m_letterbox;
    bool m_revealed = false;
    // The part of the screen on show while a message box is shown alone.
    std::optional<RECT> m_only;
    TouchGesture m_touch;
    SdlPointer m_pointer;
    SdlInput m_input;
    std::function<void()> m_beep;
};
