#include "platform/user/UserBackend.h"

#include <chrono>

void UserBackend::WaitForInput(DWORD milliseconds) {
    std::unique_lock lock(m_wakeLock);
    m_woken.wait_for(lock, std::chrono::milliseconds(milliseconds),
                     [this] { return m_wakeRequested; });
    m_wakeRequested = false;
}

void UserBackend::Wake() {
    {
        std::lock_guard lock(m_wakeLock);
        m_wakeRequested = true;
    }
    m_woken.notify_one();
}
