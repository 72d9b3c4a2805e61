#include <gtest/gtest.h>

#include <filesystem>

#include "album/DeleteAll.h"
#include "tests/album/AlbumFiles.h"
#include "tests/support/LogCapture.h"

struct DeleteAllTest : testing::Test {
    AlbumFolder album;
};

TEST_F(DeleteAllTest, EveryPageBecomesTheSixteenByteEmptyPageAndTheRecordIsLeftAlone) {
    album.WritePage(kNumberOfPages - 1, AlbumFolder::PageWith({84}));
    const Bytes record = AlbumFolder::RecordOf({1, 0, 1});
    WriteBytes(album.SaveFile("page00.sav"), record);

    DeleteAll().ClearPageFiles();

    const Bytes emptyPage = {8, 0, 0, 0, 'Q', 'U', 'I', 'L', 'R', 'Y', '0', '3', 0, 3, 0, 0};
    EXPECT_TRUE(album.EveryPageIs(emptyPage)) << "a page never shown gets its file too";
    EXPECT_EQ(album.Record(), record);
}

TEST_F(DeleteAllTest, APageThatCannotBeWrittenOrAMissingFolderStopsNoOtherPage) {
    LogCapture capture;
    album.WritePage(0, AlbumFolder::PageWith({84}));
    std::filesystem::permissions(album.PageFile(0), std::filesystem::perms::owner_write,
                                 std::filesystem::perm_options::remove);
    album.WritePage(kNumberOfPages - 1, AlbumFolder::PageWith({84}));

    DeleteAll().ClearPageFiles();

    EXPECT_EQ(album.Page(0), AlbumFolder::PageWith({84}));
    for (int32_t page = 1; page < kNumberOfPages; ++page)
        EXPECT_EQ(album.Page(page), AlbumFolder::EmptyPage()) << page;
    EXPECT_TRUE(capture.Contains("Serializer::Serializer: unable to open: " +
                                 CFileManager::BaseDirectory() + "\\save003\\page01.sav"));
    // Without a save folder nothing is written and nothing fails.
    std::filesystem::remove_all(album.folder.Path() / "save003");
    DeleteAll().ClearPageFiles();
    EXPECT_FALSE(std::filesystem::exists(album.folder.Path() / "save003"));
}
