#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <sys/wait.h>
#include <unistd.h>

#include <filesystem>
#include <string>
#include <vector>

#include "io/FileError.h"
#include "io/SaveProblems.h"
#include "io/Serializer.h"
#include "tests/support/FileSizeLimit.h"
#include "tests/support/Files.h"
#include "tests/support/TempDirectory.h"

namespace {

// io_tests link with -Wl,--wrap=fsync: every fsync of the program's code comes through
// __wrap_fsync, which notes the file it makes durable.
std::vector<std::filesystem::path> g_synced;

// A page file with a few sprite records: long enough that a failure can strike
// inside the head, inside a string and between records.
void SaveNewPage(const std::string& path, int stopAfterItems = -1) {
    Serializer out(path);
    out.PutString("QUILRY03");
    for (int32_t item = 1; item < 6; ++item) {
        if (item == stopAfterItems) _exit(0);  // the machine dies mid-save
        out.PutLong(item == 1 ? 768 : item * 1000 + 7);
    }
    if (stopAfterItems == 6) _exit(0);
}

}  // namespace

extern "C" int __real_fsync(int fd);
extern "C" int __wrap_fsync(int fd) {
    std::error_code error;
    g_synced.push_back(std::filesystem::read_symlink("/proc/self/fd/" + std::to_string(fd), error));
    return __real_fsync(fd);
}

using testing::AnyOf;
using testing::ThrowsMessage;

class InterruptedSaveTest : public testing::Test {
protected:
    void SetUp() override {
        SaveNewPage(path);
        newFile = ReadBytes(folder / "page02.sav");
        WriteBytes(folder / "page02.sav", oldFile);
    }
    TempDirectory folder;
    const std::string path = folder.Path().string() + "\\page02.sav";
    const Bytes oldFile = Concat({StringBytes("QUILRY03"), LongBytes(768), LongBytes(1)});
    Bytes newFile;
};

TEST_F(InterruptedSaveTest, AFullDiskDeathOrExceptionAtAnyPointKeepsTheOldFileWhole) {
    ASSERT_EQ(newFile.size(), 32u);
    const auto writeFailed = ThrowsMessage<FileError>(AnyOf(
        "Serializer::PutLong: file write failed", "Serializer::PutString: file write failed"));
    for (uint64_t room = 0; room < newFile.size(); ++room) {
        {
            const FileSizeLimit limit(room);
            EXPECT_THAT([&] { SaveNewPage(path); }, writeFailed) << "room " << room;
        }
        EXPECT_EQ(ReadBytes(folder / "page02.sav"), oldFile) << "room " << room;
    }
    for (int stopAfter = 1; stopAfter <= 6; ++stopAfter) {
        const pid_t child = fork();
        ASSERT_GE(child, 0);
        if (child == 0) SaveNewPage(path, stopAfter);
        waitpid(child, nullptr, 0);
        EXPECT_EQ(ReadBytes(folder / "page02.sav"), oldFile) << "stopped after " << stopAfter;
    }
    try {
        Serializer out(path);
        out.PutString("QUILRY03");
        throw FileError("the owner gave up");
    } catch (const FileError&) {
    }
    EXPECT_EQ(ReadBytes(folder / "page02.sav"), oldFile) << "an exception from the body";
    EXPECT_FALSE(std::filesystem::exists(folder / "page02.sav.tmp"));
    {
        Serializer out(path);
        out.PutString("QUILRY03");
        std::filesystem::remove(folder / "page02.sav.tmp");
        EXPECT_FALSE(out.Finish()) << "a save whose last step failed says so";
    }
    EXPECT_EQ(ReadBytes(folder / "page02.sav"), oldFile) << "a failed last step";
    g_synced.clear();
    SaveNewPage(path);
    EXPECT_EQ(ReadBytes(folder / "page02.sav"), newFile);
    // Synced under its temporary name before it replaced the old file: otherwise a power
    // cut just after the rename could leave an empty page where stickers were.
    EXPECT_THAT(g_synced,
                testing::Contains(std::filesystem::canonical(folder.Path()) / "page02.sav.tmp"));
}

// Each kind of failure is told once with its folder and reason, at once through the
// teller; not again while its files still fail, but again once they have all been saved
// and it comes back. A kind that clears up before it was told is not told.
TEST_F(InterruptedSaveTest, EachKindOfFailedSaveIsToldOnceUntilItsFilesAreSavedAgain) {
    namespace fs = std::filesystem;
    const std::string other = folder.Path().string() + "\\page01.sav";
    const auto setReadOnly = [&](bool readOnly) {
        fs::permissions(folder / "page01.sav", fs::perms::owner_write,
                        readOnly ? fs::perm_options::remove : fs::perm_options::add);
    };
    const auto fillTheDisk = [&] {
        const FileSizeLimit full(10);
        EXPECT_THROW(SaveNewPage(path), FileError);
    };
    SaveProblems::Reset();
    int tellings = 0;
    SaveProblems::SetTeller([&] { ++tellings; });
    SaveNewPage(path);
    SaveNewPage(other);
    EXPECT_THAT(SaveProblems::TakeNotices(), testing::IsEmpty()) << "nothing failed";

    fillTheDisk();
    fillTheDisk();
    setReadOnly(true);
    EXPECT_THROW(SaveNewPage(other), FileError);
    EXPECT_EQ(tellings, 2) << "one telling a kind";
    const std::string where = "in the folder " + folder.Path().string() + ": ";
    EXPECT_THAT(SaveProblems::TakeNotices(),
                testing::ElementsAre(
                    testing::HasSubstr(where + "the disk is full."),
                    testing::HasSubstr(where + "the folder or its files may not be written.")));

    fillTheDisk();
    EXPECT_THROW(SaveNewPage(other), FileError);
    EXPECT_THAT(SaveProblems::TakeNotices(), testing::IsEmpty()) << "told already";
    SaveNewPage(path);
    fillTheDisk();
    EXPECT_THAT(SaveProblems::TakeNotices(),
                testing::ElementsAre(testing::HasSubstr("the disk is full.")))
        << "back after its file was saved";

    setReadOnly(false);
    SaveNewPage(other);
    setReadOnly(true);
    EXPECT_THROW(SaveNewPage(other), FileError);
    setReadOnly(false);
    SaveNewPage(other);
    EXPECT_THAT(SaveProblems::TakeNotices(), testing::IsEmpty()) << "cleared before it was told";
    EXPECT_EQ(tellings, 4);
    SaveProblems::Reset();
}
