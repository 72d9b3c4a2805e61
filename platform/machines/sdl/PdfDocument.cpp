#include "platform/machines/sdl/PdfDocument.h"

#include <cairo-pdf.h>

namespace {

constexpr double kPointsPerInch = 72.0;

}  // namespace

PdfDocument::PdfDocument(const std::string& path, double dotsPerInch)
    : m_pointsPerPixel(kPointsPerInch / dotsPerInch) {
    // The size is set again for every page; this first one is a placeholder.
    cairo_surface_t* surface =
        cairo_pdf_surface_create(path.c_str(), kPointsPerInch, kPointsPerInch);
    if (cairo_surface_status(surface) == CAIRO_STATUS_SUCCESS) {
        m_surface = surface;
    } else {
        cairo_surface_destroy(surface);
    }
}

PdfDocument::~PdfDocument() {
    if (m_surface != nullptr) cairo_surface_destroy(m_surface);
}

bool PdfDocument::AddPage(const Surface& page) {
    if (m_surface == nullptr || page.Width() <= 0 || page.Height() <= 0) return false;
    cairo_pdf_surface_set_size(m_surface, page.Width() * m_pointsPerPixel,
                               page.Height() * m_pointsPerPixel);
    // The surface's 0x00RRGGBB rows are cairo's RGB24 layout exactly; cairo only reads them.
    const int stride = cairo_format_stride_for_width(CAIRO_FORMAT_RGB24, page.Width());
    if (stride != page.Width() * 4) return false;
    auto* pixels = reinterpret_cast<unsigned char*>(const_cast<uint32_t*>(page.Row(0)));
    cairo_surface_t* image = cairo_image_surface_create_for_data(
        pixels, CAIRO_FORMAT_RGB24, page.Width(), page.Height(), stride);
    cairo_t* cr = cairo_create(m_surface);
    cairo_scale(cr, m_pointsPerPixel, m_pointsPerPixel);
    cairo_set_source_surface(cr, image, 0, 0);
    cairo_paint(cr);
    cairo_show_page(cr);
    const bool drawn = cairo_status(cr) == CAIRO_STATUS_SUCCESS;
    cairo_destroy(cr);
    cairo_surface_destroy(image);
    if (drawn) ++m_pages;
    return drawn;
}

bool PdfDocument::Finish() {
    if (m_surface == nullptr) return false;
    cairo_surface_finish(m_surface);
    return cairo_surface_status(m_surface) == CAIRO_STATUS_SUCCESS && m_pages > 0;
}
