#include "platform/user/UserBackend.h"

#include "platform/kernel/BackendSlot.h"

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

namespace {

BackendSlot<UserBackend>& Slot() {
    static BackendSlot<UserBackend> slot;
    return slot;
}

}  // namespace

UserBackend& CurrentUserBackend() {
    return Slot().Current();
}

UserBackend* InstallUserBackend(UserBackend* backend) {
    return Slot().Install(backend);
}
