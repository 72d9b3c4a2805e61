#include "gfx/Printer.h"

#include "diag/Log.h"
#include "platform/gdi/Gdi.h"

namespace {

constexpr DWORD kPrintDialogSize = 66;
constexpr int kDocumentInfoSize = 20;
// The printed frame is two pixels wider than the page on every side.
constexpr LONG kFrameGrowth = 4;

PRINTDLGA PrinterRequest(HWND owner, DWORD flags) {
    PRINTDLGA request{};
    request.lStructSize = kPrintDialogSize;
    request.hwndOwner = owner;
    request.Flags = flags;
    request.nCopies = 1;
    return request;
}

}  // namespace

CPrinter::CPrinter(HWND owner, const char* documentName, PrintablePage& page) {
    WriteLog("CPrinter::CPrinter: Printer Dialog");
    HDC printer = GetPrinterDC(owner);
    if (printer == nullptr) {
        WriteLog("CPrinter::CPrinter: Unable to get a printer DC");
        return;
    }
    m_documentInfo = DOCINFOA{kDocumentInfoSize, documentName, nullptr, nullptr, 0};
    PrintOn(printer, page);
    DeleteDC(printer);
}

bool CPrinter::PrintOn(HDC printer, PrintablePage& page) {
    if (StartDocA(printer, &m_documentInfo) <= 0) {
        WriteLog("CPrinter::CPrinter: StartDoc failed");
        return false;
    }
    if (StartPage(printer) <= 0) {
        WriteLog("CPrinter::CPrinter: StartPage failed");
        return false;
    }
    RECT area{};
    page.GetBufferRect(area);
    area.right += kFrameGrowth;
    area.bottom += kFrameGrowth;
    FitToPage(printer, area);
    page.PrintPage(printer, area);
    bool printed = true;
    if (EndPage(printer) < 1) {
        WriteLog("CPrinter::CPrinter: EndPage failed");
        printed = false;
    }
    if (EndDoc(printer) < 1) {
        WriteLog("CPrinter::CPrinter: EndDoc failed");
        printed = false;
    }
    return printed;
}

HDC CPrinter::GetPrinterDC(HWND owner) {
    PRINTDLGA request = PrinterRequest(owner, PD_RETURNDEFAULT | PD_RETURNDC);
    if (PrintDlgA(&request) == FALSE) return nullptr;
    HDC defaultContext = request.hDC;
    if (request.hDevMode != nullptr) {
        request.hDevMode->dmFields |= DM_ORIENTATION;
        request.hDevMode->dmOrientation = DMORIENT_LANDSCAPE;
        if (defaultContext != nullptr) ResetDCA(defaultContext, request.hDevMode);
    }
    request.Flags = PD_RETURNDC | PD_NOPAGENUMS | PD_NOSELECTION | PD_HIDEPRINTTOFILE;
    request.hDC = nullptr;
    const BOOL confirmed = PrintDlgA(&request);
    // The default printer's context only carried the settings; the dialog makes the
    // context that prints, so the first one is freed here rather than left behind.
    if (defaultContext != nullptr) DeleteDC(defaultContext);
    return confirmed != FALSE ? request.hDC : nullptr;
}

void CPrinter::FitToPage(HDC printer, RECT& rect) {
    const int64_t paperWidth = GetDeviceCaps(printer, HORZRES);
    const int64_t paperHeight = GetDeviceCaps(printer, VERTRES);
    // A source without width has no proportions to keep.
    if (rect.right <= 0) return;
    const int64_t width = paperWidth * 3 / 4;
    const int64_t height = int64_t{rect.bottom} * width / rect.right;
    rect.left = static_cast<LONG>((paperWidth - width) >> 1);
    rect.top = static_cast<LONG>((paperHeight - height) / 2);
    rect.right = static_cast<LONG>(width);
    rect.bottom = static_cast<LONG>(height);
}
