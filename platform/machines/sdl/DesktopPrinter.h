#pragma once
// The desktop's printing side: CUPS's default destination, confirmed in one of the
// album's own message boxes before a job starts.

#include <optional>
#include <string>

#include "platform/machines/sdl/CupsPrinter.h"
#include "platform/print/PrintBackend.h"

class DesktopPrinter : public virtual PrintBackend {
public:
    std::optional<PrinterDescription> DefaultPrinter() override;
    bool ConfirmPrinting(bool landscape) override;
    bool StartPrintJob(const std::string& documentName) override;
    bool PrintPage(const Surface& page) override;
    bool EndPrintJob() override;

private:
    CupsPrinter m_printer;
};
