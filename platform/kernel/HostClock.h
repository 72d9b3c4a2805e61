#pragma once
// The host's clocks, for the kernel's time calls: how long the machine has been running,
// and the calendar in its time zone. One implementation for each host system
// (HostClockPosix.cpp, HostClockWindows.cpp).

#include <chrono>
#include <ctime>

namespace HostClock {

// The time since the machine started, on a clock that never goes back.
std::chrono::nanoseconds SinceStart();
// The date and time of day now, in the machine's time zone.
std::tm LocalTimeNow();

}  // namespace HostClock
