#include "app/SingleInstance.h"

#include <string>

#include "platform/Kernel.h"
#include "platform/User.h"

SingleInstance::~SingleInstance() { Close(); }

void SingleInstance::Close() {
    if (m_mutex != nullptr) CloseHandle(m_mutex);
    m_mutex = nullptr;
}

bool SingleInstance::Check(const char* className, const char* mutexName) {
    const std::string name = std::string(className) + mutexName;
    Close();
    m_mutex = CreateMutexA(nullptr, TRUE, name.c_str());
    const bool alreadyRunning = GetLastError() == ERROR_ALREADY_EXISTS;
    if (m_mutex != nullptr) ReleaseMutex(m_mutex);
    if (!alreadyRunning) return true;
    BringOtherCopyForward();
    return false;
}

void SingleInstance::BringOtherCopyForward() {
    // The first copy may not have its window yet: then this copy just ends.
    const HWND other = GetSharedWindowHandle();
    if (other == nullptr) return;
    if (IsIconic(other)) ShowWindow(other, SW_RESTORE);
    SetForegroundWindow(other);
    EnableWindow(other, TRUE);
}

SingleInstance& GetSingleInstance() {
    static SingleInstance guard;
    return guard;
}
