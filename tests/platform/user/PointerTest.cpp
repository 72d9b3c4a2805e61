#include "platform/user/Cursor.h"
#include "tests/platform/user/WindowFixture.h"

class PointerTest : public WindowFixture {
protected:
    void SetUp() override {
        RunUntilIdle();
        TakeTrace();
    }
    const HWND main = MakeWindow("main", {0, 0, 200, 200});
    const HWND left = MakeWindow("left", {0, 0, 100, 200}, main, WS_CHILD | WS_VISIBLE);
    const HWND right = MakeWindow("right", {100, 0, 200, 200}, main, WS_CHILD | WS_VISIBLE);
};

TEST_F(PointerTest, FocusChangeTellsTheLoserThenTheWinner) {
    SetFocus(left);
    TakeTrace();
    EXPECT_EQ(SetFocus(right), left);
    EXPECT_EQ(TakeTrace(), (Strings{"left WM_KILLFOCUS right", "right WM_SETFOCUS left"}));
    EXPECT_EQ(GetFocus(), right);
    SetFocus(right);
    EXPECT_TRUE(TakeTrace().empty()) << "the same window again changes nothing";
}

// A tracked window gets one leave when the pointer goes elsewhere, and at once when the
// pointer is not over it; the captured mouse goes to the capture without cursor requests.
TEST_F(PointerTest, LeavesAreTrackedAndTheCapturedMouseGoesToTheCapture) {
    machine.MovePointer({50, 50});
    RunUntilIdle();
    EXPECT_EQ(TakeTrace(),
              (Strings{"left WM_SETCURSOR", "main WM_SETCURSOR", "left WM_MOUSEMOVE 50,50"}));
    TRACKMOUSEEVENT track{sizeof(TRACKMOUSEEVENT), TME_LEAVE, left, 1};
    EXPECT_TRUE(TrackMouseEvent(&track));
    machine.MovePointer({60, 50});
    machine.MovePointer({150, 50});
    machine.MovePointer({160, 50});
    RunUntilIdle();
    EXPECT_EQ(TakeTrace({WM_SETCURSOR, WM_MOUSEMOVE}), (Strings{"left WM_MOUSELEAVE"}));
    EXPECT_TRUE(TrackMouseEvent(&track));
    RunUntilIdle();
    EXPECT_EQ(TakeTrace(), (Strings{"left WM_MOUSELEAVE"}));

    SetCapture(left);
    machine.MovePointer({150, 20});
    RunUntilIdle();
    EXPECT_EQ(TakeTrace(), (Strings{"left WM_MOUSEMOVE 150,20"}));
    SetCapture(right);
    EXPECT_EQ(TakeTrace(), (Strings{"left WM_CAPTURECHANGED right"}));
    machine.MovePointer({10, 10});
    RunUntilIdle();
    EXPECT_EQ(TakeTrace(), (Strings{"right WM_MOUSEMOVE -90,10"})) << "well left of the capture";
    ReleaseCapture();
    EXPECT_EQ(TakeTrace(), (Strings{"right WM_CAPTURECHANGED null"}));
    EXPECT_EQ(GetCapture(), nullptr);
}

// The display counter shows the pointer from zero up; cursors load from the registry
// without regard to case.
TEST_F(PointerTest, TheCursorShowsFromZeroUpAndLoadsByAnyCase) {
    for (const auto& [show, counter] :
         {std::pair{FALSE, -1}, {FALSE, -2}, {TRUE, -1}, {TRUE, 0}, {TRUE, 1}}) {
        EXPECT_EQ(ShowCursor(show), counter);
        EXPECT_EQ(machine.CursorVisible(), counter >= 0) << counter;
    }
    RegisterCursorResource("ArrowCursor", CursorImage{2, 2, {1, 1}, {1, 2, 3, 4}});
    const HCURSOR arrow =
        LoadImageA(ProgramInstance(), "ARROWCURSOR", IMAGE_CURSOR, 0, 0, LR_DEFAULTCOLOR);
    EXPECT_EQ(LoadImageA(ProgramInstance(), "Missing", IMAGE_CURSOR, 0, 0, 0), nullptr);
    EXPECT_EQ(SetCursor(arrow), nullptr);
    ASSERT_NE(machine.CursorShown(), nullptr);
    EXPECT_EQ(machine.CursorShown()->pixels, (std::vector<uint32_t>{1, 2, 3, 4}));
    DestroyCursor(arrow);
    EXPECT_EQ(machine.CursorShown(), nullptr) << "a destroyed cursor leaves the screen";
    ForgetCursorResources();
}

// Client and screen points convert both ways.
TEST_F(PointerTest, SetCursorPosMovesThePointerAndClippingHoldsIt) {
    SetCursorPos(120, 30);
    POINT at{};
    GetCursorPos(&at);
    EXPECT_EQ(at, (POINT{120, 30}));
    EXPECT_EQ(machine.PointerPosition(), (POINT{120, 30}));
    RunUntilIdle();
    EXPECT_EQ(TakeTrace({WM_SETCURSOR}), (Strings{"right WM_MOUSEMOVE 20,30"}));

    const RECT area{10, 10, 50, 50};
    ClipCursor(&area);
    machine.MovePointer({100, 0});
    RunUntilIdle();
    GetCursorPos(&at);
    EXPECT_EQ(at, (POINT{49, 10}));
    ClipCursor(nullptr);
    EXPECT_FALSE(machine.PointerConfinement().has_value());

    POINT p{5, 6};
    ClientToScreen(right, &p);
    EXPECT_EQ(p, (POINT{105, 6}));
    ScreenToClient(right, &p);
    EXPECT_EQ(p, (POINT{5, 6}));
}
