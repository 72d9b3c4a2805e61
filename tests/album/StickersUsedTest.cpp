#include <gtest/gtest.h>

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "album/DeleteAll.h"
#include "album/StickersUsed.h"
#include "platform/machines/headless/HeadlessBackend.h"
#include "tests/album/AlbumFiles.h"
#include "tests/support/LogCapture.h"

namespace {

// The record's entries with these stickers used and every other one not.
std::vector<int32_t> UsedOnly(std::initializer_list<int32_t> indexes) {
    std::vector<int32_t> entries(NUMBEROFSTICKERGRAPHICS, SU_NOT_USED);
    for (int32_t index : indexes) entries[static_cast<size_t>(index)] = SU_USED;
    return entries;
}

}  // namespace

class StickersUsedTest : public testing::Test {
protected:
    // Each test starts from a record that has forgotten earlier tests.
    void SetUp() override {
        record.ResetStickersUsed();
        std::filesystem::remove(album.SaveFile("page00.sav"));
    }
    void TearDown() override { machine.Reset(); }
    std::vector<int32_t> Entries() const {
        std::vector<int32_t> entries;
        for (int32_t index = 0; index < NUMBEROFSTICKERGRAPHICS; ++index)
            entries.push_back(record.GetStickerUsed(index));
        return entries;
    }

    AlbumFolder album;
    const std::string recordPath = CFileManager::BaseDirectory() + "\\save003\\page00.sav";
    LogCapture capture;
    HeadlessBackend& machine = HeadlessBackend::Instance();
    StickersUsed record;
};

TEST_F(StickersUsedTest, FirstRunCreatesEmptyFilesAndStickingOneSavesItsEntryInPlace) {
    EXPECT_FALSE(record.ReadStickersUsed());
    const Bytes head = {2,   0,   0,   0,   'T', 'V', 8,   0, 0, 0, 'Q',
                        'U', 'I', 'L', 'R', 'Y', '0', '3', 0, 3, 0, 0};
    EXPECT_EQ(album.Record(), Concat({head, Bytes(896, 0)}));
    for (int32_t page = 0; page < kNumberOfPages; ++page)
        EXPECT_EQ(album.Page(page), AlbumFolder::EmptyPage()) << page;
    EXPECT_TRUE(capture.Contains(
        "StickersUsed::ReadStickersUsed: catch: DeSerializer::DeSerializer: unable to open: " +
        recordPath));
    // Sticking one saves its entry in place, and a restart reads it back.
    album.WritePage(0, AlbumFolder::PageWith({60}));
    record.SetStickerUsed(60);
    record.SetStickerUsed(60);
    EXPECT_EQ(record.GetStickersLeft(), 223) << "stuck twice, counted once";
    Bytes expected = AlbumFolder::RecordOf(UsedOnly({}));
    expected[262] = 1;
    EXPECT_EQ(album.Record(), expected) << "sticker 60's entry, at byte 22 + 60 * 4";
    record.ResetStickersUsed();
    WriteBytes(album.SaveFile("page00.sav"), expected);
    EXPECT_TRUE(record.ReadStickersUsed());
    EXPECT_EQ(Entries(), UsedOnly({60}));
    EXPECT_EQ(album.Record(), expected) << "a record that agrees with the pages is not rewritten";
    EXPECT_TRUE(record.ResetStickersUsed());
    EXPECT_EQ(album.Record(), AlbumFolder::RecordOf(UsedOnly({})));
    EXPECT_EQ(record.GetStickersLeft(), NUMBEROFSTICKERGRAPHICS);
}

// A record that cannot be read is rebuilt from the pages, which hold what the child
// stuck; the pages stay exactly as they were.
TEST_F(StickersUsedTest, EveryBadRecordIsRebuiltFromThePagesWhichStayUntouched) {
    const Bytes good = AlbumFolder::RecordOf(UsedOnly({0, 84}));
    const std::string longForeignText(3000, 'Z');
    const struct {
        const char* what;
        std::optional<Bytes> bytes;  // none: the record is deleted
        std::string logged;
    } cases[] = {
        {"deleted", std::nullopt, "DeSerializer::DeSerializer: unable to open: " + recordPath},
        {"cut to 10 bytes", Bytes(good.begin(), good.begin() + 10),
         "StickersUsed::ReadStickersUsed: VERSION_TEXT is wrong: "},
        {"foreign", Concat({StringBytes("MZ"), Bytes(900, 7)}),
         "StickersUsed::ReadStickersUsed: SU_VER is wrong: MZ"},
        {"long foreign head", Concat({StringBytes(longForeignText), LongBytes(1)}),
         "StickersUsed::ReadStickersUsed: SU_VER is wrong: " + longForeignText},
        {"older version text", Concat({StringBytes("TV"), StringBytes("QUILRY02"), LongBytes(768)}),
         "StickersUsed::ReadStickersUsed: VERSION_TEXT is wrong: QUILRY02"},
        {"wrong version number",
         Concat({StringBytes("TV"), StringBytes("QUILRY03"), LongBytes(767)}),
         "StickersUsed::ReadStickersUsed: VER_NUMBER is wrong: QUILRY03"},
        {"empty", Bytes{}, "StickersUsed::ReadStickersUsed: SU_VER is wrong: "},
        {"cut inside the entries", Bytes(good.begin(), good.begin() + 500),
         "DeSerializer::GetLong: end of file"},
        {"impossible string length", LongBytes(-1), "DeSerializer::GetString: string too long"},
    };
    // Stickers on three pages, the first and the last page of the book among them.
    std::vector<Bytes> pages(kNumberOfPages, AlbumFolder::EmptyPage());
    pages.front() = AlbumFolder::PageWith({0, 27});
    pages[1] = AlbumFolder::PageWith({100});
    pages.back() = AlbumFolder::PageWith({223});
    const std::vector<int32_t> stuck = UsedOnly({0, 27, 100, 223});
    for (const auto& bad : cases) {
        SCOPED_TRACE(bad.what);
        capture.Clear();
        record.ResetStickersUsed();
        record.SetStickerUsed(3);
        for (int32_t page = 0; page < kNumberOfPages; ++page)
            album.WritePage(page, pages[static_cast<size_t>(page)]);
        std::filesystem::remove(album.SaveFile("page00.sav"));
        if (bad.bytes) WriteBytes(album.SaveFile("page00.sav"), *bad.bytes);
        EXPECT_FALSE(record.ReadStickersUsed());
        for (int32_t page = 0; page < kNumberOfPages; ++page)
            EXPECT_EQ(album.Page(page), pages[static_cast<size_t>(page)]);
        EXPECT_EQ(Entries(), stuck);
        EXPECT_EQ(record.GetStickersLeft(), NUMBEROFSTICKERGRAPHICS - 4);
        EXPECT_EQ(album.Record(), AlbumFolder::RecordOf(stuck));
        EXPECT_TRUE(capture.Contains("StickersUsed::ReadStickersUsed: catch: " + bad.logged))
            << testing::PrintToString(capture.Messages());
        EXPECT_TRUE(capture.Contains(
            "StickersUsed::ReadStickersUsed: record rebuilt from 4 stickers on the pages"));
    }
    EXPECT_TRUE(machine.MessageBoxesShown().empty());
}

// The pages decide: a crash between a page's save and the record's, or an older save,
// leaves them apart, and start-up brings the record to what the pages show. A record one
// entry short is still read.
TEST_F(StickersUsedTest, ARecordOneEntryShortOrApartFromThePagesIsReadAndRepaired) {
    const Bytes full = AlbumFolder::RecordOf(UsedOnly({0, 99, 223}));
    album.WritePage(0, AlbumFolder::PageWith({0, 30}));
    album.WritePage(kNumberOfPages - 1, AlbumFolder::PageWith({222}));
    WriteBytes(album.SaveFile("page00.sav"), Bytes(full.begin(), full.end() - 4));
    EXPECT_TRUE(record.ReadStickersUsed());
    EXPECT_EQ(Entries(), UsedOnly({0, 30, 222}));
    EXPECT_EQ(record.GetStickersLeft(), NUMBEROFSTICKERGRAPHICS - 3);
    EXPECT_EQ(album.Record(), AlbumFolder::RecordOf(UsedOnly({0, 30, 222})));
    EXPECT_EQ(album.Page(0), AlbumFolder::PageWith({0, 30}));
    EXPECT_FALSE(capture.Contains("rebuilt"));
    // An entry of two is reported and counts as used.
    record.ResetStickersUsed();
    std::vector<int32_t> entries = UsedOnly({});
    entries[7] = 2;
    album.WritePage(0, AlbumFolder::PageWith({7}));
    album.WritePage(kNumberOfPages - 1, AlbumFolder::EmptyPage());
    WriteBytes(album.SaveFile("page00.sav"), AlbumFolder::RecordOf(entries));
    EXPECT_TRUE(record.ReadStickersUsed());
    const auto boxes = machine.MessageBoxesShown();
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_NE(boxes[0].text.find("\"*intIterator == SU_NOT_USED || *intIterator == SU_USED\""),
              std::string::npos);
    EXPECT_NE(record.GetStickerUsed(7), SU_NOT_USED);
    EXPECT_EQ(record.GetStickersLeft(), 223) << "the counter agrees with the sticker's used face";
    record.SetStickerUsed(8);
    EXPECT_EQ(album.Record(), AlbumFolder::RecordOf(UsedOnly({7, 8})));
}

TEST_F(StickersUsedTest, BadIndexesChangeNothingAndAFailedSaveKeepsTheOldFile) {
    EXPECT_EQ(record.GetStickerUsed(NUMBEROFSTICKERGRAPHICS), -1);
    EXPECT_EQ(record.GetStickerUsed(-1), -1);
    record.SetStickerUsed(NUMBEROFSTICKERGRAPHICS);
    EXPECT_EQ(machine.MessageBoxesShown().size(), 3u) << "each one reported";
    EXPECT_EQ(record.GetStickersLeft(), NUMBEROFSTICKERGRAPHICS);
    EXPECT_FALSE(std::filesystem::exists(album.SaveFile("page00.sav"))) << "nothing was saved";
    // A failed save keeps the old file and the change in memory.
    record.SetStickerUsed(1);
    const Bytes saved = album.Record();
    std::filesystem::permissions(album.SaveFile("page00.sav"), std::filesystem::perms::owner_write,
                                 std::filesystem::perm_options::remove);
    record.SetStickerUsed(2);
    EXPECT_EQ(record.GetStickerUsed(2), SU_USED);
    EXPECT_EQ(album.Record(), saved);
    EXPECT_TRUE(capture.Contains("catch: Serializer::Serializer: couldn't open file"));
    // Windows removes no read-only file.
    std::filesystem::permissions(album.SaveFile("page00.sav"), std::filesystem::perms::owner_write,
                                 std::filesystem::perm_options::add);
    std::filesystem::remove_all(album.folder.Path() / "save003");
    EXPECT_FALSE(record.WriteStickersUsed());
}

// Clear All: every page, a page never shown among them, becomes the empty page; the record
// is left alone, and a page that cannot be written stops no other page.
TEST_F(StickersUsedTest, ClearingThePagesEmptiesEveryWritablePageAndLeavesTheRecordAlone) {
    album.WritePage(0, AlbumFolder::PageWith({84}));
    album.WritePage(1, AlbumFolder::PageWith({84}));
    std::filesystem::permissions(album.PageFile(1), std::filesystem::perms::owner_write,
                                 std::filesystem::perm_options::remove);
    album.WritePage(kNumberOfPages - 1, AlbumFolder::PageWith({84}));
    const Bytes saved = AlbumFolder::RecordOf({1, 0, 1});
    WriteBytes(album.SaveFile("page00.sav"), saved);
    DeleteAll().ClearPageFiles();
    for (int32_t page = 0; page < kNumberOfPages; ++page)
        EXPECT_EQ(album.Page(page),
                  page == 1 ? AlbumFolder::PageWith({84}) : AlbumFolder::EmptyPage())
            << page;
    EXPECT_EQ(album.Record(), saved);
    EXPECT_TRUE(capture.Contains("Serializer::Serializer: unable to open: " +
                                 CFileManager::BaseDirectory() + "\\save003\\page02.sav"));
    // Without a save folder nothing is written and nothing fails (Windows removes no
    // read-only file).
    std::filesystem::permissions(album.PageFile(1), std::filesystem::perms::owner_write,
                                 std::filesystem::perm_options::add);
    std::filesystem::remove_all(album.folder.Path() / "save003");
    DeleteAll().ClearPageFiles();
    EXPECT_FALSE(std::filesystem::exists(album.folder.Path() / "save003"));
}
