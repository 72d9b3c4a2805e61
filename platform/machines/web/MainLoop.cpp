#include "platform/machines/web/MainLoop.h"

#include <emscripten.h>

#include <algorithm>

namespace {

// The longest single rest: the browser's timers take no longer delays than about 2^31 ms,
// and a wait that has no end of its own simply rests again.
constexpr DWORD kLongestRest = 1000;

std::function<DWORD()>& TurnWork() {
    static std::function<DWORD()> work;
    return work;
}

bool g_woken = false;

// clang-format off
EM_JS(int, quillory_input_waiting, (), {
    return WebAlbum.events.length > 0 ? 1 : 0;
});

EM_ASYNC_JS(void, quillory_rest, (int milliseconds, int untilInput), {
    await WebAlbum.rest(milliseconds, untilInput !== 0);
});
// clang-format on

}  // namespace

TimerQueue& MainLoop::Timers() {
    struct HandDriven {
        HandDriven() { queue.SetDrive(TimerQueue::Drive::ByHand); }
        TimerQueue queue;
    };
    static HandDriven timers;
    return timers.queue;
}

void MainLoop::SetTurnWork(std::function<DWORD()> work) {
    TurnWork() = std::move(work);
}

void MainLoop::Wait(DWORD milliseconds, bool untilInput) {
    const DWORD start = Now();
    for (;;) {
        Timers().RunDue(Now());
        const DWORD workDue = TurnWork() ? TurnWork()() : kLongestRest;
        const DWORD passed = Now() - start;
        if (passed >= milliseconds) break;
        if (untilInput && (g_woken || quillory_input_waiting() != 0)) break;
        DWORD rest = std::min({milliseconds - passed, kLongestRest, std::max<DWORD>(workDue, 1)});
        if (const std::optional<DWORD> due = Timers().UntilNextDue(Now()))
            rest = std::min(rest, std::max<DWORD>(*due, 1));
        quillory_rest(static_cast<int>(rest), untilInput ? 1 : 0);
    }
    if (untilInput) g_woken = false;
}

void MainLoop::Wake() {
    g_woken = true;
}

DWORD MainLoop::Now() {
    return static_cast<DWORD>(static_cast<uint64_t>(emscripten_get_now()));
}
