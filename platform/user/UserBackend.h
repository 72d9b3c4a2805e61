#pragma once
// What the window system asks of the machine under it: showing the screen, input, the
// pointer, the program's window on the desktop, the display mode, and the hooks of the
// message box. Every call has a default that serves a machine with no display: nothing
// is shown, no input comes, a wait lasts its time (or until woken), and the display
// cannot be opened. A machine overrides what it has.

#include <condition_variable>
#include <mutex>
#include <optional>
#include <string>

#include "platform/gdi/Surface.h"
#include "platform/kernel/BackendSlot.h"
#include "platform/kernel/WinTypes.h"
#include "platform/user/InputEvent.h"

// A cursor picture: 32-bit pixels with the hot spot inside it.
struct CursorImage;

class UserBackend {
public:
    virtual ~UserBackend() = default;

    // Shows `screen`'s rectangle `area` (screen coordinates) on the display.
    virtual void Present(const Surface& /*screen*/, const RECT& /*area*/) {}
    // The next input event, or nothing when none is waiting.
    virtual std::optional<InputEvent> NextInputEvent() { return std::nullopt; }
    // Blocks up to `milliseconds` for input; answers early when some may be waiting,
    // or when Wake was called meanwhile.
    virtual void WaitForInput(DWORD milliseconds);
    // Every message waiting has been handled, paints included: the screen is complete.
    virtual void Settled() {}
    // From any thread: ends the WaitForInput in progress, or else the next one, so that
    // a message posted from another thread is seen at once.
    virtual void Wake();

    // The pointer's picture (null: no picture) and visibility.
    virtual void SetCursorImage(const CursorImage* /*image*/) {}
    virtual void SetCursorVisible(bool /*visible*/) {}
    // Puts the pointer at a screen point, and holds it inside `area` (null: free).
    virtual void WarpPointer(POINT /*screenPoint*/) {}
    virtual void ConfinePointer(const RECT* /*area*/) {}

    // Restores the program's window on the desktop when it was minimised, and brings
    // it in front of other programs.
    virtual void RestoreWindow() {}
    virtual void RaiseWindow() {}

    // The full-screen switch: open the display, take it for this program alone, set
    // the mode; then at the end give the desktop's mode back and close the display.
    virtual bool OpenDisplay() { return false; }
    virtual bool TakeDisplayExclusively() { return false; }
    virtual bool SetDisplayMode(LONG /*width*/, LONG /*height*/, LONG /*bitsPerPixel*/) {
        return false;
    }
    virtual bool RestoreDisplayMode() { return false; }
    virtual bool CloseDisplay() { return false; }

    // Message boxes are windows of the program's own (MessageBoxWindow). A machine
    // without a display tells the message another way instead and answers true.
    virtual bool TellWithoutDisplay(const std::string& /*text*/, const std::string& /*caption*/) {
        return false;
    }
    // A message box has opened: a test machine answers it as its script says.
    virtual void MessageBoxOpened(const std::string& /*text*/, const std::string& /*caption*/,
                                  UINT /*type*/) {}
    // Until called again with null, only `area` of the screen is on show, in a window of
    // its own size: a message box before any other window of the program.
    virtual void ShowOnly(const RECT* /*area*/) {}
    virtual void Beep(UINT /*type*/) {}

private:
    std::mutex m_wakeLock;
    std::condition_variable m_woken;
    bool m_wakeRequested = false;
};

// The user backend in use, and installing another; until one is installed, the defaults.
using UserBackendSlot = BackendSlot<UserBackend>;
