#include "platform/machines/headless/HeadlessClock.h"

DWORD HeadlessClock::MillisecondClock() {
    {
        std::lock_guard lock(m_lock);
        if (m_virtualClock) return *m_virtualClock;
    }
    return KernelBackend::MillisecondClock();
}

void HeadlessClock::Sleep(DWORD milliseconds) {
    {
        std::lock_guard lock(m_lock);
        if (m_virtualClock) {
            *m_virtualClock += milliseconds;
            return;
        }
    }
    KernelBackend::Sleep(milliseconds);
}

void HeadlessClock::SetVirtualClock(std::optional<DWORD> milliseconds) {
    std::lock_guard lock(m_lock);
    m_virtualClock = milliseconds;
}
