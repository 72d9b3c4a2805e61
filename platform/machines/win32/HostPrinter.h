#pragma once
// The system's printers: the default printer's paper, the system's print dialog, and a
// job on the printer device context the dialog gives. Pages are made at most
// kDotsPerInch (fine enough for a picture, small in memory) and stretched to the
// printer's own resolution as they are printed.
//
// A host file: it talks to Windows, and its header uses standard types only.

#include <cstdint>
#include <functional>
#include <optional>
#include <span>
#include <string>

class HostPrinter {
public:
    static constexpr int32_t kDotsPerInch = 150;

    // The printable area of a printer's paper in the pixels of a page, in portrait.
    struct Paper {
        std::string name;
        int32_t width;
        int32_t height;
    };

    // `ownerWindow` gives the window the print dialog belongs to (a window handle; null
    // for none), so that the dialog shows above the album.
    explicit HostPrinter(std::function<void*()> ownerWindow);
    ~HostPrinter();
    HostPrinter(const HostPrinter&) = delete;
    HostPrinter& operator=(const HostPrinter&) = delete;

    // Nothing when no printer is installed.
    std::optional<Paper> DefaultPaper() const;
    // Shows the print dialog for the default printer with the orientation preset; the
    // printer and settings chosen there print the next job. False when the user cancels.
    bool Confirm(bool landscape);
    // A job on the printer confirmed last, else on the default printer as it is set.
    bool StartJob(const std::string& documentName);
    // One page: `pixels` are 0x00RRGGBB, rows top-down, `width` a row. The page is
    // printed as large as the printable area holds it, centred.
    bool PrintPage(std::span<const uint32_t> pixels, int32_t width, int32_t height);
    bool EndJob();

private:
    void ForgetPrinter();

    std::function<void*()> m_ownerWindow;
    // The printer device context of the next or running job.
    void* m_printer = nullptr;
    bool m_printing = false;
};
