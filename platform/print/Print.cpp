#include "platform/print/Print.h"

#include <map>
#include <memory>
#include <string>

#include "platform/gdi/DeviceContext.h"
#include "platform/print/PrintBackend.h"
#include "platform/user/User.h"

namespace {

// For the grown-up at the computer: printing needs a printer the system knows.
constexpr const char* kNoPrinterCaption = "Print";
constexpr const char* kNoPrinterText =
    "There is no printer to print on.\n\n"
    "Connect a printer and add it in the computer's printer settings (make it the "
    "default printer), then press Print again.";

struct PrinterContext {
    std::unique_ptr<Surface> page;
    bool inDocument = false;
    bool inPage = false;
};

std::map<HDC, PrinterContext>& Printers() {
    static std::map<HDC, PrinterContext> printers;
    return printers;
}

PrinterContext* Find(HDC dc) {
    const auto found = Printers().find(dc);
    return found != Printers().end() ? &found->second : nullptr;
}

DEVMODEA& DefaultSettings() {
    static DEVMODEA settings{DM_ORIENTATION, DMORIENT_PORTRAIT};
    return settings;
}

bool IsLandscape(const DEVMODEA* settings) {
    return settings != nullptr && (settings->dmFields & DM_ORIENTATION) != 0 &&
           settings->dmOrientation == DMORIENT_LANDSCAPE;
}

std::unique_ptr<Surface> BlankPage(const PrinterDescription& printer, bool landscape) {
    auto page = landscape ? std::make_unique<Surface>(printer.height, printer.width)
                          : std::make_unique<Surface>(printer.width, printer.height);
    page->Fill(0xFFFFFF);
    return page;
}

// DeleteDC of a printer context: a job left open ends here, so the spooler is never
// left waiting, and the page is freed.
void ReleasePrinterContext(HDC dc) {
    PrinterContext* context = Find(dc);
    if (context->inDocument) PrintBackendSlot::Current().EndPrintJob();
    Printers().erase(dc);
    ReleaseSurfaceDC(dc);
}

HDC NewPrinterContext(const PrinterDescription& printer, bool landscape) {
    auto page = BlankPage(printer, landscape);
    HDC dc = CreateSurfaceDC(page.get(), POINT{0, 0}, page->Bounds());
    dc->release = ReleasePrinterContext;
    Printers()[dc] = PrinterContext{std::move(page)};
    return dc;
}

}  // namespace

BOOL PrintDlgA(PRINTDLGA* request) {
    if (request == nullptr) return FALSE;
    const std::optional<PrinterDescription> printer = PrintBackendSlot::Current().DefaultPrinter();
    if (!printer) {
        if ((request->Flags & PD_NOWARNING) == 0) {
            MessageBoxA(request->hwndOwner, kNoPrinterText, kNoPrinterCaption,
                        MB_OK | MB_ICONINFORMATION);
        }
        return FALSE;
    }
    if (request->hDevMode == nullptr) {
        DefaultSettings() = DEVMODEA{DM_ORIENTATION, DMORIENT_PORTRAIT};
        request->hDevMode = &DefaultSettings();
    }
    const bool asks = (request->Flags & PD_RETURNDEFAULT) == 0;
    if (asks && !PrintBackendSlot::Current().ConfirmPrinting(IsLandscape(request->hDevMode)))
        return FALSE;
    if ((request->Flags & PD_RETURNDC) != 0)
        request->hDC = NewPrinterContext(*printer, IsLandscape(request->hDevMode));
    return TRUE;
}

HDC ResetDCA(HDC printer, const DEVMODEA* settings) {
    PrinterContext* context = Find(printer);
    const std::optional<PrinterDescription> description =
        PrintBackendSlot::Current().DefaultPrinter();
    if (context == nullptr || context->inPage || !description) return nullptr;
    context->page = BlankPage(*description, IsLandscape(settings));
    printer->surface = context->page.get();
    printer->clip = context->page->Bounds();
    return printer;
}

int StartDocA(HDC printer, const DOCINFOA* document) {
    PrinterContext* context = Find(printer);
    if (context == nullptr || document == nullptr || context->inDocument) return 0;
    if (!PrintBackendSlot::Current().StartPrintJob(
            document->lpszDocName != nullptr ? document->lpszDocName : ""))
        return 0;
    context->inDocument = true;
    return 1;
}

int StartPage(HDC printer) {
    PrinterContext* context = Find(printer);
    if (context == nullptr || !context->inDocument || context->inPage) return 0;
    context->page->Fill(0xFFFFFF);
    context->inPage = true;
    return 1;
}

int EndPage(HDC printer) {
    PrinterContext* context = Find(printer);
    if (context == nullptr || !context->inPage) return 0;
    context->inPage = false;
    return PrintBackendSlot::Current().PrintPage(*context->page) ? 1 : 0;
}

int EndDoc(HDC printer) {
    PrinterContext* context = Find(printer);
    if (context == nullptr || !context->inDocument) return 0;
    context->inDocument = false;
    context->inPage = false;
    return PrintBackendSlot::Current().EndPrintJob() ? 1 : 0;
}
