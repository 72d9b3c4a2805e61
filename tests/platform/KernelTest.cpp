#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <thread>

#include "platform/Kernel.h"
#include "platform/headless/HeadlessBackend.h"
#include "tests/support/Files.h"
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

TEST(Files, ProgramPathsWithBackslashesReachTheHostFile) {
    TempDirectory folder;
    ASSERT_TRUE(CreateDirectoryA((folder.Path().string() + "\\save003").c_str(), nullptr));
    const std::string programPath = folder.Path().string() + "\\save003\\page02.sav";
    HANDLE file = CreateFileA(programPath.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
    ASSERT_NE(file, INVALID_HANDLE_VALUE);
    DWORD written = 0;
    ASSERT_TRUE(WriteFile(file, "page", 4, &written, nullptr));
    EXPECT_EQ(written, 4u);
    ASSERT_TRUE(CloseHandle(file));
    EXPECT_EQ(ReadText(folder / "save003/page02.sav"), "page");
    EXPECT_EQ(GetFileAttributesA(programPath.c_str()), FILE_ATTRIBUTE_NORMAL);
}

TEST(Files, MissingFilesAndFoldersFailWithTheirErrors) {
    TempDirectory folder;
    EXPECT_EQ(CreateFileA("nothing.dat", GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr),
              INVALID_HANDLE_VALUE);
    EXPECT_EQ(GetLastError(), ERROR_FILE_NOT_FOUND);
    EXPECT_EQ(GetFileAttributesA("nothing.dat"), INVALID_FILE_ATTRIBUTES);
    EXPECT_EQ(CreateFileA(".", GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr),
              INVALID_HANDLE_VALUE)
        << "a folder is not a file";
    EXPECT_FALSE(CreateDirectoryA(".", nullptr));
    EXPECT_EQ(GetLastError(), ERROR_ALREADY_EXISTS);
}

TEST(Mapping, ViewsTheWholeFileAndRefusesAnEmptyOne) {
    TempDirectory folder;
    WriteBytes(folder / "ten.dat", {0, 1, 2, 3, 4, 5, 6, 7, 8, 9});
    WriteBytes(folder / "empty.dat", {});

    HANDLE file = CreateFileA("ten.dat", GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
    ASSERT_NE(file, INVALID_HANDLE_VALUE);
    HANDLE mapping = CreateFileMappingA(file, nullptr, PAGE_READONLY, 0, 0, nullptr);
    ASSERT_NE(mapping, nullptr);
    ASSERT_TRUE(CloseHandle(file)) << "the mapping keeps the file open by itself";
    const auto* view = static_cast<const uint8_t*>(MapViewOfFile(mapping, FILE_MAP_READ, 0, 0, 0));
    ASSERT_NE(view, nullptr);
    EXPECT_EQ(view[9], 9);
    EXPECT_TRUE(UnmapViewOfFile(view));
    EXPECT_FALSE(UnmapViewOfFile(view)) << "a view is released once";
    EXPECT_TRUE(CloseHandle(mapping));

    HANDLE empty = CreateFileA("empty.dat", GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);
    EXPECT_EQ(CreateFileMappingA(empty, nullptr, PAGE_READONLY, 0, 0, nullptr), nullptr);
    CloseHandle(empty);
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
