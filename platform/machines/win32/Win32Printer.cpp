#include "platform/machines/win32/Win32Printer.h"

#include <span>

Win32Printer::Win32Printer(std::function<void*()> ownerWindow)
    : m_printer(std::move(ownerWindow)) {}

std::optional<PrinterDescription> Win32Printer::DefaultPrinter() {
    const std::optional<HostPrinter::Paper> paper = m_printer.DefaultPaper();
    if (!paper) return std::nullopt;
    return PrinterDescription{paper->name, paper->width, paper->height};
}

bool Win32Printer::ConfirmPrinting(bool landscape) {
    return m_printer.Confirm(landscape);
}

bool Win32Printer::StartPrintJob(const std::string& documentName) {
    return m_printer.StartJob(documentName);
}

bool Win32Printer::PrintPage(const Surface& page) {
    const size_t pixels = static_cast<size_t>(page.Width()) * static_cast<size_t>(page.Height());
    return m_printer.PrintPage(std::span(page.Row(0), pixels), page.Width(), page.Height());
}

bool Win32Printer::EndPrintJob() {
    return m_printer.EndJob();
}
