#include <gtest/gtest.h>

#include <filesystem>

#include "album/DeleteAll.h"
#include "tests/album/AlbumFiles.h"
#include "tests/support/LogCapture.h"

// Every page, a page never shown among them, becomes the empty page; the record is left
// alone, and a page that cannot be written stops no other page.
TEST(DeleteAllTest, EveryWritablePageIsEmptiedAndTheRecordIsLeftAlone) {
    AlbumFolder album;
    LogCapture capture;
    album.WritePage(0, AlbumFolder::PageWith({84}));
    album.WritePage(1, AlbumFolder::PageWith({84}));
    std::filesystem::permissions(album.PageFile(1), std::filesystem::perms::owner_write,
                                 std::filesystem::perm_options::remove);
    album.WritePage(kNumberOfPages - 1, AlbumFolder::PageWith({84}));
    const Bytes record = AlbumFolder::RecordOf({1, 0, 1});
    WriteBytes(album.SaveFile("page00.sav"), record);
    DeleteAll().ClearPageFiles();
    const Bytes emptyPage = {8, 0, 0, 0, 'Q', 'U', 'I', 'L', 'R', 'Y', '0', '3', 0, 3, 0, 0};
    for (int32_t page = 0; page < kNumberOfPages; ++page)
        EXPECT_EQ(album.Page(page), page == 1 ? AlbumFolder::PageWith({84}) : emptyPage) << page;
    EXPECT_EQ(album.Record(), record);
    EXPECT_TRUE(capture.Contains("Serializer::Serializer: unable to open: " +
                                 CFileManager::BaseDirectory() + "\\save003\\page02.sav"));
    // Without a save folder nothing is written and nothing fails.
    std::filesystem::remove_all(album.folder.Path() / "save003");
    DeleteAll().ClearPageFiles();
    EXPECT_FALSE(std::filesystem::exists(album.folder.Path() / "save003"));
}
