#pragma once
// Windows' printing side: the system's default printer, the system's print dialog with
// the orientation preset, and the job on the printer context the dialog gives
// (HostPrinter). With no printer installed there is no default printer, and the
// album tells the user so in its own message.

#include <functional>
#include <optional>
#include <string>

#include "platform/machines/win32/HostPrinter.h"
#include "platform/print/PrintBackend.h"

class Win32Printer : public virtual PrintBackend {
public:
    // `ownerWindow` gives the album's window (a window handle of the system; null for
    // none): the print dialog belongs to it and shows above it.
    explicit Win32Printer(std::function<void*()> ownerWindow);

    std::optional<PrinterDescription> DefaultPrinter() override;
    bool ConfirmPrinting(bool landscape) override;
    bool StartPrintJob(const std::string& documentName) override;
    bool PrintPage(const Surface& page) override;
    bool EndPrintJob() override;

private:
    HostPrinter m_printer;
};
