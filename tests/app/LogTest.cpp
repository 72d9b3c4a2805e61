#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "diag/Log.h"
#include "platform/headless/HeadlessBackend.h"
#include "tests/support/Files.h"
#include "tests/support/LogCapture.h"
#include "tests/support/TempDirectory.h"

class LogTest : public testing::Test {
protected:
    void TearDown() override { HeadlessBackend::Instance().Reset(); }
    TempDirectory folder;
};

TEST_F(LogTest, OffWritesNothingAndStillAnswersOne) {
    SetLogging(0);
    EXPECT_EQ(WriteLog("StickersUsed::StickersUsed ctor"), 1);
    EXPECT_FALSE(std::filesystem::exists("log.txt"));
}

TEST_F(LogTest, StampsAreTenthsOfASecondPaddedToFiveDigitsNeverCut) {
    LogCapture capture;
    HeadlessBackend::Instance().SetVirtualClock(DWORD{4299});
    EXPECT_EQ(WriteLog("StickersUsed::StickersUsed ctor"), 1);
    HeadlessBackend::Instance().SetVirtualClock(DWORD{12345678});
    EXPECT_EQ(WriteLog("page %i of %s", 2, "the farm"), 1);
    EXPECT_EQ(ReadText("log.txt"),
              "00042:\tStickersUsed::StickersUsed ctor\n123456:\tpage 2 of the farm\n");
}

TEST_F(LogTest, LongMessagesStayWholeOnOneLine) {
    LogCapture capture;
    const std::string longName(5000, 'q');
    WriteLog("name %s end", longName.c_str());
    EXPECT_EQ(capture.Messages(), std::vector<std::string>{"name " + longName + " end"});
}

TEST_F(LogTest, UnwritableLogAnswersZero) {
    LogCapture capture;
    std::filesystem::create_directory("log.txt");
    EXPECT_EQ(WriteLog("lost"), 0);
}
