#pragma once
// Periodic and one-shot timers for a multimedia backend. Each timer is driven either by
// a thread of its own on the real clock, or by hand from the millisecond clock of timeGetTime:
// RunDue runs, on the calling thread, every callback that is due by then. The hand
// drive lets tests step a virtual clock and see each callback exactly when it is due.

#include <cstdint>
#include <map>
#include <memory>
#include <mutex>
#include <optional>

#include "platform/Multimedia.h"

class TimerQueue {
public:
    enum class Drive { OwnThread, ByHand };

    TimerQueue() = default;
    ~TimerQueue();
    TimerQueue(const TimerQueue&) = delete;
    TimerQueue& operator=(const TimerQueue&) = delete;

    // How the timers started from now on are driven.
    void SetDrive(Drive drive);

    // Returns the new timer's id, or 0 for a zero period or a null callback. A one-shot
    // timer runs its callback once, `period` milliseconds from now, and then ends.
    UINT Start(UINT period, LPTIMECALLBACK callback, DWORD_PTR user, bool periodic = true);
    // False for an unknown id. See timeKillEvent for when it returns.
    bool Kill(UINT timerId);
    void KillAll();

    // Runs every callback of a hand-driven timer that is due at or before `now`, the
    // earliest first; a timer behind by several periods runs once for each of them.
    void RunDue(DWORD now);
    // Milliseconds from `now` until the next hand-driven callback is due (0 when one is
    // due already); nothing while no hand-driven timer runs.
    std::optional<DWORD> UntilNextDue(DWORD now) const;

    size_t RunningCount() const;

private:
    struct Timer;

    void RunOwnThread(const std::shared_ptr<Timer>& timer);
    static void Fire(Timer& timer);
    static bool Killed(Timer& timer);
    void ForgetFired(const std::shared_ptr<Timer>& timer, bool detachThread);
    std::shared_ptr<Timer> NextDue(DWORD now);

    mutable std::mutex m_lock;
    std::map<UINT, std::shared_ptr<Timer>> m_timers;
    UINT m_nextId = 1;
    Drive m_drive = Drive::OwnThread;
};
