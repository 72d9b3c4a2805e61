#define WIN32_LEAN_AND_MEAN
#define NOMINMAX
#include "platform/machines/win32/HostPrinter.h"

#include <windows.h>

#include <commdlg.h>

#include <algorithm>
#include <utility>

#include "platform/machines/win32/HostText.h"

namespace {

// The print dialog's answer: the settings and names it hands over (global memory), and
// the printer context when asked for one; each freed with the answer unless kept.
class DialogAnswer {
public:
    explicit DialogAnswer(HWND owner, DWORD flags) {
        m_request.lStructSize = sizeof m_request;
        m_request.hwndOwner = owner;
        m_request.Flags = flags;
        m_request.nCopies = 1;
    }
    ~DialogAnswer() {
        if (m_request.hDC != nullptr) DeleteDC(m_request.hDC);
        if (m_request.hDevMode != nullptr) GlobalFree(m_request.hDevMode);
        if (m_request.hDevNames != nullptr) GlobalFree(m_request.hDevNames);
    }
    DialogAnswer(const DialogAnswer&) = delete;
    DialogAnswer& operator=(const DialogAnswer&) = delete;

    // Shows the dialog, or with PD_RETURNDEFAULT answers for the default printer.
    bool Ask() { return PrintDlgW(&m_request) != FALSE; }
    // Takes over the settings and names of `other`, to show them in this dialog.
    void StartFrom(DialogAnswer& other) {
        m_request.hDevMode = std::exchange(other.m_request.hDevMode, nullptr);
        m_request.hDevNames = std::exchange(other.m_request.hDevNames, nullptr);
    }
    HDC Printer() const { return m_request.hDC; }
    HDC TakePrinter() { return std::exchange(m_request.hDC, nullptr); }
    // The settings, locked while `use` runs; false without them.
    template <typename Use>
    bool WithSettings(Use use) {
        auto* settings = static_cast<DEVMODEW*>(GlobalLock(m_request.hDevMode));
        if (settings == nullptr) return false;
        use(*settings);
        GlobalUnlock(m_request.hDevMode);
        return true;
    }
    std::wstring PrinterName() const {
        const auto* names = static_cast<const DEVNAMES*>(GlobalLock(m_request.hDevNames));
        if (names == nullptr) return {};
        std::wstring name(reinterpret_cast<const wchar_t*>(names) + names->wDeviceOffset);
        GlobalUnlock(m_request.hDevNames);
        return name;
    }

private:
    PRINTDLGW m_request{};
};

// `dots` of a printer with `dotsPerInch` as the pixels of a page.
int32_t PagePixels(int dots, int dotsPerInch) {
    if (dotsPerInch <= HostPrinter::kDotsPerInch) return dots;
    return static_cast<int32_t>(int64_t{dots} * HostPrinter::kDotsPerInch / dotsPerInch);
}

}  // namespace

HostPrinter::HostPrinter(std::function<void*()> ownerWindow)
    : m_ownerWindow(std::move(ownerWindow)) {}

HostPrinter::~HostPrinter() {
    if (m_printing) AbortDoc(static_cast<HDC>(m_printer));
    ForgetPrinter();
}

void HostPrinter::ForgetPrinter() {
    if (m_printer != nullptr) DeleteDC(static_cast<HDC>(m_printer));
    m_printer = nullptr;
    m_printing = false;
}

std::optional<HostPrinter::Paper> HostPrinter::DefaultPaper() const {
    DialogAnswer answer(nullptr, PD_RETURNDEFAULT | PD_RETURNDC);
    if (!answer.Ask() || answer.Printer() == nullptr) return std::nullopt;
    bool landscape = false;
    answer.WithSettings([&landscape](const DEVMODEW& settings) {
        landscape = (settings.dmFields & DM_ORIENTATION) != 0 &&
                    settings.dmOrientation == DMORIENT_LANDSCAPE;
    });
    HDC printer = answer.Printer();
    int32_t width = PagePixels(GetDeviceCaps(printer, HORZRES), GetDeviceCaps(printer, LOGPIXELSX));
    int32_t height =
        PagePixels(GetDeviceCaps(printer, VERTRES), GetDeviceCaps(printer, LOGPIXELSY));
    if (width <= 0 || height <= 0) return std::nullopt;
    if (landscape) std::swap(width, height);
    return Paper{HostText::Narrow(answer.PrinterName()), width, height};
}

bool HostPrinter::Confirm(bool landscape) {
    if (m_printing) return false;
    DialogAnswer defaults(nullptr, PD_RETURNDEFAULT);
    if (!defaults.Ask()) return false;
    defaults.WithSettings([landscape](DEVMODEW& settings) {
        settings.dmFields |= DM_ORIENTATION;
        settings.dmOrientation =
            static_cast<short>(landscape ? DMORIENT_LANDSCAPE : DMORIENT_PORTRAIT);
    });
    DialogAnswer dialog(static_cast<HWND>(m_ownerWindow ? m_ownerWindow() : nullptr),
                        PD_RETURNDC | PD_NOPAGENUMS | PD_NOSELECTION | PD_HIDEPRINTTOFILE |
                            PD_USEDEVMODECOPIESANDCOLLATE);
    dialog.StartFrom(defaults);
    if (!dialog.Ask() || dialog.Printer() == nullptr) return false;
    ForgetPrinter();
    m_printer = dialog.TakePrinter();
    return true;
}

bool HostPrinter::StartJob(const std::string& documentName) {
    if (m_printing) return false;
    if (m_printer == nullptr) {
        DialogAnswer defaults(nullptr, PD_RETURNDEFAULT | PD_RETURNDC);
        if (!defaults.Ask() || defaults.Printer() == nullptr) return false;
        m_printer = defaults.TakePrinter();
    }
    const std::wstring name = HostText::Wide(documentName);
    DOCINFOW document{};
    document.cbSize = sizeof document;
    document.lpszDocName = name.c_str();
    m_printing = StartDocW(static_cast<HDC>(m_printer), &document) > 0;
    return m_printing;
}

bool HostPrinter::PrintPage(std::span<const uint32_t> pixels, int32_t width, int32_t height) {
    HDC printer = static_cast<HDC>(m_printer);
    if (!m_printing || width <= 0 || height <= 0 ||
        pixels.size() < static_cast<size_t>(width) * static_cast<size_t>(height) ||
        StartPage(printer) <= 0)
        return false;
    // As large as the printable area holds the page with its proportions, centred.
    const int64_t areaWidth = GetDeviceCaps(printer, HORZRES);
    const int64_t areaHeight = GetDeviceCaps(printer, VERTRES);
    int64_t printedWidth = areaWidth;
    int64_t printedHeight = areaWidth * height / width;
    if (printedHeight > areaHeight) {
        printedHeight = areaHeight;
        printedWidth = areaHeight * width / height;
    }
    BITMAPINFO picture{};
    picture.bmiHeader.biSize = sizeof picture.bmiHeader;
    picture.bmiHeader.biWidth = width;
    picture.bmiHeader.biHeight = -height;  // rows top-down
    picture.bmiHeader.biPlanes = 1;
    picture.bmiHeader.biBitCount = 32;
    picture.bmiHeader.biCompression = BI_RGB;
    SetStretchBltMode(printer, HALFTONE);
    SetBrushOrgEx(printer, 0, 0, nullptr);
    const int copied =
        StretchDIBits(printer, static_cast<int>((areaWidth - printedWidth) / 2),
                      static_cast<int>((areaHeight - printedHeight) / 2),
                      static_cast<int>(printedWidth), static_cast<int>(printedHeight), 0, 0, width,
                      height, pixels.data(), &picture, DIB_RGB_COLORS, SRCCOPY);
    const bool ended = EndPage(printer) > 0;
    return copied != 0 && copied != static_cast<int>(GDI_ERROR) && ended;
}

// Each confirmation prints one job: the printer context goes with its end.
bool HostPrinter::EndJob() {
    if (!m_printing) return false;
    const bool ended = EndDoc(static_cast<HDC>(m_printer)) > 0;
    ForgetPrinter();
    return ended;
}
