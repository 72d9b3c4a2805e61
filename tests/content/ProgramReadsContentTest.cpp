// The generated album read by the program's own readers: every data file through both
// picture readers (the song is read in SongTest).

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "catalogue/DataFiles.h"
#include "gfx/DIB.h"
#include "gfx/DIBSection.h"
#include "io/FileManager.h"

namespace {

// Runs a test with the album folder as the base directory, as the program runs.
class ProgramReadsContentTest : public testing::Test {
protected:
    void SetUp() override {
        std::filesystem::current_path(QUILLORY_ALBUM_DIR);
        CFileManager::SetBaseDirectoryFromCurrent();
    }
    void TearDown() override { std::filesystem::current_path(m_previous); }

    static std::vector<const char*> EveryDataFile() {
        std::vector<const char*> names = DataFilesToCheck();
        names.push_back(kStickersLeftCaptionFile);
        names.push_back(kStickersLeftNumberFile);
        return names;
    }

private:
    std::filesystem::path m_previous = std::filesystem::current_path();
};

}  // namespace

TEST_F(ProgramReadsContentTest, EveryDataFileReadsThroughBothPictureReaders) {
    for (const char* name : EveryDataFile()) {
        CDIB picture(1, 1);
        ASSERT_TRUE(picture.Load(name)) << name;

        CFileManager file;
        ASSERT_NE(file.OpenForRead(name), nullptr) << name;
        CDIBSection section;
        EXPECT_TRUE(section.ReadSection(file, nullptr)) << name;
        file.Close();
        EXPECT_EQ(section.GetWidth(), picture.GetWidth()) << name;
        EXPECT_EQ(section.GetHeight(), picture.GetHeight()) << name;
    }
}
