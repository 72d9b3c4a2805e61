#include "platform/kernel/HostClock.h"

#include <time.h>

namespace HostClock {

// The boot-time clock, which goes on counting while the machine sleeps.
std::chrono::nanoseconds SinceStart() {
    timespec now{};
    clock_gettime(CLOCK_BOOTTIME, &now);
    return std::chrono::seconds(now.tv_sec) + std::chrono::nanoseconds(now.tv_nsec);
}

std::tm LocalTimeNow() {
    const std::time_t now = std::time(nullptr);
    std::tm local{};
    localtime_r(&now, &local);
    return local;
}

}  // namespace HostClock
