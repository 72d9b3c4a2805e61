#pragma once
// Periodic and one-shot timers for a multimedia backend. Each timer is driven either by
// the queue's timer thread on the real clock, or by hand from the millisecond clock of
// timeGetTime: RunDue runs, on the calling thread, every callback that is due by then.
// The hand drive lets tests step a virtual clock and see each callback exactly when it
// is due.
//
// The timer thread is one for every timer of the queue, as Windows runs the callbacks
// of its multimedia timers: it starts with the first timer not driven by hand and ends
// with the queue, so that a player that starts a timer for each wake-up, or restarts
// one from its own callback, starts no thread.

#include <condition_variable>
#include <cstdint>
#include <map>
#include <memory>
#include <mutex>
#include <optional>
#include <thread>

#include "platform/mm/MultimediaTypes.h"

class TimerQueue {
public:
    enum class Drive { TimerThread, ByHand };

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
    using Lock = std::unique_lock<std::mutex>;

    void RunTimerThread();
    std::shared_ptr<Timer> NextOnTimerThread() const;
    std::shared_ptr<Timer> NextDue(DWORD now);
    void Fire(Lock& lock, const std::shared_ptr<Timer>& timer);

    mutable std::mutex m_lock;
    // Told when a timer starts, ends or finishes a callback, and when the queue ends.
    std::condition_variable m_changed;
    std::map<UINT, std::shared_ptr<Timer>> m_timers;
    UINT m_nextId = 1;
    Drive m_drive = Drive::TimerThread;
    std::thread m_timerThread;
    bool m_ending = false;
};
