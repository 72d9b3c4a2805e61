#include <gtest/gtest.h>

#include <optional>

#include "gfx/DisplayMode.h"
#include "platform/user/User.h"
#include "tests/gfx/FreshMachine.h"
#include "tests/support/LogCapture.h"
#include "tests/support/TempDirectory.h"

namespace {

using Step = HeadlessBackend::DisplayStep;

class DisplayModeTest : public ::testing::Test, protected FreshMachine {
protected:
    TempDirectory folder;
    LogCapture log;
    HWND window = CreateWindowExA(0, "button", "", WS_POPUP | WS_VISIBLE, 0, 0, 1024, 768, nullptr,
                                  nullptr, ProgramInstance(), nullptr);
};

// The desktop is given back at the end, and a restore that failed is tried again then.
TEST_F(DisplayModeTest, SwitchesToFullScreenAndGivesTheDesktopBackWhateverFails) {
    for (const bool restoreFails : {false, true}) {
        {
            DisplayMode display;
            display.RestoreScreen();  // before any switch: nothing to give back
            EXPECT_TRUE(display.SetFullScreen(window, 1024, 768));
            EXPECT_TRUE(machine.FullScreen());
            if (restoreFails) machine.FailDisplayAt(Step::Restore);
            display.RestoreScreen();
            EXPECT_EQ(display.HoldsDisplay(), restoreFails);
            EXPECT_EQ(machine.FullScreen(), restoreFails);
            machine.FailDisplayAt(std::nullopt);
        }
        EXPECT_FALSE(machine.FullScreen());
    }
    EXPECT_EQ(log.Messages(), std::vector<std::string>{"RestoreDisplayMode Failed"});

    // Each failing step of the switch logs its line and the program goes on.
    const std::pair<Step, const char*> steps[] = {
        {Step::Open, "DirectDrawCreateEx Failed"},
        {Step::TakeExclusive, "SetCooperativeLevel Failed"},
        {Step::SetMode, "SetDisplayMode Failed"}};
    for (const auto& [step, line] : steps) {
        SCOPED_TRACE(line);
        LogCapture stepLog;
        machine.FailDisplayAt(step);
        DisplayMode display;
        EXPECT_FALSE(display.SetFullScreen(window, 1024, 768));
        EXPECT_FALSE(machine.FullScreen());
        EXPECT_EQ(stepLog.Messages(), std::vector<std::string>{line});
        // A display object made before the failing step is given back like any other.
        EXPECT_EQ(display.HoldsDisplay(), step != Step::Open);
        display.RestoreScreen();
        EXPECT_FALSE(display.HoldsDisplay());
    }
}

}  // namespace
