#include "tests/platform/WindowFixture.h"

using Strings = std::vector<std::string>;

// Each row of the owner-drawn button's contract, as the parent and the button see it.
class ButtonTest : public WindowFixture {
protected:
    void SetUp() override {
        parent = MakeWindow("parent", {0, 0, 200, 200});
        button = MakeButton("button", 7, {10, 10, 70, 70}, parent);
        RunUntilIdle();
        TakeTrace();
    }
    // What the parent heard: draw requests and commands.
    Strings ParentTrace() {
        Strings kept;
        for (const std::string& line : TakeTrace()) {
            if (line.rfind("parent WM_DRAWITEM", 0) == 0 || line.rfind("parent WM_COMMAND", 0) == 0)
                kept.push_back(line);
        }
        return kept;
    }
    HWND parent{};
    HWND button{};
};

TEST_F(ButtonTest, PressCapturesTakesTheFocusAndDrawsSelected) {
    machine.MovePointer({20, 20});
    machine.PressButton({20, 20});
    RunUntilIdle();
    EXPECT_EQ(GetCapture(), button);
    EXPECT_EQ(GetFocus(), button);
    EXPECT_EQ(ParentTrace(), (Strings{"parent WM_DRAWITEM 7 ODA_FOCUS ODS_FOCUS",
                                      "parent WM_DRAWITEM 7 ODA_SELECT ODS_SELECTED ODS_FOCUS"}));
}

// A press inside, the moves, and the release: the button ends drawn up and without the
// capture, and clicks only when released inside. The button covers 10..69 both ways.
TEST_F(ButtonTest, AReleaseClicksOnlyInsideWhereverThePointerWentBetween) {
    struct Row {
        const char* name;
        std::vector<POINT> moves;
        POINT release;
        bool clicks;
    };
    const Row rows[] = {
        {"inside", {}, {20, 20}, true},
        {"at the last pixel inside", {}, {69, 69}, true},
        {"outside without a move", {}, {150, 150}, false},
        {"at the right edge without a move", {}, {70, 20}, false},
        {"at the bottom edge without a move", {}, {20, 70}, false},
        {"back inside after a move out", {{150, 150}, {30, 30}}, {30, 30}, true},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        machine.MovePointer({20, 20});
        machine.PressButton({20, 20});
        for (const POINT& move : row.moves) machine.MovePointer(move);
        machine.ReleaseButton(row.release);
        RunUntilIdle();
        const Strings trace = ParentTrace();
        const bool clicked = !trace.empty() && trace.back() == "parent WM_COMMAND 7 0";
        EXPECT_EQ(clicked, row.clicks);
        ASSERT_GE(trace.size(), clicked ? 2u : 1u);
        EXPECT_EQ(trace[trace.size() - (clicked ? 2 : 1)],
                  "parent WM_DRAWITEM 7 ODA_SELECT ODS_FOCUS");
        EXPECT_EQ(GetCapture(), nullptr);
    }
}

TEST_F(ButtonTest, DragOffAndBackFollowsThePointerAndReleaseOutsideSendsNoCommand) {
    machine.MovePointer({20, 20});
    machine.PressButton({20, 20});
    RunUntilIdle();
    TakeTrace();
    machine.MovePointer({150, 150});
    machine.MovePointer({30, 30});
    machine.MovePointer({150, 150});
    machine.ReleaseButton({150, 150});
    RunUntilIdle();
    EXPECT_EQ(ParentTrace(), (Strings{"parent WM_DRAWITEM 7 ODA_SELECT ODS_FOCUS",
                                      "parent WM_DRAWITEM 7 ODA_SELECT ODS_SELECTED ODS_FOCUS",
                                      "parent WM_DRAWITEM 7 ODA_SELECT ODS_FOCUS"}));
    EXPECT_EQ(GetCapture(), nullptr);
}

TEST_F(ButtonTest, ReleaseWithoutAPressDoesNothing) {
    PostMessageA(button, WM_LBUTTONUP, 0, MAKELPARAM(5, 5));
    RunUntilIdle();
    EXPECT_TRUE(ParentTrace().empty());
}

TEST_F(ButtonTest, SetStateAlwaysAsksForASelectDrawWithTheNewState) {
    SendMessageA(button, BM_SETSTATE, TRUE, 0);
    SendMessageA(button, BM_SETSTATE, TRUE, 0);
    SendMessageA(button, BM_SETSTATE, FALSE, 0);
    SendMessageA(button, BM_SETSTATE, FALSE, 0);
    EXPECT_EQ(ParentTrace(),
              (Strings{"parent WM_DRAWITEM 7 ODA_SELECT ODS_SELECTED",
                       "parent WM_DRAWITEM 7 ODA_SELECT ODS_SELECTED",
                       "parent WM_DRAWITEM 7 ODA_SELECT", "parent WM_DRAWITEM 7 ODA_SELECT"}));
}

TEST_F(ButtonTest, FocusGainedAndLostAskForFocusDraws) {
    SetFocus(button);
    SetFocus(parent);
    EXPECT_EQ(ParentTrace(), (Strings{"parent WM_DRAWITEM 7 ODA_FOCUS ODS_FOCUS",
                                      "parent WM_DRAWITEM 7 ODA_FOCUS"}));
}

TEST_F(ButtonTest, FocusLostDuringAPressCancelsItSoTheReleaseIsNoClick) {
    machine.MovePointer({20, 20});
    machine.PressButton({20, 20});
    RunUntilIdle();
    SetFocus(parent);
    RunUntilIdle();
    EXPECT_EQ(GetCapture(), nullptr);
    machine.ReleaseButton({20, 20});
    RunUntilIdle();
    EXPECT_EQ(ParentTrace(),
              (Strings{"parent WM_DRAWITEM 7 ODA_FOCUS ODS_FOCUS",
                       "parent WM_DRAWITEM 7 ODA_SELECT ODS_SELECTED ODS_FOCUS",
                       "parent WM_DRAWITEM 7 ODA_FOCUS ODS_SELECTED",
                       "parent WM_DRAWITEM 7 ODA_SELECT", "parent WM_DRAWITEM 7 ODA_DRAWENTIRE"}));
}

TEST_F(ButtonTest, PaintAsksForTheWholeButton) {
    InvalidateRect(button, nullptr, FALSE);
    RunUntilIdle();
    EXPECT_EQ(ParentTrace(), (Strings{"parent WM_DRAWITEM 7 ODA_DRAWENTIRE"}));
}

TEST_F(ButtonTest, DrawRequestCarriesTheButtonsRectangleAndAContextOnIt) {
    RECT item{};
    bool hadContext = false;
    s_handlers[WM_DRAWITEM] = [&](HWND, WPARAM, LPARAM lParam) -> LRESULT {
        const auto* draw = reinterpret_cast<const DRAWITEMSTRUCT*>(lParam);
        item = draw->rcItem;
        hadContext =
            draw->hDC != nullptr && draw->hwndItem != nullptr && draw->CtlType == ODT_BUTTON;
        return TRUE;
    };
    SendMessageA(button, BM_SETSTATE, TRUE, 0);
    EXPECT_EQ(item, (RECT{0, 0, 60, 60}));
    EXPECT_TRUE(hadContext);
}
