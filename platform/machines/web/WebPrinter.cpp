#include "platform/machines/web/WebPrinter.h"

#include <emscripten.h>

#include <cstdint>
#include <vector>

#include "platform/machines/web/CanvasPixels.h"

namespace {

// The browser's print-out: an A4 page at 150 dots an inch, portrait.
constexpr LONG kPrintWidth = 1240;
constexpr LONG kPrintHeight = 1754;

// clang-format off
EM_JS(void, quillory_add_printed_page, (const uint8_t* pixels, int width, int height), {
    WebAlbum.printout.push(WebAlbum.pictureUrl(pixels, width, height, 1));
});

EM_ASYNC_JS(void, quillory_print, (), { await WebAlbum.print(); });
// clang-format on

}  // namespace

std::optional<PrinterDescription> WebPrinter::DefaultPrinter() {
    return PrinterDescription{"the browser", kPrintWidth, kPrintHeight};
}

// The browser's print dialog asks, with its own choice of printer.
bool WebPrinter::ConfirmPrinting(bool) {
    return true;
}

bool WebPrinter::StartPrintJob(const std::string&) {
    if (m_printing) return false;
    m_printing = true;
    return true;
}

bool WebPrinter::PrintPage(const Surface& page) {
    if (!m_printing) return false;
    const std::vector<uint8_t> rgba = CanvasPixels::RgbaOf(page);
    quillory_add_printed_page(rgba.data(), page.Width(), page.Height());
    return true;
}

bool WebPrinter::EndPrintJob() {
    if (!m_printing) return false;
    m_printing = false;
    quillory_print();
    return true;
}
