#pragma once
// The browser's printing side: the browser's own print dialog, with its own choice of
// printer. A job's pages go to the page as pictures; at the end of the job the page
// prints them.

#include <optional>
#include <string>

#include "platform/print/PrintBackend.h"

class WebPrinter : public virtual PrintBackend {
public:
    std::optional<PrinterDescription> DefaultPrinter() override;
    bool ConfirmPrinting(bool landscape) override;
    bool StartPrintJob(const std::string& documentName) override;
    bool PrintPage(const Surface& page) override;
    bool EndPrintJob() override;

private:
    bool m_printing = false;
};
