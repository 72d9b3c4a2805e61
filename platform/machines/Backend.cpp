#include "platform/machines/Backend.h"

#include <atomic>

#include "platform/user/StandardClasses.h"

namespace {

std::atomic<Backend*> g_installed{nullptr};

}  // namespace

Backend* InstallBackend(Backend* backend) {
    KernelBackendSlot::Install(backend);
    UserBackendSlot::Install(backend);
    PrintBackendSlot::Install(backend);
    // The window system on a machine starts with its own classes.
    RegisterStandardClasses();
    return g_installed.exchange(backend);
}
