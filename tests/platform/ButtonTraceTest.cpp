#include <algorithm>
#include <filesystem>
#include <fstream>
#include <set>
#include <sstream>

#include "tests/platform/WindowFixture.h"

// Our owner-drawn button against the system's own: each trace in wine/traces was
// recorded by wine/ButtonProbe.c from the real button class for one scripted input
// (see wine/record-traces.sh). The replay gives our button the same windows, the same
// starting focus and the same input, and expects the same messages line by line.

using Strings = std::vector<std::string>;

namespace {

// Next to this source file, where the recorded traces are kept with the probe.
const std::filesystem::path& TraceFolder() {
    static const std::filesystem::path folder = QUILLORY_BUTTON_TRACES;
    return folder;
}

struct RecordedTrace {
    Strings steps;
    Strings lines;
};

Strings SplitSteps(const std::string& script) {
    Strings steps;
    std::istringstream stream(script);
    std::string step;
    while (std::getline(stream, step, ';')) {
        const size_t start = step.find_first_not_of(' ');
        if (start != std::string::npos) steps.push_back(step.substr(start));
    }
    return steps;
}

// The "# script:" line gives the input; other lines starting with '#' only describe
// the recording.
RecordedTrace ReadTrace(const std::string& scenario) {
    static const std::string kScriptTag = "# script: ";
    RecordedTrace trace;
    std::ifstream file(TraceFolder() / (scenario + ".txt"));
    std::string line;
    while (std::getline(file, line)) {
        if (line.rfind(kScriptTag, 0) == 0) {
            trace.steps = SplitSteps(line.substr(kScriptTag.size()));
        } else if (!line.empty() && line[0] != '#') {
            trace.lines.push_back(line);
        }
    }
    return trace;
}

// The messages the probe records: the button contract's input, state changes, focus,
// capture and paint, and what the parent is asked to do. The system button also sends
// WM_CTLCOLORBTN to the parent before every draw request, and its focus changes bring
// WM_IME_SETCONTEXT; the program answers neither and our window system sends neither,
// so both sides leave them out.
bool IsRecordedMessage(const std::string& line) {
    static const std::set<std::string> recorded = {
        "WM_SETFOCUS",  "WM_KILLFOCUS",   "WM_PAINT",     "WM_DRAWITEM",       "WM_COMMAND",
        "WM_MOUSEMOVE", "WM_LBUTTONDOWN", "WM_LBUTTONUP", "WM_CAPTURECHANGED", "BM_SETSTATE"};
    std::istringstream words(line);
    std::string window;
    std::string message;
    words >> window >> message;
    return recorded.count(message) != 0;
}

LPARAM PointArgument(const std::string& argument) {
    int x = 0;
    int y = 0;
    char comma = 0;
    std::istringstream(argument) >> x >> comma >> y;
    return MAKELPARAM(static_cast<WORD>(x), static_cast<WORD>(y));
}

}  // namespace

class ButtonTraceTest : public WindowFixture, public testing::WithParamInterface<std::string> {
protected:
    // The probe's starting point: a shown and painted parent with the focus.
    void SetUp() override {
        parent = MakeWindow("parent", {0, 0, 200, 200});
        button = MakeButton("button", 7, {10, 10, 70, 70}, parent);
        RunUntilIdle();
        SetForegroundWindow(parent);
        SetFocus(parent);
        RunUntilIdle();
        TakeTrace();
    }

    // One step of a recorded script, followed by running the loop until it is idle.
    void RunStep(const std::string& step) {
        std::istringstream words(step);
        std::string verb;
        std::string argument;
        words >> verb >> argument;
        if (verb == "down") {
            PostMessageA(button, WM_LBUTTONDOWN, MK_LBUTTON, PointArgument(argument));
        } else if (verb == "move") {
            PostMessageA(button, WM_MOUSEMOVE, MK_LBUTTON, PointArgument(argument));
        } else if (verb == "up") {
            PostMessageA(button, WM_LBUTTONUP, 0, PointArgument(argument));
        } else if (verb == "setstate") {
            SendMessageA(button, BM_SETSTATE, argument == "TRUE" ? TRUE : FALSE, 0);
        } else if (verb == "focus") {
            SetFocus(argument == "button" ? button : parent);
        } else if (verb == "capture") {
            if (argument == "parent")
                SetCapture(parent);
            else
                ReleaseCapture();
        } else if (verb == "invalidate") {
            InvalidateRect(button, nullptr, FALSE);
        } else {
            ADD_FAILURE() << "unknown step in the recorded script: " << step;
        }
        RunUntilIdle();
    }

    Strings RecordedMessagesOfOurs() {
        Strings kept;
        for (const std::string& line : TakeTrace()) {
            if (IsRecordedMessage(line)) kept.push_back(line);
        }
        return kept;
    }

    HWND parent{};
    HWND button{};
};

TEST_P(ButtonTraceTest, SendsWhatTheSystemButtonSends) {
    const RecordedTrace recorded = ReadTrace(GetParam());
    ASSERT_FALSE(recorded.steps.empty())
        << "no recorded trace for " << GetParam() << " in " << TraceFolder();
    for (const std::string& step : recorded.steps) RunStep(step);
    EXPECT_EQ(RecordedMessagesOfOurs(), recorded.lines);
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
