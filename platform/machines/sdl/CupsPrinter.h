#pragma once
// The printer: CUPS's default destination. A job's pages are rendered to a PDF file in
// the temporary folder and submitted to that destination when the job ends.

#include <memory>
#include <optional>
#include <string>

#include "platform/print/PrintBackend.h"

class PdfDocument;

class CupsPrinter {
public:
    // Pages are made at this resolution: fine enough for a picture, small in memory.
    static constexpr double kDotsPerInch = 150.0;

    CupsPrinter();
    ~CupsPrinter();
    CupsPrinter(const CupsPrinter&) = delete;
    CupsPrinter& operator=(const CupsPrinter&) = delete;

    // The default destination with its paper in device pixels, portrait.
    std::optional<PrinterDescription> DefaultPrinter() const;
    bool StartJob(const std::string& documentName);
    bool PrintPage(const Surface& page);
    // Submits the document; false when nothing was printed or CUPS refused it.
    bool EndJob();

private:
    void Discard();

    std::string m_documentName;
    std::string m_destination;
    std::string m_path;
    std::unique_ptr<PdfDocument> m_document;
};
