#include "platform/kernel/HostClock.h"

#define WIN32_LEAN_AND_MEAN
#include <windows.h>

namespace HostClock {

// The performance counter, which starts with the machine.
std::chrono::nanoseconds SinceStart() {
    LARGE_INTEGER count{};
    LARGE_INTEGER frequency{};
    QueryPerformanceCounter(&count);
    QueryPerformanceFrequency(&frequency);
    const auto ticks = static_cast<long long>(count.QuadPart);
    const auto perSecond = static_cast<long long>(frequency.QuadPart);
    return std::chrono::seconds(ticks / perSecond) +
           std::chrono::nanoseconds((ticks % perSecond) * 1000000000LL / perSecond);
}

std::tm LocalTimeNow() {
    const std::time_t now = std::time(nullptr);
    std::tm local{};
    localtime_s(&local, &now);
    return local;
}

}  // namespace HostClock
