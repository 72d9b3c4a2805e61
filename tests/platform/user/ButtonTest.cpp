#include <algorithm>
#include <fstream>
#include <map>
#include <sstream>

#include "tests/platform/user/WindowFixture.h"

// The owner-drawn button, on a shown parent with the focus: the probe's starting point.
class ButtonTest : public WindowFixture {
protected:
    void SetUp() override {
        RunUntilIdle();
        SetForegroundWindow(parent);
        SetFocus(parent);
        RunUntilIdle();
        TakeTrace();
    }
    const HWND parent = MakeWindow("parent", {0, 0, 200, 200});
    const HWND button = MakeButton("button", 7, {10, 10, 70, 70}, parent);
};

// Whatever the moves between, the button ends drawn up and without the capture, and
// clicks only when released inside (it covers 10..69); each drawing request carries the
// button's rectangle and a context on it.
TEST_F(ButtonTest, AReleaseClicksOnlyInsideWhereverThePointerWentBetween) {
    DRAWITEMSTRUCT drawn{};
    s_handlers[WM_DRAWITEM] = [&](HWND, WPARAM, LPARAM lParam) -> LRESULT {
        drawn = *reinterpret_cast<const DRAWITEMSTRUCT*>(lParam);
        return TRUE;
    };
    const struct {
        const char* name;
        std::vector<POINT> moves;
        POINT release;
        bool clicks;
    } rows[] = {
        {"inside", {}, {20, 20}, true},
        {"at the last pixel inside", {}, {69, 69}, true},
        {"outside without a move", {}, {150, 150}, false},
        {"at the right edge without a move", {}, {70, 20}, false},
        {"at the bottom edge without a move", {}, {20, 70}, false},
        {"back inside after a move out", {{150, 150}, {30, 30}}, {30, 30}, true},
        {"out, in and out again", {{150, 150}, {30, 30}, {150, 150}}, {150, 150}, false},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        machine.MovePointer({20, 20});
        machine.PressButton({20, 20});
        RunUntilIdle();
        EXPECT_EQ(GetCapture(), button);
        EXPECT_EQ(GetFocus(), button);
        for (const POINT& move : row.moves) machine.MovePointer(move);
        machine.ReleaseButton(row.release);
        RunUntilIdle();
        const Strings trace = TakeTrace({WM_DRAWITEM, WM_COMMAND}, true);
        const bool clicked = !trace.empty() && trace.back() == "parent WM_COMMAND 7 0";
        EXPECT_EQ(clicked, row.clicks);
        ASSERT_GE(trace.size(), clicked ? 2u : 1u);
        EXPECT_EQ(trace[trace.size() - (clicked ? 2 : 1)],
                  "parent WM_DRAWITEM 7 ODA_SELECT ODS_FOCUS");
        EXPECT_EQ(GetCapture(), nullptr);
        EXPECT_EQ(drawn.rcItem, (RECT{0, 0, 60, 60}));
        EXPECT_NE(drawn.hDC, nullptr);
        EXPECT_EQ(drawn.hwndItem, button);
        EXPECT_EQ(drawn.CtlType, ODT_BUTTON);
    }
}

// BM_CLICK is a press and a release at the button's corner, sent through its own
// procedure (a subclass sees them), and so a click: the parent hears the command.
TEST_F(ButtonTest, AClickMessageClicksThroughTheButtonsOwnProcedure) {
    SendMessageA(button, BM_CLICK, 0, 0);
    EXPECT_EQ(
        TakeTrace({WM_LBUTTONDOWN, WM_LBUTTONUP, WM_COMMAND}, true),
        (Strings{"button WM_LBUTTONDOWN 0,0", "button WM_LBUTTONUP 0,0", "parent WM_COMMAND 7 0"}));
    EXPECT_EQ(GetCapture(), nullptr);
}

// Space presses the button that has the keyboard: drawn down while it is held, a click
// when it comes up. A held Space clicks once; a Space that went down elsewhere (the key
// that opened a dialog, say, held on into it) or lost the button on the way clicks
// nothing.
TEST_F(ButtonTest, SpaceClicksTheFocusedButtonOnceWhenItWentDownThere) {
    const struct {
        const char* name;
        bool downOnButton;
        int repeats;
        bool focusLeaves;
        bool clicks;
    } rows[] = {
        {"a tap", true, 0, false, true},
        {"held, with repeats", true, 3, false, true},
        {"went down on the parent", false, 0, false, false},
        {"went down on the parent, held on into the button", false, 3, false, false},
        {"the focus left while held", true, 0, true, false},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        SetFocus(row.downOnButton ? button : parent);
        machine.KeyDown(VK_SPACE);
        RunUntilIdle();
        SetFocus(button);
        for (int repeat = 0; repeat < row.repeats; ++repeat) machine.KeyDown(VK_SPACE);
        RunUntilIdle();
        EXPECT_EQ(SendMessageA(button, BM_GETSTATE, 0, 0) & BST_PUSHED,
                  row.downOnButton ? BST_PUSHED : 0u);
        SetFocus(row.focusLeaves ? parent : button);
        machine.KeyUp(VK_SPACE);
        RunUntilIdle();
        const Strings trace = TakeTrace({WM_COMMAND}, true);
        EXPECT_EQ(trace, row.clicks ? Strings{"parent WM_COMMAND 7 0"} : Strings{});
        EXPECT_EQ(SendMessageA(button, BM_GETSTATE, 0, 0) & BST_PUSHED, 0u);
    }
}

// Our button against the system's own: each file in wine/traces holds what the real button
// class sent for one scripted input (its "# script:" line; see wine/record-traces.sh), and
// ours, given the same windows, focus and input, must send the same messages line by line.
// Both leave out WM_CTLCOLORBTN and WM_IME_SETCONTEXT, which only the system button sends.
class ButtonTraceTest : public ButtonTest, public testing::WithParamInterface<std::string> {
protected:
    void RunStep(const std::string& verb, const std::string& argument) {
        int x = 0, y = 0;
        char comma = 0;
        std::istringstream(argument) >> x >> comma >> y;
        static const std::map<std::string, std::pair<UINT, WPARAM>> mouse = {
            {"down", {WM_LBUTTONDOWN, MK_LBUTTON}},
            {"move", {WM_MOUSEMOVE, MK_LBUTTON}},
            {"up", {WM_LBUTTONUP, 0}}};
        if (const auto found = mouse.find(verb); found != mouse.end()) {
            const auto [message, keys] = found->second;
            PostMessageA(button, message, keys,
                         MAKELPARAM(static_cast<WORD>(x), static_cast<WORD>(y)));
        } else if (verb == "setstate") {
            SendMessageA(button, BM_SETSTATE, argument == "TRUE" ? TRUE : FALSE, 0);
        } else if (verb == "focus") {
            SetFocus(argument == "button" ? button : parent);
        } else if (verb == "capture") {
            argument == "parent" ? (void)SetCapture(parent) : (void)ReleaseCapture();
        } else if (verb == "invalidate") {
            InvalidateRect(button, nullptr, FALSE);
        } else {
            ADD_FAILURE() << "unknown step in the recorded script: " << verb;
        }
        RunUntilIdle();
    }
};

TEST_P(ButtonTraceTest, SendsWhatTheSystemButtonSends) {
    static const std::string kScriptTag = "# script: ";
    std::ifstream file(std::string(QUILLORY_BUTTON_TRACES) + "/" + GetParam() + ".txt");
    std::string script;
    Strings recorded;
    for (std::string line; std::getline(file, line);) {
        if (line.rfind(kScriptTag, 0) == 0) script = line.substr(kScriptTag.size());
        if (!line.empty() && line[0] != '#') recorded.push_back(line);
    }
    ASSERT_FALSE(script.empty()) << "no recorded trace for " << GetParam();
    std::istringstream steps(script);
    for (std::string step; std::getline(steps, step, ';');) {
        std::string verb, argument;
        std::istringstream(step) >> verb >> argument;
        RunStep(verb, argument);
    }
    EXPECT_EQ(TakeTrace({WM_SETFOCUS, WM_KILLFOCUS, WM_PAINT, WM_DRAWITEM, WM_COMMAND, WM_MOUSEMOVE,
                         WM_LBUTTONDOWN, WM_LBUTTONUP, WM_CAPTURECHANGED, BM_SETSTATE},
                        true),
              recorded);
}

INSTANTIATE_TEST_SUITE_P(Recorded, ButtonTraceTest,
                         testing::Values("press", "release-inside", "drag-off-and-back",
                                         "release-outside", "release-without-press", "setstate",
                                         "focus", "paint", "capture-taken-during-press",
                                         "focus-lost-during-press"),
                         [](const testing::TestParamInfo<std::string>& scenario) {
                             std::string name = scenario.param;
                             std::replace(name.begin(), name.end(), '-', '_');
                             return name;
                         });
