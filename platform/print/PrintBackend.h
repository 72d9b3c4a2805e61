#pragma once
// What printing asks of the machine under it: the default printer and the print job.
// The defaults serve a machine without printers: there is none, and nothing prints.

#include <optional>
#include <string>

#include "platform/gdi/Surface.h"
#include "platform/kernel/BackendSlot.h"
#include "platform/kernel/WinTypes.h"

// What the machine says about its printer.
struct PrinterDescription {
    std::string name;
    // The printable area in device pixels, in portrait orientation.
    LONG width;
    LONG height;
};

class PrintBackend {
public:
    virtual ~PrintBackend() = default;

    // The default printer, or nothing when no printer is installed.
    virtual std::optional<PrinterDescription> DefaultPrinter() { return std::nullopt; }
    // Asks the user to confirm printing on the default printer (landscape preset
    // when `landscape`); false when the user cancels.
    virtual bool ConfirmPrinting(bool /*landscape*/) { return false; }
    // The print job: a document begins, each finished page is handed over, it ends.
    virtual bool StartPrintJob(const std::string& /*documentName*/) { return false; }
    virtual bool PrintPage(const Surface& /*page*/) { return false; }
    virtual bool EndPrintJob() { return false; }
};

// The print backend in use, and installing another; until one is installed, the defaults.
using PrintBackendSlot = BackendSlot<PrintBackend>;
