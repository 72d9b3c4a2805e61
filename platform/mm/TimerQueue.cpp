#include "platform/mm/TimerQueue.h"

#include <vector>

#include "platform/kernel/HostClock.h"
#include "platform/kernel/Kernel.h"

namespace {

using SteadyClock = std::chrono::steady_clock;

// How far the millisecond clock of timeGetTime (the backends' boot-time clock) is into
// its current millisecond.
std::chrono::nanoseconds IntoCurrentMillisecond() {
    return HostClock::SinceStart() % std::chrono::milliseconds(1);
}

}  // namespace

// Filled in before the timer joins the queue; what changes afterwards is guarded by the
// queue's lock.
struct TimerQueue::Timer {
    UINT id = 0;
    UINT period = 0;
    bool periodic = true;
    LPTIMECALLBACK callback = nullptr;
    DWORD_PTR user = 0;
    Drive drive = Drive::TimerThread;
    // When the next callback is due: on timeGetTime's clock by hand, on the steady clock
    // on the timer thread.
    DWORD due = 0;
    SteadyClock::time_point dueAt;
    // A callback of the timer is running, on `runningOn`.
    bool running = false;
    std::thread::id runningOn;
};

TimerQueue::~TimerQueue() {
    KillAll();
    {
        std::lock_guard lock(m_lock);
        m_ending = true;
    }
    m_changed.notify_all();
    if (m_timerThread.joinable()) m_timerThread.join();
}

void TimerQueue::SetDrive(Drive drive) {
    std::lock_guard lock(m_lock);
    m_drive = drive;
}

UINT TimerQueue::Start(UINT period, LPTIMECALLBACK callback, DWORD_PTR user, bool periodic) {
    if (period == 0 || callback == nullptr) return 0;
    auto timer = std::make_shared<Timer>();
    timer->period = period;
    timer->periodic = periodic;
    timer->callback = callback;
    timer->user = user;
    std::lock_guard lock(m_lock);
    timer->id = m_nextId++;
    if (m_nextId == 0) m_nextId = 1;
    timer->drive = m_drive;
    if (timer->drive == Drive::ByHand) {
        timer->due = timeGetTime() + period;
    } else {
        // A one-shot timer's delay counts from the start of timeGetTime's current
        // millisecond, so that it fires the moment that clock reaches the time its user
        // worked out from it, not up to a millisecond after.
        const auto now = SteadyClock::now();
        timer->dueAt =
            std::chrono::milliseconds(period) + (periodic ? now : now - IntoCurrentMillisecond());
        if (!m_timerThread.joinable()) m_timerThread = std::thread([this] { RunTimerThread(); });
        m_changed.notify_all();
    }
    m_timers.emplace(timer->id, timer);
    return timer->id;
}

bool TimerQueue::Kill(UINT timerId) {
    Lock lock(m_lock);
    const auto found = m_timers.find(timerId);
    if (found == m_timers.end()) return false;
    const std::shared_ptr<Timer> timer = found->second;
    m_timers.erase(found);
    m_changed.notify_all();
    // From its own callback the kill returns at once; from anywhere else it waits for a
    // callback still running, so that what the callback uses may be freed afterwards.
    m_changed.wait(
        lock, [&] { return !timer->running || timer->runningOn == std::this_thread::get_id(); });
    return true;
}

void TimerQueue::KillAll() {
    std::vector<UINT> ids;
    {
        std::lock_guard lock(m_lock);
        for (const auto& entry : m_timers) ids.push_back(entry.first);
    }
    for (const UINT id : ids) Kill(id);
}

// Runs a callback of `timer` without the lock, which `lock` holds before and after.
void TimerQueue::Fire(Lock& lock, const std::shared_ptr<Timer>& timer) {
    timer->running = true;
    timer->runningOn = std::this_thread::get_id();
    lock.unlock();
    timer->callback(timer->id, 0, timer->user, 0, 0);
    lock.lock();
    timer->running = false;
    // A one-shot timer that has run ends, unless it has been killed meanwhile.
    if (!timer->periodic) {
        const auto found = m_timers.find(timer->id);
        if (found != m_timers.end() && found->second == timer) m_timers.erase(found);
    }
    m_changed.notify_all();
}

void TimerQueue::RunTimerThread() {
    Lock lock(m_lock);
    while (!m_ending) {
        const std::shared_ptr<Timer> timer = NextOnTimerThread();
        if (!timer) {
            m_changed.wait(lock);
        } else if (const SteadyClock::time_point dueAt = timer->dueAt; SteadyClock::now() < dueAt) {
            m_changed.wait_until(lock, dueAt);
        } else {
            timer->dueAt += std::chrono::milliseconds(timer->period);
            Fire(lock, timer);
        }
    }
}

std::shared_ptr<TimerQueue::Timer> TimerQueue::NextOnTimerThread() const {
    std::shared_ptr<Timer> earliest;
    for (const auto& [id, timer] : m_timers) {
        if (timer->drive != Drive::TimerThread || timer->running) continue;
        if (!earliest || timer->dueAt < earliest->dueAt) earliest = timer;
    }
    return earliest;
}

std::shared_ptr<TimerQueue::Timer> TimerQueue::NextDue(DWORD now) {
    std::shared_ptr<Timer> earliest;
    int32_t earliestLateness = -1;
    for (const auto& [id, timer] : m_timers) {
        if (timer->drive != Drive::ByHand || timer->running) continue;
        // Compared as a signed distance so that the wrap of the clock at 2^32 is harmless.
        const auto lateness = static_cast<int32_t>(now - timer->due);
        if (lateness > earliestLateness) {
            earliest = timer;
            earliestLateness = lateness;
        }
    }
    if (earliest) earliest->due += earliest->period;
    return earliest;
}

void TimerQueue::RunDue(DWORD now) {
    Lock lock(m_lock);
    while (const std::shared_ptr<Timer> timer = NextDue(now)) Fire(lock, timer);
}

std::optional<DWORD> TimerQueue::UntilNextDue(DWORD now) const {
    std::lock_guard lock(m_lock);
    std::optional<DWORD> soonest;
    for (const auto& [id, timer] : m_timers) {
        if (timer->drive != Drive::ByHand) continue;
        const auto ahead = static_cast<int32_t>(timer->due - now);
        const DWORD wait = ahead > 0 ? static_cast<DWORD>(ahead) : 0;
        if (!soonest || wait < *soonest) soonest = wait;
    }
    return soonest;
}

size_t TimerQueue::RunningCount() const {
    std::lock_guard lock(m_lock);
    return m_timers.size();
}
