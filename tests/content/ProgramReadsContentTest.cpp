#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "catalogue/DataFiles.h"
#include "gfx/DIB.h"
#include "gfx/DIBSection.h"
#include "io/FileManager.h"

// With the album folder as the base directory, as the program runs.
TEST(ProgramReadsContentTest, EveryDataFileReadsThroughBothPictureReaders) {
    const std::filesystem::path previous = std::filesystem::current_path();
    std::filesystem::current_path(QUILLORY_ALBUM_DIR);
    CFileManager::SetBaseDirectoryFromCurrent();
    std::vector<const char*> names = DataFilesToCheck();
    names.insert(names.end(), {kStickersLeftCaptionFile, kStickersLeftNumberFile});
    for (const char* name : names) {
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
    std::filesystem::current_path(previous);
}
