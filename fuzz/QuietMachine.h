#pragma once
// The machine of the fuzz targets that raise checks: it shows nothing and keeps no
// record, and answers every message box with its default button, unseen, so that a target
// run millions of times neither grows nor pays for clearing a record each run.

#include "platform/Backend.h"

class QuietMachine : public Backend {
public:
    // Installs the one quiet machine (once) in place of the headless one.
    static void Install();

    void Present(const Surface&, const RECT&) override {}
    std::optional<InputEvent> NextInputEvent() override { return std::nullopt; }
    void WaitForInput(DWORD) override {}
    void SetCursorImage(const CursorImage*) override {}
    void SetCursorVisible(bool) override {}
    void WarpPointer(POINT) override {}
    void ConfinePointer(const RECT*) override {}
    void RestoreWindow() override {}
    void RaiseWindow() override {}
    bool OpenDisplay() override { return false; }
    bool TakeDisplayExclusively() override { return false; }
    bool SetDisplayMode(LONG, LONG, LONG) override { return false; }
    bool RestoreDisplayMode() override { return false; }
    bool CloseDisplay() override { return false; }
    std::optional<PrinterDescription> DefaultPrinter() override { return std::nullopt; }
    bool ConfirmPrinting(bool) override { return false; }
    bool StartPrintJob(const std::string&) override { return false; }
    bool PrintPage(const Surface&) override { return false; }
    bool EndPrintJob() override { return false; }
    bool TellWithoutDisplay(const std::string&, const std::string&) override { return true; }
    void Beep(UINT) override {}
};
