#include "platform/machines/Backend.h"

#include <atomic>

namespace {

std::atomic<Backend*> g_installed{nullptr};

}  // namespace

Backend* InstallBackend(Backend* backend) {
    KernelBackendSlot::Install(backend);
    UserBackendSlot::Install(backend);
    PrintBackendSlot::Install(backend);
    return g_installed.exchange(backend);
}
