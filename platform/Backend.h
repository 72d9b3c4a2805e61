#pragma once
// The one narrow interface through which platform/ reaches the machine. The real
// desktop and the in-memory test machine each implement it; everything above talks
// to the Windows-style functions, never to a backend directly.

#include <optional>
#include <string>

#include "platform/InputEvent.h"
#include "platform/Surface.h"
#include "platform/WinTypes.h"

// A cursor picture: 32-bit pixels with the hot spot inside it.
struct CursorImage;

// What the machine says about its printer.
struct PrinterDescription {
    std::string name;
    // The printable area in device pixels, in portrait orientation.
    LONG width;
    LONG height;
};

class Backend {
public:
    virtual ~Backend() = default;

    // Shows `screen`'s rectangle `area` (screen coordinates) on the display.
    virtual void Present(const Surface& screen, const RECT& area) = 0;
    // The next input event, or nothing when none is waiting.
    virtual std::optional<InputEvent> NextInputEvent() = 0;
    // Blocks up to `milliseconds` for input; answers early when some may be waiting,
    // or when Wake was called meanwhile.
    virtual void WaitForInput(DWORD milliseconds) = 0;
    // Every message waiting has been handled, paints included: the screen is complete.
    virtual void Settled() {}
    // From any thread: ends the WaitForInput in progress, or else the next one, so that
    // a message posted from another thread is seen at once.
    virtual void Wake() {}

    // The pointer's picture (null: no picture) and visibility.
    virtual void SetCursorImage(const CursorImage* image) = 0;
    virtual void SetCursorVisible(bool visible) = 0;
    // Puts the pointer at a screen point, and holds it inside `area` (null: free).
    virtual void WarpPointer(POINT screenPoint) = 0;
    virtual void ConfinePointer(const RECT* area) = 0;

    // Restores the program's window on the desktop when it was minimised, and brings
    // it in front of other programs.
    virtual void RestoreWindow() = 0;
    virtual void RaiseWindow() = 0;

    // The full-screen switch: open the display, take it for this program alone, set
    // the mode; then at the end give the desktop's mode back and close the display.
    virtual bool OpenDisplay() = 0;
    virtual bool TakeDisplayExclusively() = 0;
    virtual bool SetDisplayMode(LONG width, LONG height, LONG bitsPerPixel) = 0;
    virtual bool RestoreDisplayMode() = 0;
    virtual bool CloseDisplay() = 0;

    // The default printer, or nothing when no printer is installed.
    virtual std::optional<PrinterDescription> DefaultPrinter() = 0;
    // Asks the user to confirm printing on the default printer (landscape preset
    // when `landscape`); false when the user cancels.
    virtual bool ConfirmPrinting(bool landscape) = 0;
    // The print job: a document begins, each finished page is handed over, it ends.
    virtual bool StartPrintJob(const std::string& documentName) = 0;
    virtual bool PrintPage(const Surface& page) = 0;
    virtual bool EndPrintJob() = 0;

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
    virtual void Beep(UINT type) = 0;

    // Before the bytes of an open host file are first looked at: a machine that brings
    // some files in on demand (the browser, from its site) does so now. The desktop's
    // files are on disk already.
    virtual void BeforeReading(int /*hostDescriptor*/) {}

    // Milliseconds since the machine started, wrapping at 2^32.
    virtual DWORD MillisecondClock();
    virtual void Sleep(DWORD milliseconds);
};

// The backend in use. Until one is installed this is the null backend, which has no
// display; tests install the headless machine by linking it.
Backend& CurrentBackend();

// Installs `backend` (not owned; null brings back the null backend) and returns
// the one it replaced.
Backend* InstallBackend(Backend* backend);
