#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <string>
#include <thread>
#include <vector>

#include "platform/kernel/Kernel.h"
#include "platform/kernel/MemoryVolume.h"
#include "platform/machines/headless/HeadlessBackend.h"
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
    HeadlessBackend::Instance().SetVirtualClock(DWORD{4294967290u});
    EXPECT_EQ(timeGetTime(), 4294967290u);
    Sleep(10);
    EXPECT_EQ(timeGetTime(), 4u) << "the clock wraps at 2^32 like the Windows one";
    HeadlessBackend::Instance().Reset();
}

namespace {

// Every file call the readers and the saves make under `root`, with the edge of each: what
// each call answered (and the last error when it failed), one line per call.
std::vector<std::string> Journal(const std::string& root) {
    std::vector<std::string> lines;
    const auto at = [&](const std::string& name) { return root + "\\" + name; };
    const auto note = [&](const std::string& call, int64_t answer) {
        lines.push_back(call + " = " + std::to_string(answer) + " error " +
                        std::to_string(GetLastError()));
        SetLastError(ERROR_SUCCESS);
    };
    const auto openFile = [&](const std::string& name, DWORD access, DWORD disposition) {
        HANDLE file = CreateFileA(at(name).c_str(), access, 0, nullptr, disposition, 0, nullptr);
        note("open " + name, file != INVALID_HANDLE_VALUE);
        return file;
    };
    const auto readAll = [&](HANDLE file) {
        std::string text(16, '?');
        DWORD done = 0;
        note("read", ReadFile(file, text.data(), 16, &done, nullptr));
        text.resize(done);
        return text;
    };
    SetLastError(ERROR_SUCCESS);
    note("folder", CreateDirectoryA(at("save003").c_str(), nullptr));
    note("folder again", CreateDirectoryA(at("save003").c_str(), nullptr));
    note("folder in a missing one", CreateDirectoryA(at("none\\inner").c_str(), nullptr));
    note("folder attributes", GetFileAttributesA(at("save003").c_str()));
    note("missing attributes", GetFileAttributesA(at("page.sav").c_str()));

    HANDLE out = openFile("save003\\page.sav", GENERIC_WRITE, CREATE_ALWAYS);
    DWORD done = 0;
    note("write", WriteFile(out, "abc", 3, &done, nullptr) + 10 * int64_t{done});
    note("seek past the end", SetFilePointer(out, 6, nullptr, FILE_BEGIN));
    note("write after a gap", WriteFile(out, "z", 1, &done, nullptr));
    note("seek before the start", SetFilePointer(out, -8, nullptr, FILE_CURRENT));
    char byte = 0;
    note("read from a writer", ReadFile(out, &byte, 1, &done, nullptr));
    note("flush", FlushFileBuffers(out));
    note("close", CloseHandle(out));
    note("file attributes", GetFileAttributesA(at("save003\\page.sav").c_str()));

    HANDLE in = openFile("save003\\page.sav", GENERIC_READ, OPEN_EXISTING);
    note("size", GetFileSize(in, nullptr));
    lines.push_back("bytes " + readAll(in));
    note("read at the end", ReadFile(in, &byte, 1, &done, nullptr) + 10 * int64_t{done});
    note("seek from the end", SetFilePointer(in, -2, nullptr, FILE_END));
    lines.push_back("tail " + readAll(in));
    note("write to a reader", WriteFile(in, "x", 1, &done, nullptr));
    HANDLE mapping = CreateFileMappingA(in, nullptr, PAGE_READONLY, 0, 0, nullptr);
    note("mapping", mapping != nullptr);
    note("close file before mapping", CloseHandle(in));
    note("view too long", MapViewOfFile(mapping, FILE_MAP_READ, 0, 0, 8) != nullptr);
    const auto* view = static_cast<const char*>(MapViewOfFile(mapping, FILE_MAP_READ, 0, 0, 0));
    lines.push_back("view " + std::string(view, 7));
    note("close mapping", CloseHandle(mapping));

    CloseHandle(openFile("empty.sav", GENERIC_WRITE, CREATE_NEW));
    openFile("empty.sav", GENERIC_WRITE, CREATE_NEW);
    HANDLE empty = openFile("empty.sav", GENERIC_READ, OPEN_EXISTING);
    note("map an empty file",
         CreateFileMappingA(empty, nullptr, PAGE_READONLY, 0, 0, nullptr) != nullptr);
    CloseHandle(empty);
    openFile("missing.sav", GENERIC_READ, OPEN_EXISTING);
    openFile("none\\page.sav", GENERIC_WRITE, CREATE_ALWAYS);
    openFile("save003", GENERIC_READ, OPEN_EXISTING);
    openFile("empty.sav\\page.sav", GENERIC_WRITE, CREATE_ALWAYS);

    const std::string page = at("save003\\page.sav");
    note("move onto a file", MoveFileExA(at("empty.sav").c_str(), page.c_str(), 0));
    // A save's last step: the new page replaces the old one, whose reader's view stays.
    note("replace a file", MoveFileExA(at("empty.sav").c_str(), page.c_str(),
                                       MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH));
    lines.push_back("view after the replace " + std::string(view, 7));
    note("unmap", UnmapViewOfFile(view));
    note("unmap again", UnmapViewOfFile(view));
    HANDLE replaced = openFile("save003\\page.sav", GENERIC_READ, OPEN_EXISTING);
    note("replaced size", GetFileSize(replaced, nullptr));
    CloseHandle(replaced);
    note("moved file is gone", GetFileAttributesA(at("empty.sav").c_str()));
    note("move a missing file",
         MoveFileExA(at("empty.sav").c_str(), page.c_str(), MOVEFILE_REPLACE_EXISTING));
    const std::string first = at("save003\\first.sav");
    note("first save", MoveFileExA(page.c_str(), first.c_str(),
                                   MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH));
    note("delete", DeleteFileA(first.c_str()));
    note("delete again", DeleteFileA(first.c_str()));
    note("delete a folder", DeleteFileA(at("save003").c_str()));
    return lines;
}

}  // namespace

TEST(MemoryVolume, AnswersEveryFileCallAsTheHostDoes) {
    TempDirectory disk;
    const std::vector<std::string> host = Journal(disk.Path().string());
    EXPECT_EQ(host[0], "folder = 1 error 0");
    const std::string written = "abc" + std::string(3, '\0') + "z";
    for (const std::string& line :
         {"bytes " + written, "view after the replace " + written,
          std::string("replaced size = 0 error 0"), std::string("first save = 1 error 0")})
        EXPECT_NE(std::find(host.begin(), host.end(), line), host.end()) << line;

    TempDirectory shadowed;
    MemoryVolume::Mount(shadowed.Path().string() + "/");
    const std::vector<std::string> memory = Journal(shadowed.Path().string());
    MemoryVolume::Unmount();
    EXPECT_EQ(memory, host);
    EXPECT_TRUE(std::filesystem::is_empty(shadowed.Path()))
        << "the disk below the root is not touched";
}

// Paths under the root are the volume's, every other one (a name that only begins like
// the root's included) the disk's; a handle stays on the volume that opened it.
TEST(MemoryVolume, ServesOnlyPathsUnderItsRootAndLeavesTheRestToTheDisk) {
    TempDirectory disk;
    const std::string base = disk.Path().string();
    HANDLE openedBefore = CreateFileA((base + "/kept.sav").c_str(), GENERIC_WRITE, 0, nullptr,
                                      CREATE_ALWAYS, 0, nullptr);
    MemoryVolume::Mount(base + "\\album\\");
    EXPECT_EQ(GetFileAttributesA((base + "/album").c_str()), FILE_ATTRIBUTE_DIRECTORY);
    EXPECT_TRUE(CreateDirectoryA((base + "\\album\\\\save003").c_str(), nullptr));
    for (const char* other : {"/albums", "/alb"})
        EXPECT_TRUE(CreateDirectoryA((base + other).c_str(), nullptr)) << other;
    DWORD done = 0;
    EXPECT_TRUE(WriteFile(openedBefore, "abc", 3, &done, nullptr));
    EXPECT_TRUE(CloseHandle(openedBefore));
    EXPECT_FALSE(MoveFileExA((base + "/kept.sav").c_str(), (base + "/album/kept.sav").c_str(),
                             MOVEFILE_REPLACE_EXISTING));
    EXPECT_EQ(GetLastError(), ERROR_WRITE_FAULT) << "as across devices";
    MemoryVolume::Unmount();

    EXPECT_EQ(GetFileAttributesA((base + "/album").c_str()), INVALID_FILE_ATTRIBUTES);
    EXPECT_TRUE(std::filesystem::is_directory(disk.Path() / "albums"));
    EXPECT_TRUE(std::filesystem::is_directory(disk.Path() / "alb"));
    EXPECT_EQ(std::filesystem::file_size(disk.Path() / "kept.sav"), 3u);
}
