#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <thread>

#include "platform/Kernel.h"
#include "platform/headless/HeadlessBackend.h"
#include "tests/support/TempDirectory.h"

TEST(HostPath, EveryBackslashBecomesASlash) {
    EXPECT_EQ(ToHostPath("/home/child\\save003\\page00.sav"), "/home/child/save003/page00.sav");
    EXPECT_EQ(ToHostPath("/\\\\save003"), "///save003");
    EXPECT_EQ(ToHostPath(""), "");
}

TEST(CurrentDirectory, AsksForTheLengthThenFills) {
    TempDirectory folder;
    const DWORD needed = GetCurrentDirectoryA(0, nullptr);
    const std::string expected = std::filesystem::current_path().string();
    ASSERT_EQ(needed, expected.size() + 1);

    std::string buffer(needed, 'x');
    EXPECT_EQ(GetCurrentDirectoryA(needed, buffer.data()), needed - 1);
    EXPECT_EQ(buffer.c_str(), expected);
    EXPECT_EQ(GetCurrentDirectoryA(needed - 1, buffer.data()), needed) << "too small: the need";
}

TEST(LastError, BelongsToEachThread) {
    SetLastError(ERROR_INVALID_PARAMETER);
    DWORD seenByOtherThread = 1;
    std::thread([&] { seenByOtherThread = GetLastError(); }).join();
    EXPECT_EQ(seenByOtherThread, ERROR_SUCCESS);
    EXPECT_EQ(GetLastError(), ERROR_INVALID_PARAMETER);
}

TEST(Clock, VirtualClockAnswersAndAdvancesWithSleep) {
    HeadlessBackend& machine = HeadlessBackend::Instance();
    machine.SetVirtualClock(DWORD{4294967290u});
    EXPECT_EQ(timeGetTime(), 4294967290u);
    Sleep(10);
    EXPECT_EQ(timeGetTime(), 4u) << "the clock wraps at 2^32 like the Windows one";
    machine.Reset();
    const DWORD before = timeGetTime();
    EXPECT_LE(timeGetTime() - before, 1000u);
}
