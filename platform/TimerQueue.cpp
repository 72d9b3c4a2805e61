#include "platform/TimerQueue.h"

#include <chrono>
#include <condition_variable>
#include <ctime>
#include <thread>
#include <vector>

#include "platform/Kernel.h"

namespace {

// How far the millisecond clock of timeGetTime (the backends' boot-time clock) is into
// its current millisecond.
std::chrono::nanoseconds IntoCurrentMillisecond() {
    timespec now{};
    clock_gettime(CLOCK_BOOTTIME, &now);
    return std::chrono::nanoseconds(now.tv_nsec % 1000000);
}

}  // namespace

struct TimerQueue::Timer {
    UINT id = 0;
    UINT period = 0;
    bool periodic = true;
    LPTIMECALLBACK callback = nullptr;
    DWORD_PTR user = 0;
    Drive drive = Drive::OwnThread;
    DWORD due = 0;  // hand drive only; guarded by the queue's lock
    // Own thread only: when the first callback is due, fixed when the timer starts so
    // that a thread slow to start does not push it back.
    std::chrono::steady_clock::time_point firstDue;

    std::mutex lock;
    std::condition_variable changed;
    bool killed = false;
    bool running = false;
    std::thread::id runningOn;
    std::thread thread;
};

TimerQueue::~TimerQueue() {
    KillAll();
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
        const auto now = std::chrono::steady_clock::now();
        timer->firstDue =
            std::chrono::milliseconds(period) + (periodic ? now : now - IntoCurrentMillisecond());
        // The thread owns a reference of its own, so a timer killed from its own
        // callback and detached can finish without the queue.
        timer->thread = std::thread([this, timer] { RunOwnThread(timer); });
    }
    m_timers.emplace(timer->id, timer);
    return timer->id;
}

bool TimerQueue::Kill(UINT timerId) {
    std::shared_ptr<Timer> timer;
    {
        std::lock_guard lock(m_lock);
        const auto found = m_timers.find(timerId);
        if (found == m_timers.end()) return false;
        timer = found->second;
        m_timers.erase(found);
    }
    const bool fromOwnCallback = [&] {
        std::unique_lock lock(timer->lock);
        timer->killed = true;
        timer->changed.notify_all();
        const bool own = timer->running && timer->runningOn == std::this_thread::get_id();
        if (!own) timer->changed.wait(lock, [&] { return !timer->running; });
        return own;
    }();
    if (timer->thread.joinable()) {
        if (fromOwnCallback) {
            timer->thread.detach();
        } else {
            timer->thread.join();
        }
    }
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

bool TimerQueue::Killed(Timer& timer) {
    std::lock_guard lock(timer.lock);
    return timer.killed;
}

void TimerQueue::Fire(Timer& timer) {
    {
        std::lock_guard lock(timer.lock);
        if (timer.killed) return;
        timer.running = true;
        timer.runningOn = std::this_thread::get_id();
    }
    timer.callback(timer.id, 0, timer.user, 0, 0);
    std::lock_guard lock(timer.lock);
    timer.running = false;
    timer.changed.notify_all();
}

void TimerQueue::RunOwnThread(const std::shared_ptr<Timer>& timer) {
    const auto period = std::chrono::milliseconds(timer->period);
    auto due = timer->firstDue;
    for (;;) {
        {
            std::unique_lock lock(timer->lock);
            if (timer->changed.wait_until(lock, due, [&] { return timer->killed; })) return;
        }
        Fire(*timer);
        if (!timer->periodic) {
            // Killed from its own callback, the timer is out of the queue already, and the
            // queue may be gone by now.
            if (!Killed(*timer)) ForgetFired(timer, true);
            return;
        }
        due += period;
    }
}

// A one-shot timer that has run is no longer the queue's, unless it was killed
// meanwhile: then whoever killed it has taken it out and joins or detaches its thread.
void TimerQueue::ForgetFired(const std::shared_ptr<Timer>& timer, bool detachThread) {
    std::lock_guard lock(m_lock);
    const auto found = m_timers.find(timer->id);
    if (found == m_timers.end() || found->second != timer) return;
    m_timers.erase(found);
    if (detachThread) timer->thread.detach();
}

std::shared_ptr<TimerQueue::Timer> TimerQueue::NextDue(DWORD now) {
    std::lock_guard lock(m_lock);
    std::shared_ptr<Timer> earliest;
    int32_t earliestLateness = -1;
    for (const auto& [id, timer] : m_timers) {
        if (timer->drive != Drive::ByHand) continue;
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
    while (auto timer = NextDue(now)) {
        Fire(*timer);
        if (!timer->periodic) ForgetFired(timer, false);
    }
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
