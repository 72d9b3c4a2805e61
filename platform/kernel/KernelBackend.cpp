#include "platform/kernel/KernelBackend.h"

#include <chrono>
#include <cstdlib>
#include <thread>

#include "platform/kernel/HostClock.h"

DWORD KernelBackend::MillisecondClock() {
    const auto sinceStart =
        std::chrono::duration_cast<std::chrono::milliseconds>(HostClock::SinceStart());
    return static_cast<DWORD>(sinceStart.count());
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
