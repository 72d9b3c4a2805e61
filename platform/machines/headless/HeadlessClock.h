#pragma once
// The headless machine's kernel side: the real clock, or a virtual one that a test sets
// and that sleeping moves on instead of waiting.

#include <mutex>
#include <optional>

#include "platform/kernel/KernelBackend.h"

class HeadlessClock : public virtual KernelBackend {
public:
    DWORD MillisecondClock() override;
    void Sleep(DWORD milliseconds) override;

    // Once set, MillisecondClock answers it and Sleep advances it; unset, the real clock.
    void SetVirtualClock(std::optional<DWORD> milliseconds);

private:
    std::mutex m_lock;
    std::optional<DWORD> m_virtualClock;
};
