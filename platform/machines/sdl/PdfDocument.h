#pragma once
// A print job's pages as a PDF file: each printer page (a surface of device pixels at
// a known resolution) becomes one PDF page of the same proportions, so a landscape
// page stays landscape.

#include <cairo.h>

#include <string>

#include "platform/gdi/Surface.h"

class PdfDocument {
public:
    // Starts a document in `path`; Valid() tells whether it could be created.
    PdfDocument(const std::string& path, double dotsPerInch);
    ~PdfDocument();
    PdfDocument(const PdfDocument&) = delete;
    PdfDocument& operator=(const PdfDocument&) = delete;

    bool Valid() const { return m_surface != nullptr; }
    bool AddPage(const Surface& page);
    // Writes the file out; false when cairo could not.
    bool Finish();

private:
    cairo_surface_t* m_surface = nullptr;
    double m_pointsPerPixel;
    int m_pages = 0;
};
