#include "platform/kernel/Clock.h"
#include "tests/platform/user/WindowFixture.h"

// A window's timers come as WM_TIMER while the user does nothing, each on its own
// interval from when it was set, and stop when killed or when their window goes.
class TimerTest : public WindowFixture {
protected:
    // The timers seen while the user does nothing for `milliseconds`, then quits.
    Strings TimersDuring(DWORD milliseconds) {
        RunUntilIdle();
        TakeTrace();
        machine.Pause(milliseconds);
        machine.Then([] { PostQuitMessage(0); });
        MSG message{};
        while (GetMessageA(&message, nullptr, 0, 0)) DispatchMessageA(&message);
        return TakeTrace({WM_TIMER}, true);
    }
};

TEST_F(TimerTest, TimersComeOnTheirIntervalsUntilKilled) {
    struct Case {
        const char* what;
        std::function<void(HWND first, HWND second)> set;
        DWORD pause;
        Strings expected;
    };
    const std::vector<Case> cases{
        {"one timer, each interval",
         [](HWND a, HWND) { SetTimer(a, 7, 40, nullptr); },
         130,
         {"first WM_TIMER 7 @1040", "first WM_TIMER 7 @1080", "first WM_TIMER 7 @1120"}},
        {"two windows, two intervals, in the order they come due",
         [](HWND a, HWND b) {
             SetTimer(a, 1, 30, nullptr);
             SetTimer(b, 1, 50, nullptr);
         },
         110,
         {"first WM_TIMER 1 @1030", "second WM_TIMER 1 @1050", "first WM_TIMER 1 @1060",
          "first WM_TIMER 1 @1090", "second WM_TIMER 1 @1100"}},
        {"set again: one timer, the new interval",
         [](HWND a, HWND) {
             SetTimer(a, 2, 20, nullptr);
             SetTimer(a, 2, 45, nullptr);
         },
         100,
         {"first WM_TIMER 2 @1045", "first WM_TIMER 2 @1090"}},
        {"too short an interval is lengthened to Windows' shortest",
         [](HWND a, HWND) { SetTimer(a, 3, 1, nullptr); },
         25,
         {"first WM_TIMER 3 @1010", "first WM_TIMER 3 @1020"}},
        {"killed from its own message",
         [this](HWND a, HWND) {
             SetTimer(a, 4, 25, nullptr);
             s_handlers[WM_TIMER] = [](HWND window, WPARAM id, LPARAM) -> LRESULT {
                 EXPECT_TRUE(KillTimer(window, id));
                 return 0;
             };
         },
         100,
         {"first WM_TIMER 4 @1025"}},
        {"killed before it came due",
         [](HWND a, HWND) {
             SetTimer(a, 5, 25, nullptr);
             EXPECT_TRUE(KillTimer(a, 5));
             EXPECT_FALSE(KillTimer(a, 5));
         },
         100,
         {}},
        {"gone with its window",
         [](HWND a, HWND b) {
             SetTimer(a, 6, 25, nullptr);
             SetTimer(b, 6, 30, nullptr);
             DestroyWindow(b);
         },
         60,
         {"first WM_TIMER 6 @1025", "first WM_TIMER 6 @1050"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        // Each case starts at 1000 ms, so that a timer counts from when it was set.
        machine.SetVirtualClock(1000);
        const HWND a = MakeWindow("first", {0, 0, 100, 100});
        const HWND b = MakeWindow("second", {0, 0, 50, 50});
        c.set(a, b);
        EXPECT_EQ(TimersDuring(c.pause), c.expected);
        s_handlers.erase(WM_TIMER);
        for (const HWND window : {a, b})
            if (IsWindow(window)) DestroyWindow(window);
    }
}

// A timer comes only when nothing else waits, and once however far behind it fell.
TEST_F(TimerTest, ATimerWaitsForEverythingElseAndComesOnceWhenLate) {
    const HWND first = MakeWindow("first", {0, 0, 100, 100});
    const HWND second = MakeWindow("second", {0, 0, 50, 50});
    RunUntilIdle();
    TakeTrace();
    SetTimer(first, 1, 10, nullptr);
    Sleep(95);
    PostMessageA(first, WM_USER, 0, 0);
    InvalidateRect(second, nullptr, FALSE);
    RunUntilIdle();
    EXPECT_EQ(TakeTrace({WM_USER, WM_PAINT, WM_TIMER}, true),
              (Strings{"first WM_USER", "second WM_PAINT", "first WM_TIMER 1 @95"}));
    EXPECT_EQ(SetTimer(nullptr, 1, 10, nullptr), 0u) << "only windows have timers";
}
