#include <gtest/gtest.h>

#include <filesystem>
#include <numeric>
#include <string>

#include "io/FileManager.h"
#include "platform/kernel/Kernel.h"
#include "tests/support/Files.h"
#include "tests/support/LogCapture.h"
#include "tests/support/TempDirectory.h"

class FileManagerTest : public testing::Test {
protected:
    void SetUp() override {
        CFileManager::SetBaseDirectoryFromCurrent();
        std::filesystem::create_directory(folder / "data003");
        Bytes hundred(100);
        std::iota(hundred.begin(), hundred.end(), 0);
        WriteBytes(folder / "data003/hundred.dat", hundred);
        WriteBytes(folder / "data003/ten.dat", Bytes(hundred.begin(), hundred.begin() + 10));
        WriteBytes(folder / "data003/empty.dat", {});
    }
    TempDirectory folder;
};

// The base directory then the relative name; with the root as the base the doubled
// separator still opens.
TEST_F(FileManagerTest, FullPathIsTheBaseDirectoryThenTheRelativeName) {
    std::string path;
    CFileManager().MakeFullPath(path, "\\save003\\page00.sav");
    EXPECT_EQ(path, folder.Path().string() + "\\save003\\page00.sav");
    EXPECT_EQ(CFileManager::BaseDirectory(), folder.Path().string());

    std::filesystem::current_path("/");
    CFileManager::SetBaseDirectoryFromCurrent();
    CFileManager files;
    const std::string relative =
        "\\" + folder.Path().relative_path().string() + "\\data003\\ten.dat";
    files.MakeFullPath(path, relative);
    EXPECT_EQ(path.substr(0, 2), "/\\");
    EXPECT_NE(files.OpenForRead(relative.c_str()), nullptr);
    EXPECT_TRUE(files.Close());
}

// A mapped read copies what is there and flags a read past the end; through a handle
// the same read comes short without failing. Either fails once at the end.
TEST_F(FileManagerTest, ReadsPastTheEndCopyWhatIsThereMappedOrThroughAHandle) {
    for (const bool mapped : {true, false}) {
        SCOPED_TRACE(mapped ? "mapped" : "handle");
        CFileManager files(mapped);
        ASSERT_NE(files.OpenForRead("\\data003\\ten.dat"), nullptr);
        EXPECT_EQ(files.GetLength(), 10u);
        uint8_t buffer[14] = {};
        uint32_t done = 99;
        EXPECT_TRUE(files.Read(buffer, 4, &done));
        EXPECT_TRUE(done == 4u && buffer[3] == 3);
        SetLastError(ERROR_SUCCESS);
        EXPECT_EQ(files.Read(buffer, 14, &done), !mapped);
        EXPECT_TRUE(done == 6u && buffer[5] == 9) << done;
        EXPECT_EQ(GetLastError(), mapped ? ERROR_INVALID_PARAMETER : ERROR_SUCCESS);
        EXPECT_EQ(files.GetPosition(), 10);
        EXPECT_FALSE(files.Read(buffer, 1, &done)) << "at the end";
        EXPECT_EQ(done, 0u);
        EXPECT_TRUE(files.Close());
        EXPECT_EQ(GetLastError(), ERROR_SUCCESS);
        EXPECT_EQ(files.GetPosition(), 0) << "closing resets the cursor";
    }
}

TEST_F(FileManagerTest, SeekClampsToTheFileAndOpeningReadingAndWritingHoldAtTheEdges) {
    CFileManager files;
    ASSERT_NE(files.OpenForRead("\\data003\\hundred.dat"), nullptr);
    struct Move {
        int32_t offset, origin;
        bool moved;
        int32_t position;
    };
    SetLastError(ERROR_SUCCESS);
    for (const Move move : {Move{3, 2, true, 97}, Move{-7, 1, true, 90}, Move{200, 0, false, 100},
                            Move{-500, 1, false, 0}, Move{INT32_MIN, 2, false, 100},
                            Move{5, 3, false, 100}, Move{42, 0, true, 42}}) {
        EXPECT_EQ(files.Seek(move.offset, move.origin), move.moved) << move.offset;
        EXPECT_EQ(files.GetPosition(), move.position) << move.offset << " from " << move.origin;
    }
    EXPECT_EQ(GetLastError(), ERROR_INVALID_PARAMETER);
    uint8_t byte = 0;
    EXPECT_TRUE(files.Read(&byte, 1, nullptr));
    EXPECT_EQ(byte, 42);
    EXPECT_TRUE(files.Close());

    // A missing file fails to open; an empty one fails its first read; a write lands at
    // the position through the handle.
    EXPECT_EQ(files.OpenForRead("\\data003\\missing.dat"), nullptr);
    EXPECT_TRUE(files.Close());
    EXPECT_NE(files.OpenForRead("\\data003\\empty.dat"), nullptr);
    uint32_t done = 5;
    EXPECT_FALSE(files.Read(&byte, 1, &done));
    EXPECT_EQ(done, 0u);
    EXPECT_TRUE(files.Close());

    ASSERT_NE(files.OpenForWrite("\\data003\\out.dat"), nullptr);
    EXPECT_TRUE(files.Write("abc", 3, &done));
    EXPECT_EQ(done, 3u);
    EXPECT_EQ(files.GetPosition(), 3);
    EXPECT_TRUE(files.Close());
    EXPECT_EQ(ReadText(folder / "data003/out.dat"), "abc");
}

// The folder is made once and every call is logged; a file in its way is left alone.
TEST_F(FileManagerTest, CreatesTheSaveFolderOnceAndLogsEveryTime) {
    LogCapture capture;
    WriteBytes(folder / "save004", {1});
    for (const char* name : {"save003", "save003", "save004"})
        CFileManager::CheckForAndCreateDirectory(name);
    EXPECT_TRUE(CFileManager::DirectoryExists("save003"));
    EXPECT_FALSE(CFileManager::DirectoryExists("save004"));
    EXPECT_EQ(ReadBytes(folder / "save004"), Bytes{1});
    EXPECT_EQ(capture.Messages(),
              (std::vector<std::string>{"CFileManager::CheckForAndCreateDirectory save003",
                                        "CFileManager::CheckForAndCreateDirectory save003",
                                        "CFileManager::CheckForAndCreateDirectory save004"}));
}
