#include <filesystem>
#include <string>

#include "diag/Log.h"
#include "tests/platform/user/WindowFixture.h"
#include "tests/support/Files.h"
#include "tests/support/LogCapture.h"
#include "tests/support/TempDirectory.h"

class LogTest : public WindowFixture {
protected:
    TempDirectory folder;
};

TEST_F(LogTest, OffWritesNothingAndAnswersOneAndAnUnwritableLogAnswersZero) {
    SetLogging(0);
    EXPECT_EQ(WriteLog("StickersUsed::StickersUsed ctor"), 1);
    EXPECT_FALSE(std::filesystem::exists("log.txt"));
    LogCapture capture;
    std::filesystem::create_directory("log.txt");
    EXPECT_EQ(WriteLog("lost"), 0);
}

// Stamps are tenths of a second padded to five digits, never cut; a long message stays
// whole on its line.
TEST_F(LogTest, StampsAreTenthsOfASecondAndMessagesStayWhole) {
    LogCapture capture;
    machine.SetVirtualClock(DWORD{4299});
    EXPECT_EQ(WriteLog("StickersUsed::StickersUsed ctor"), 1);
    machine.SetVirtualClock(DWORD{12345678});
    const std::string longName(5000, 'q');
    EXPECT_EQ(WriteLog("page %i of %s", 2, longName.c_str()), 1);
    EXPECT_EQ(ReadText("log.txt"),
              "00042:\tStickersUsed::StickersUsed ctor\n123456:\tpage 2 of " + longName + "\n");
}
