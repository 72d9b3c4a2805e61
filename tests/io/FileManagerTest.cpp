#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "io/FileManager.h"
#include "platform/Kernel.h"
#include "tests/support/Files.h"
#include "tests/support/LogCapture.h"
#include "tests/support/TempDirectory.h"

class FileManagerTest : public testing::Test {
protected:
    void SetUp() override {
        CFileManager::SetBaseDirectoryFromCurrent();
        std::filesystem::create_directory(folder / "data003");
        WriteBytes(folder / "data003/ten.dat", {0, 1, 2, 3, 4, 5, 6, 7, 8, 9});
        WriteBytes(folder / "data003/empty.dat", {});
        Bytes hundred(100);
        for (size_t i = 0; i < hundred.size(); ++i) hundred[i] = static_cast<uint8_t>(i);
        WriteBytes(folder / "data003/hundred.dat", hundred);
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

TEST_F(FileManagerTest, MappedReadsCopyWhatIsThereAndFlagPastTheEnd) {
    CFileManager files(true);
    ASSERT_NE(files.OpenForRead("\\data003\\ten.dat"), nullptr);
    EXPECT_EQ(files.GetLength(), 10u);
    uint8_t buffer[14] = {};
    uint32_t done = 99;
    EXPECT_TRUE(files.Read(buffer, 4, &done));
    EXPECT_EQ(done, 4u);
    EXPECT_EQ(buffer[3], 3);

    SetLastError(ERROR_SUCCESS);
    EXPECT_FALSE(files.Read(buffer, 14, &done));
    EXPECT_EQ(done, 6u);
    EXPECT_EQ(buffer[5], 9);
    EXPECT_EQ(GetLastError(), ERROR_INVALID_PARAMETER);
    EXPECT_EQ(files.GetPosition(), 10);
    EXPECT_FALSE(files.Read(buffer, 1, &done));
    EXPECT_EQ(done, 0u);

    EXPECT_TRUE(files.Close());
    EXPECT_EQ(GetLastError(), ERROR_SUCCESS);
    EXPECT_EQ(files.GetPosition(), 0) << "closing resets the cursor";
}

TEST_F(FileManagerTest, HandleModeReadsShortAtTheEndWithoutFailing) {
    CFileManager files(false);
    ASSERT_NE(files.OpenForRead("\\data003\\ten.dat"), nullptr);
    ASSERT_TRUE(files.Seek(7, 0));
    uint8_t buffer[8] = {};
    uint32_t done = 0;
    EXPECT_TRUE(files.Read(buffer, 8, &done));
    EXPECT_EQ(done, 3u);
    EXPECT_EQ(buffer[2], 9);
    EXPECT_FALSE(files.Read(buffer, 8, &done)) << "at the end";
    EXPECT_EQ(done, 0u);
    EXPECT_TRUE(files.Close());
}

TEST_F(FileManagerTest, SeekMovesFromEachOriginAndClampsToTheFile) {
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
    files.Close();
}

// A missing file fails to open; an empty one fails its first read; a write lands at
// the position through the handle.
TEST_F(FileManagerTest, OpeningReadingAndWritingAtTheEdges) {
    CFileManager files;
    EXPECT_EQ(files.OpenForRead("\\data003\\missing.dat"), nullptr);
    EXPECT_TRUE(files.Close());
    EXPECT_NE(files.OpenForRead("\\data003\\empty.dat"), nullptr);
    uint8_t byte = 0;
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
