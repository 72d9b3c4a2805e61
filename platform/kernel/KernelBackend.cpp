#include "platform/kernel/KernelBackend.h"

#include <time.h>

#include <chrono>
#include <cstdlib>
#include <thread>

DWORD KernelBackend::MillisecondClock() {
    timespec now{};
    clock_gettime(CLOCK_BOOTTIME, &now);
    const auto milliseconds =
        static_cast<uint64_t>(now.tv_sec) * 1000u + static_cast<uint64_t>(now.tv_nsec) / 1000000u;
    return static_cast<DWORD>(milliseconds);
}

void KernelBackend::Sleep(DWORD milliseconds) {
    std::this_thread::sleep_for(std::chrono::milliseconds(milliseconds));
}

std::string KernelBackend::SettingsFolder() {
    const char* configHome = std::getenv("XDG_CONFIG_HOME");
    // The XDG rule: a relative $XDG_CONFIG_HOME is ignored.
    if (configHome != nullptr && configHome[0] == '/')
        return std::string(configHome) + "/quillory3";
    const char* home = std::getenv("HOME");
    return std::string(home != nullptr ? home : "") + "/.config/quillory3";
}
