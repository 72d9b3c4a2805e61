#pragma once
// The machine of a program without a display: nothing is shown, no input comes, there
// is no printer, and a message box, which no one could answer, goes to the error
// stream and answers 0 (not shown). It is the backend in use until the desktop
// installs its own: the copy of the program that only hands over to a running one
// needs nothing more.

#include <condition_variable>
#include <mutex>

#include "platform/Backend.h"

class NullBackend : public Backend {
public:
    static NullBackend& Instance();

    void Present(const Surface& screen, const RECT& area) override;
    std::optional<InputEvent> NextInputEvent() override;
    // No input ever comes: a wait lasts its time, or until a message is posted.
    void WaitForInput(DWORD milliseconds) override;
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
    bool TellWithoutDisplay(const std::string& text, const std::string& caption) override;
    void Beep(UINT type) override;

private:
    std::mutex m_wakeLock;
    std::condition_variable m_woken;
    bool m_wakeRequested = false;
};
