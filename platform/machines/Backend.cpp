#include "platform/machines/Backend.h"

#include <atomic>

namespace {

std::atomic<Backend*> g_installed{nullptr};

}  // namespace

Backend* InstallBackend(Backend* backend) {
    InstallKernelBackend(backend);
    InstallUserBackend(backend);
    InstallPrintBackend(backend);
    return g_installed.exchange(backend);
}
