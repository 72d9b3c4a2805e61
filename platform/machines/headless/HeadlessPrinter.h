#pragma once
// The headless machine's printing side: no printer or one of a given size, the print
// dialog's answers as a test scripts them, and every page printed kept for the test.

#include <deque>
#include <mutex>
#include <optional>
#include <string>
#include <vector>

#include "platform/print/PrintBackend.h"

class HeadlessPrinter : public virtual PrintBackend {
public:
    enum class PrinterAnswer { Confirm, Cancel };

    std::optional<PrinterDescription> DefaultPrinter() override;
    // Answers as scripted; once the script runs out, confirms.
    bool ConfirmPrinting(bool landscape) override;
    bool StartPrintJob(const std::string& documentName) override;
    bool PrintPage(const Surface& page) override;
    bool EndPrintJob() override;

    // The printer: none, or one of the size given; and the next answers of the print dialog.
    void InstallPrinter(std::optional<PrinterDescription> printer);
    void ScriptPrinterAnswers(std::vector<PrinterAnswer> answers);
    const std::vector<Surface>& PrintedPages() const { return m_printed; }
    std::vector<std::string> PrintedDocuments() const;
    bool LastPrintAskedLandscape() const;

    // No printer, no script, nothing printed.
    void ForgetPrinting();

private:
    mutable std::mutex m_lock;
    std::optional<PrinterDescription> m_printer;
    std::deque<PrinterAnswer> m_answers;
    bool m_askedLandscape = false;
    bool m_printing = false;
    std::vector<Surface> m_printed;
    std::vector<std::string> m_documents;
};
