#include "platform/machines/headless/HeadlessPrinter.h"

#include <utility>

std::optional<PrinterDescription> HeadlessPrinter::DefaultPrinter() {
    std::lock_guard lock(m_lock);
    return m_printer;
}

bool HeadlessPrinter::ConfirmPrinting(bool landscape) {
    std::lock_guard lock(m_lock);
    m_askedLandscape = landscape;
    if (m_answers.empty()) return true;
    const PrinterAnswer answer = m_answers.front();
    m_answers.pop_front();
    return answer == PrinterAnswer::Confirm;
}

bool HeadlessPrinter::StartPrintJob(const std::string& documentName) {
    std::lock_guard lock(m_lock);
    if (!m_printer || m_printing) return false;
    m_printing = true;
    m_documents.push_back(documentName);
    return true;
}

bool HeadlessPrinter::PrintPage(const Surface& page) {
    std::lock_guard lock(m_lock);
    if (!m_printing) return false;
    m_printed.push_back(page);
    return true;
}

bool HeadlessPrinter::EndPrintJob() {
    std::lock_guard lock(m_lock);
    return std::exchange(m_printing, false);
}

void HeadlessPrinter::InstallPrinter(std::optional<PrinterDescription> printer) {
    std::lock_guard lock(m_lock);
    m_printer = std::move(printer);
}

void HeadlessPrinter::ScriptPrinterAnswers(std::vector<PrinterAnswer> answers) {
    std::lock_guard lock(m_lock);
    m_answers.assign(answers.begin(), answers.end());
}

std::vector<std::string> HeadlessPrinter::PrintedDocuments() const {
    std::lock_guard lock(m_lock);
    return m_documents;
}

bool HeadlessPrinter::LastPrintAskedLandscape() const {
    std::lock_guard lock(m_lock);
    return m_askedLandscape;
}

void HeadlessPrinter::ForgetPrinting() {
    std::lock_guard lock(m_lock);
    m_printer.reset();
    m_answers.clear();
    m_askedLandscape = false;
    m_printing = false;
    m_printed.clear();
    m_documents.clear();
}
