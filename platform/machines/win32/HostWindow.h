#pragma once
// The program's window on Windows, in plain numbers (this header never names a Windows
// type: the program's own platform headers re-create the Windows names, and no file may
// include both). A borderless popup that covers the monitor it starts on, or for
// grown-ups an ordinary window of the screen's size; the picture drawn into it with
// StretchDIBits, black around; the pointer's picture, visibility,
// place and hold; and the window's messages handed on as WindowEvents. It is made
// hidden, and shown by Reveal.

#include <cstdint>
#include <functional>
#include <memory>
#include <string>

#include "platform/machines/win32/WindowEvent.h"

class HostWindow {
public:
    enum class Kind { FullScreen, Window };

    // Window pixels, right and bottom excluded.
    struct Area {
        int32_t left;
        int32_t top;
        int32_t right;
        int32_t bottom;
    };

    struct Handlers {
        // A message for the program, in the order they came.
        std::function<void(const WindowEvent&)> input;
        // The window's client area has a new size (and was painted black).
        std::function<void(int32_t width, int32_t height)> resized;
        // The session ends (a log-off or shutdown): the process ends after this returns.
        std::function<void()> sessionEnds;
    };

    // The picture shown in the window: 32-bit 0x00RRGGBB pixels, top row first, as many
    // as `place` holds; the rest of the window is black.
    struct Picture {
        const uint32_t* pixels;
        Area place;
    };

    // Null when the window cannot be made; its client area is `width` x `height` when it
    // is an ordinary window.
    static std::unique_ptr<HostWindow> Open(const std::string& title, int32_t width, int32_t height,
                                            Kind kind, Handlers handlers);
    virtual ~HostWindow() = default;

    // The window as the system knows it (its HWND), for dialogs of the system it owns.
    virtual void* SystemHandle() const = 0;
    // The window's client size.
    virtual int32_t Width() const = 0;
    virtual int32_t Height() const = 0;

    // The picture to show from now on (it stays the caller's), drawn whole at the next paint.
    virtual void SetPicture(Picture picture) = 0;
    // Draws `area` of the window from the picture now.
    virtual void Show(Area area) = 0;

    // Handles every message waiting.
    virtual void Pump() = 0;
    // Blocks up to `milliseconds`, or until a message comes or Wake is called.
    virtual void Wait(uint32_t milliseconds) = 0;
    // From any thread.
    virtual void Wake() = 0;

    // Shows the window and makes it the active one.
    virtual void Reveal() = 0;
    virtual void Hide() = 0;
    virtual bool Hidden() const = 0;
    // Between covering the monitor and an ordinary window.
    virtual void ToggleFullScreen() = 0;
    // An ordinary window centred on the monitor with a client area of `width` x `height`
    // (a message box alone); or back to the window's own kind and place.
    virtual void ShowAlone(int32_t width, int32_t height) = 0;
    virtual void ShowWhole() = 0;
    virtual void Restore() = 0;
    virtual void Raise() = 0;

    // The pointer's picture: 0xAARRGGBB pixels, top row first, each drawn `scale` x
    // `scale`; null pixels: no picture (nothing is shown).
    virtual void SetCursor(const uint32_t* pixels, int32_t width, int32_t height, int32_t hotX,
                           int32_t hotY, int32_t scale) = 0;
    virtual void SetCursorVisible(bool visible) = 0;
    // Client-area pixels.
    virtual void MovePointer(int32_t x, int32_t y) = 0;
    // Holds the pointer inside `area` of the client area (null: free) while the program
    // is the active one.
    virtual void Confine(const Area* area) = 0;
};
