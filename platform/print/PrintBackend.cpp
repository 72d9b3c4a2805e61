#include "platform/print/PrintBackend.h"

#include "platform/kernel/BackendSlot.h"

namespace {

BackendSlot<PrintBackend>& Slot() {
    static BackendSlot<PrintBackend> slot;
    return slot;
}

}  // namespace

PrintBackend& CurrentPrintBackend() {
    return Slot().Current();
}

PrintBackend* InstallPrintBackend(PrintBackend* backend) {
    return Slot().Install(backend);
}
