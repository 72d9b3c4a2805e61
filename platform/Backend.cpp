#include "platform/Backend.h"

#include <time.h>

#include <atomic>
#include <thread>

#include "platform/NullBackend.h"

namespace {

std::atomic<Backend*> g_installed{nullptr};

}  // namespace

DWORD Backend::MillisecondClock() {
    timespec now{};
    clock_gettime(CLOCK_BOOTTIME, &now);
    const auto milliseconds =
        static_cast<uint64_t>(now.tv_sec) * 1000u + static_cast<uint64_t>(now.tv_nsec) / 1000000u;
    return static_cast<DWORD>(milliseconds);
}

void Backend::Sleep(DWORD milliseconds) {
    std::this_thread::sleep_for(std::chrono::milliseconds(milliseconds));
}

Backend& CurrentBackend() {
    Backend* installed = g_installed.load();
    return installed != nullptr ? *installed : NullBackend::Instance();
}

Backend* InstallBackend(Backend* backend) {
    return g_installed.exchange(backend);
}
