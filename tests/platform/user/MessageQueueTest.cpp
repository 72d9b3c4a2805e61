#include "diag/TextFormat.h"
#include "tests/platform/user/WindowFixture.h"

class MessageQueueTest : public WindowFixture {
protected:
    const HWND main = MakeWindow("main", {0, 0, 100, 100});
};

TEST_F(MessageQueueTest, SentRunAtOncePostedWaitInOrderAndQuitComesLast) {
    RunUntilIdle();
    TakeTrace();
    PostMessageA(main, WM_USER, 0, 0);
    PostQuitMessage(3);
    PostMessageA(main, WM_USER + 1, 0, 0);
    SendMessageA(main, WM_USER + 2, 0, 0);
    EXPECT_EQ(TakeTrace(), (Strings{"main WM_USER+2"}));
    MSG message{};
    while (GetMessageA(&message, nullptr, 0, 0)) DispatchMessageA(&message);
    EXPECT_EQ(message.message, WM_QUIT);
    EXPECT_EQ(message.wParam, 3u);
    EXPECT_EQ(TakeTrace(), (Strings{"main WM_USER", "main WM_USER+1"}));
}

// Paint comes only when nothing else waits, stops once the window is validated, and
// covers every invalidation.
TEST_F(MessageQueueTest, PaintComesLastParentFirstAndErasesOnlyWhenAsked) {
    const HWND child = MakeWindow("child", {10, 10, 30, 30}, main, WS_CHILD | WS_VISIBLE);
    PostMessageA(main, WM_USER, 0, 0);
    RunUntilIdle();
    EXPECT_EQ(TakeTrace({WM_CREATE}),
              (Strings{"main WM_USER", "main WM_PAINT", "main WM_ERASEBKGND", "child WM_PAINT",
                       "child WM_ERASEBKGND"}));
    RunUntilIdle();
    EXPECT_TRUE(TakeTrace().empty()) << "the default paint handling validated the window";
    InvalidateRect(child, nullptr, FALSE);
    RunUntilIdle();
    EXPECT_EQ(TakeTrace(), (Strings{"child WM_PAINT"}));
    InvalidateRect(child, nullptr, TRUE);
    RunUntilIdle();
    EXPECT_EQ(TakeTrace(), (Strings{"child WM_PAINT", "child WM_ERASEBKGND"}));

    RECT painted{};
    s_handlers[WM_PAINT] = [&painted](HWND window, WPARAM, LPARAM) -> LRESULT {
        PAINTSTRUCT paint{};
        BeginPaint(window, &paint);
        painted = paint.rcPaint;
        EndPaint(window, &paint);
        return 0;
    };
    const RECT first{50, 50, 60, 60}, second{90, 95, 150, 150};
    InvalidateRect(main, &first, FALSE);
    InvalidateRect(main, &second, FALSE);
    RunUntilIdle();
    EXPECT_EQ(painted, (RECT{50, 50, 100, 100})) << "the union of invalidations cut to the client";
}

// Keys reach the focus, translation adding the character to a letter's key. A held key
// goes down again for each repeat, marked as down before (bit 30 of lParam); GetKeyState
// tells a held key while the keys are handled, until it is let go or the program stops
// being the active one.
TEST_F(MessageQueueTest, KeysReachTheFocusAndAHeldKeyRepeatsMarkedAsHeld) {
    SetFocus(main);
    RunUntilIdle();
    TakeTrace();
    machine.PressKey('Q');
    machine.PressKey(VK_PRIOR);
    RunUntilIdle();
    EXPECT_EQ(TakeTrace(), (Strings{"main WM_KEYDOWN 81", "main WM_CHAR 113", "main WM_KEYUP",
                                    "main WM_KEYDOWN 33", "main WM_KEYUP"}));
    Strings downs;
    s_handlers[WM_KEYDOWN] = [&downs](HWND, WPARAM key, LPARAM lParam) -> LRESULT {
        downs.push_back(FormatText("%u%s%s", static_cast<unsigned>(key),
                                   (lParam & 0x40000000) != 0 ? " again" : "",
                                   GetKeyState(VK_SHIFT) < 0 ? " shifted" : ""));
        return 0;
    };
    machine.KeyDown(VK_SHIFT);
    machine.KeyDown(VK_SHIFT);
    machine.PressKey(VK_TAB);
    machine.KeyUp(VK_SHIFT);
    machine.PressKey(VK_TAB);
    machine.KeyDown(VK_SHIFT);
    machine.Activate(false);
    machine.Activate(true);
    machine.PressKey(VK_TAB);
    RunUntilIdle();
    EXPECT_EQ(downs,
              (Strings{"16 shifted", "16 again shifted", "9 shifted", "9", "16 shifted", "9"}));
}

TEST_F(MessageQueueTest, AWindowDestroyedInsideASentMessageIsNotUsedAfterwards) {
    const HWND child = MakeWindow("child", {0, 0, 50, 50}, main, WS_CHILD | WS_VISIBLE);
    RunUntilIdle();
    s_handlers[WM_LBUTTONDOWN] = [this](HWND, WPARAM, LPARAM) -> LRESULT {
        DestroyWindow(main);
        return 0;
    };
    PostMessageA(child, WM_USER, 0, 0);
    machine.Click({10, 10});
    RunUntilIdle();
    EXPECT_FALSE(IsWindow(main));
    EXPECT_FALSE(IsWindow(child));
    EXPECT_EQ(SendMessageA(child, WM_USER, 0, 0), 0);
    EXPECT_EQ(TakeTrace({WM_LBUTTONUP, WM_NCDESTROY}, true),
              (Strings{"child WM_NCDESTROY", "main WM_NCDESTROY"}));
}

// Subclassing is checked through every traced button; here, the 32-bit slots hold no
// pointer, and a creation the procedure aborts gives no window.
TEST_F(MessageQueueTest, CreationAbortedByTheProcedureGivesNoWindow) {
    EXPECT_EQ(GetWindowLongA(main, GWL_WNDPROC), 0);
    EXPECT_EQ(GetWindowLongA(main, GWL_HINSTANCE), 0x400000);
    TakeTrace();
    s_handlers[WM_CREATE] = [](HWND, WPARAM, LPARAM) -> LRESULT { return -1; };
    EXPECT_EQ(MakeWindow("other", {0, 0, 10, 10}), nullptr);
    EXPECT_EQ(TakeTrace(), (Strings{"? WM_CREATE", "? WM_DESTROY", "? WM_NCDESTROY"}));
}
