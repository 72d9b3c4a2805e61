#pragma once
// The real desktop: one SDL window titled "Quillory 3" that shows the program's
// screen, scaled to fit and letterboxed. By default the window covers the whole
// display from the moment it is made, with or without a window manager; for grown-ups
// it can be an ordinary resizable window instead, where F11 toggles full screen. The
// window is shown only once the program has first handled every message waiting, so
// the first picture anyone sees is a finished one. SDL gives raw input only (no automatic mouse
// capture, clicks go through to an inactive window); the window system decides
// capture, focus and hover. Pointer positions arrive in pixels of the program's
// screen; a finger on a touch screen acts as TouchGesture describes. Printing goes to CUPS.

#include <SDL2/SDL_events.h>
#include <SDL2/SDL_mouse.h>
#include <SDL2/SDL_video.h>

#include <functional>
#include <memory>
#include <optional>

#include "platform/machines/Backend.h"
#include "platform/machines/sdl/CupsPrinter.h"
#include "platform/machines/sdl/Letterbox.h"
#include "platform/user/Cursor.h"
#include "platform/user/TouchGesture.h"

class SdlBackend : public Backend {
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
    ~SdlBackend() override;
    SdlBackend(const SdlBackend&) = delete;
    SdlBackend& operator=(const SdlBackend&) = delete;

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
    bool OpenDisplay() override;
    bool TakeDisplayExclusively() override;
    bool SetDisplayMode(LONG width, LONG height, LONG bitsPerPixel) override;
    bool RestoreDisplayMode() override;
    bool CloseDisplay() override;
    std::optional<PrinterDescription> DefaultPrinter() override;
    bool ConfirmPrinting(bool landscape) override;
    bool StartPrintJob(const std::string& documentName) override;
    bool PrintPage(const Surface& page) override;
    bool EndPrintJob() override;
    void ShowOnly(const RECT* area) override;
    void Beep(UINT type) override;

    // What the beep plays (nothing until set).
    void SetBeep(std::function<void()> beep) { m_beep = std::move(beep); }

    SDL_Window* Window() const { return m_window; }
    const Letterbox& Fit() const { return m_letterbox; }

private:
    SdlBackend(SDL_Window* window, LONG width, LONG height, WindowKind kind);

    std::optional<InputEvent> Translate(const SDL_Event& event);
    std::optional<InputEvent> TranslateWindowEvent(const SDL_WindowEvent& event);
    std::optional<InputEvent> TranslateKey(const SDL_KeyboardEvent& event);
    void TranslateFinger(const SDL_TouchFingerEvent& event);
    InputEvent PointerEvent(InputEvent::Kind kind, Sint32 x, Sint32 y) const;
    // Shows the window the first time the program has nothing left to handle.
    void Reveal();
    void ToggleFullScreen();
    // Fits the screen to the window's size again and shows all of it.
    void Refit();
    // Copies `area` of the last presented screen to the window, scaled.
    void Show(const RECT& area);
    void ApplyCursor();
    void ApplyConfinement();

    SDL_Window* m_window;
    WindowKind m_kind;
    // An event of the program's own that only ends a wait.
    Uint32 m_wakeEvent;
    Surface m_frame;
    Letterbox m_letterbox;
    std::optional<CursorImage> m_cursorImage;
    SDL_Cursor* m_cursor = nullptr;
    bool m_cursorVisible = true;
    bool m_revealed = false;
    std::optional<RECT> m_confinement;
    // The part of the screen on show while a message box is shown alone.
    std::optional<RECT> m_only;
    TouchGesture m_touch;
    std::function<void()> m_beep;
    CupsPrinter m_printer;
};
