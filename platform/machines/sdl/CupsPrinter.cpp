#include "platform/machines/sdl/CupsPrinter.h"

#include <cups/cups.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>

#include "platform/machines/sdl/PdfDocument.h"

namespace {

constexpr double kMillimetresPerInch = 25.4;
// PWG media sizes are in hundredths of a millimetre.
constexpr double kPwgUnitsPerMillimetre = 100.0;
constexpr const char* kFallbackMedia = "iso_a4_210x297mm";

LONG ToDevicePixels(int pwgUnits) {
    return static_cast<LONG>(pwgUnits / kPwgUnitsPerMillimetre / kMillimetresPerInch *
                             CupsPrinter::kDotsPerInch);
}

// The destination's paper, by the names CUPS and its printers use for it.
pwg_media_t* MediaOf(const cups_dest_t& destination) {
    const char* name = cupsGetOption("media", destination.num_options, destination.options);
    pwg_media_t* media = nullptr;
    if (name != nullptr) media = pwgMediaForPWG(name);
    if (media == nullptr && name != nullptr) media = pwgMediaForLegacy(name);
    return media != nullptr ? media : pwgMediaForPWG(kFallbackMedia);
}

std::string TemporaryPdfPath() {
    const char* folder = std::getenv("TMPDIR");
    std::string pattern = std::string(folder != nullptr && *folder != '\0' ? folder : "/tmp") +
                          "/quillory-XXXXXX.pdf";
    const int file = mkstemps(pattern.data(), 4);
    if (file < 0) return {};
    close(file);
    return pattern;
}

}  // namespace

CupsPrinter::CupsPrinter() = default;

CupsPrinter::~CupsPrinter() {
    Discard();
}

std::optional<PrinterDescription> CupsPrinter::DefaultPrinter() const {
    cups_dest_t* destinations = nullptr;
    const int count = cupsGetDests2(CUPS_HTTP_DEFAULT, &destinations);
    const cups_dest_t* chosen = cupsGetDest(nullptr, nullptr, count, destinations);
    std::optional<PrinterDescription> printer;
    if (chosen != nullptr) {
        const pwg_media_t* media = MediaOf(*chosen);
        printer = PrinterDescription{chosen->name, ToDevicePixels(media->width),
                                     ToDevicePixels(media->length)};
    }
    cupsFreeDests(count, destinations);
    return printer;
}

bool CupsPrinter::StartJob(const std::string& documentName) {
    if (m_document) return false;
    const std::optional<PrinterDescription> printer = DefaultPrinter();
    if (!printer) return false;
    m_path = TemporaryPdfPath();
    if (m_path.empty()) return false;
    m_document = std::make_unique<PdfDocument>(m_path, kDotsPerInch);
    if (!m_document->Valid()) {
        Discard();
        return false;
    }
    m_documentName = documentName;
    m_destination = printer->name;
    return true;
}

bool CupsPrinter::PrintPage(const Surface& page) {
    return m_document && m_document->AddPage(page);
}

bool CupsPrinter::EndJob() {
    if (!m_document) return false;
    bool submitted = false;
    if (m_document->Finish()) {
        // The PDF's pages already have the printed orientation; CUPS fits them to the paper.
        const int job = cupsPrintFile2(CUPS_HTTP_DEFAULT, m_destination.c_str(), m_path.c_str(),
                                       m_documentName.c_str(), 0, nullptr);
        submitted = job > 0;
    }
    Discard();
    return submitted;
}

void CupsPrinter::Discard() {
    m_document.reset();
    if (!m_path.empty()) std::remove(m_path.c_str());
    m_path.clear();
}
