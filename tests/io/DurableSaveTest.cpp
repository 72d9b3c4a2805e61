// The io tests link with -Wl,--wrap=fsync: every fsync of the program's code comes
// here first, so a test can see which files were made durable.

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <mutex>
#include <string>
#include <vector>

#include "io/Serializer.h"
#include "tests/support/TempDirectory.h"

namespace {

std::mutex g_lock;
std::vector<std::filesystem::path> g_synced;

}  // namespace

extern "C" int __real_fsync(int fd);

extern "C" int __wrap_fsync(int fd) {
    std::error_code error;
    const std::lock_guard lock(g_lock);
    g_synced.push_back(std::filesystem::read_symlink("/proc/self/fd/" + std::to_string(fd), error));
    return __real_fsync(fd);
}

// A save reaches the disk before it takes the place of the old file: otherwise a
// power cut just after the rename could leave an empty page where stickers were.
TEST(DurableSaveTest, ASaveIsSyncedUnderItsTemporaryNameBeforeItReplacesTheOldFile) {
    TempDirectory folder;
    Serializer(folder.Path().string() + "\\page02.sav").PutLong(8);
    EXPECT_TRUE(std::filesystem::exists(folder / "page02.sav"));
    const std::lock_guard lock(g_lock);
    const auto temporary = std::filesystem::canonical(folder.Path()) / "page02.sav.tmp";
    EXPECT_NE(std::find(g_synced.begin(), g_synced.end(), temporary), g_synced.end());
}
