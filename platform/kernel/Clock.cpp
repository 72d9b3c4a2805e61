#include "platform/kernel/Clock.h"

#include "platform/kernel/HostClock.h"
#include "platform/kernel/KernelBackend.h"

DWORD timeGetTime() {
    return KernelBackendSlot::Current().MillisecondClock();
}

void Sleep(DWORD milliseconds) {
    KernelBackendSlot::Current().Sleep(milliseconds);
}

void GetLocalTime(SYSTEMTIME* time) {
    if (time == nullptr) return;
    const std::tm local = HostClock::LocalTimeNow();
    *time = SYSTEMTIME{static_cast<WORD>(local.tm_year + 1900), static_cast<WORD>(local.tm_mon + 1),
                       static_cast<WORD>(local.tm_wday),        static_cast<WORD>(local.tm_mday),
                       static_cast<WORD>(local.tm_hour),        static_cast<WORD>(local.tm_min),
                       static_cast<WORD>(local.tm_sec),         0};
}
