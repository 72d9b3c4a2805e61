#pragma once
// Prints the page on show once, on one sheet in landscape, three quarters of the paper's
// width wide and centred. The whole job runs in the constructor; failures are logged
// and nothing is shown to the user.

#include <cstdint>

#include "gfx/PrintablePage.h"
#include "platform/print/Print.h"

class CPrinter {
public:
    CPrinter(HWND owner, const char* documentName, PrintablePage& page);
    virtual ~CPrinter() = default;
    CPrinter(const CPrinter&) = delete;
    CPrinter& operator=(const CPrinter&) = delete;

    // The default printer, turned to landscape, then confirmed by the user in the print
    // dialog. Null when there is no printer or the user cancels.
    static HDC GetPrinterDC(HWND owner);
    // Turns the page's rectangle into its place on the paper, read afterwards as left,
    // top, width and height: w = three quarters of the printable width, the source's
    // proportions kept, centred both ways.
    static void FitToPage(HDC printer, RECT& rect);

private:
    // Prints on an open printer context; false once a step has failed.
    bool PrintOn(HDC printer, PrintablePage& page);

    DOCINFOA m_documentInfo{};
};
