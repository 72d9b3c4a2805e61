#pragma once
// The windows' timers, as SetTimer keeps them: each window's timer, found by its id, is
// due a number of milliseconds after it was set or last taken, and comes out of the
// queue as WM_TIMER only when nothing else waits. A timer that fell behind comes once,
// not once for every interval missed. They belong to the interface thread alone.

#include <optional>
#include <vector>

#include "platform/kernel/WinTypes.h"

class WindowTimers {
public:
    // Windows' shortest interval; a shorter one is lengthened to it.
    static constexpr UINT kShortestInterval = 10;

    struct Due {
        HWND window;
        UINT_PTR id;
    };

    // Sets the window's timer `id` afresh, due `interval` after `now`.
    void Set(HWND window, UINT_PTR id, UINT interval, DWORD now);
    // False when the window has no such timer.
    bool Kill(HWND window, UINT_PTR id);
    // The timer due longest ago, if one is due at `now`; taking it makes it due again
    // one interval from `now`.
    std::optional<Due> TakeDue(DWORD now, bool take);
    // How long until the next timer is due (0: one is due), or nothing without timers.
    std::optional<DWORD> UntilNextDue(DWORD now) const;
    void ForgetWindow(HWND window);
    void Clear() { m_timers.clear(); }

private:
    struct Timer {
        HWND window;
        UINT_PTR id;
        UINT interval;
        DWORD setAt;  // the clock wraps: due-ness is measured from here
    };
    static DWORD Remaining(const Timer& timer, DWORD now);

    std::vector<Timer> m_timers;
};
