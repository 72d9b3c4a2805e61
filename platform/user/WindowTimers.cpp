#include "platform/user/WindowTimers.h"

#include <algorithm>

DWORD WindowTimers::Remaining(const Timer& timer, DWORD now) {
    const DWORD passed = now - timer.setAt;
    return passed >= timer.interval ? 0 : timer.interval - passed;
}

void WindowTimers::Set(HWND window, UINT_PTR id, UINT interval, DWORD now) {
    const Timer timer{window, id, std::max(interval, kShortestInterval), now};
    for (Timer& existing : m_timers) {
        if (existing.window == window && existing.id == id) {
            existing = timer;
            return;
        }
    }
    m_timers.push_back(timer);
}

bool WindowTimers::Kill(HWND window, UINT_PTR id) {
    return std::erase_if(m_timers, [window, id](const Timer& timer) {
               return timer.window == window && timer.id == id;
           }) != 0;
}

std::optional<WindowTimers::Due> WindowTimers::TakeDue(DWORD now, bool take) {
    Timer* longestDue = nullptr;
    DWORD longestOverdue = 0;
    for (Timer& timer : m_timers) {
        if (Remaining(timer, now) != 0) continue;
        const DWORD overdue = now - timer.setAt - timer.interval;
        if (longestDue == nullptr || overdue > longestOverdue) {
            longestDue = &timer;
            longestOverdue = overdue;
        }
    }
    if (longestDue == nullptr) return std::nullopt;
    if (take) longestDue->setAt = now;
    return Due{longestDue->window, longestDue->id};
}

std::optional<DWORD> WindowTimers::UntilNextDue(DWORD now) const {
    std::optional<DWORD> soonest;
    for (const Timer& timer : m_timers) {
        const DWORD remaining = Remaining(timer, now);
        if (!soonest || remaining < *soonest) soonest = remaining;
    }
    return soonest;
}

void WindowTimers::ForgetWindow(HWND window) {
    std::erase_if(m_timers, [window](const Timer& timer) { return timer.window == window; });
}
