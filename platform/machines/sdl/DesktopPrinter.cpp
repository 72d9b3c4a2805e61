#include "platform/machines/sdl/DesktopPrinter.h"

#include "platform/user/User.h"

std::optional<PrinterDescription> DesktopPrinter::DefaultPrinter() {
    return m_printer.DefaultPrinter();
}

bool DesktopPrinter::ConfirmPrinting(bool landscape) {
    const std::optional<PrinterDescription> printer = m_printer.DefaultPrinter();
    if (!printer) return false;
    const std::string text = "Print the page on the printer \"" + printer->name + "\", " +
                             (landscape ? "landscape" : "portrait") + "?";
    return MessageBoxA(nullptr, text.c_str(), "Print", MB_OKCANCEL) == IDOK;
}

bool DesktopPrinter::StartPrintJob(const std::string& documentName) {
    return m_printer.StartJob(documentName);
}
bool DesktopPrinter::PrintPage(const Surface& page) {
    return m_printer.PrintPage(page);
}
bool DesktopPrinter::EndPrintJob() {
    return m_printer.EndJob();
}
