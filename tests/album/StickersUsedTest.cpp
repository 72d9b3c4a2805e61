#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "album/StickersUsed.h"
#include "platform/headless/HeadlessBackend.h"
#include "tests/album/AlbumFiles.h"
#include "tests/support/LogCapture.h"

namespace {

std::vector<int32_t> Unused() {
    return std::vector<int32_t>(NUMBEROFSTICKERGRAPHICS, SU_NOT_USED);
}

std::vector<int32_t> UsedOnly(std::initializer_list<int32_t> indexes) {
    std::vector<int32_t> entries = Unused();
    for (int32_t index : indexes) entries[static_cast<size_t>(index)] = SU_USED;
    return entries;
}

}  // namespace

class StickersUsedTest : public testing::Test {
protected:
    void SetUp() override {
        // Start each test from a record that has forgotten earlier tests.
        record.ResetStickersUsed();
        std::filesystem::remove(album.SaveFile("page00.sav"));
    }
    void TearDown() override { machine.Reset(); }

    // The entries as the record answers them.
    std::vector<int32_t> Entries() const {
        std::vector<int32_t> entries;
        for (int32_t index = 0; index < NUMBEROFSTICKERGRAPHICS; ++index)
            entries.push_back(record.GetStickerUsed(index));
        return entries;
    }
    // Both pages hold stickers, so that a reset shows on disk.
    void FillPages() const {
        album.WritePage(0, AlbumFolder::PageWithASticker());
        album.WritePage(1, AlbumFolder::PageWithASticker());
    }
    void ExpectResetEverything() const {
        EXPECT_EQ(album.Record(), AlbumFolder::RecordOf(Unused()));
        EXPECT_EQ(album.Page(0), AlbumFolder::EmptyPage());
        EXPECT_EQ(album.Page(1), AlbumFolder::EmptyPage());
        EXPECT_EQ(Entries(), Unused());
        EXPECT_EQ(record.GetStickersLeft(), NUMBEROFSTICKERGRAPHICS);
    }

    AlbumFolder album;
    LogCapture capture;
    HeadlessBackend& machine = HeadlessBackend::Instance();
    StickersUsed record;
};

TEST_F(StickersUsedTest, TheOneRecordKnowsItsFile) {
    StickersUsed* first = GetStickersUsed();
    EXPECT_EQ(first, GetStickersUsed());
    EXPECT_TRUE(first->IsValid());
    EXPECT_TRUE(capture.Contains("StickersUsed::StickersUsed ctor"));
}

TEST_F(StickersUsedTest, FirstRunCreatesAnEmptyRecordAndEmptyPages) {
    EXPECT_FALSE(record.ReadStickersUsed());
    const Bytes written = album.Record();
    ASSERT_EQ(written.size(), 918u);
    const Bytes head = {2,   0,   0,   0,   'T', 'V', 8,   0, 0, 0, 'Q',
                        'U', 'I', 'L', 'R', 'Y', '0', '3', 0, 3, 0, 0};
    EXPECT_EQ(Bytes(written.begin(), written.begin() + 22), head);
    EXPECT_EQ(Bytes(written.begin() + 22, written.end()), Bytes(896, 0));
    const Bytes emptyPage = {8, 0, 0, 0, 'Q', 'U', 'I', 'L', 'R', 'Y', '0', '3', 0, 3, 0, 0};
    EXPECT_EQ(album.Page(0), emptyPage);
    EXPECT_EQ(album.Page(1), emptyPage);
    const std::string path = CFileManager::BaseDirectory() + "\\save003\\page00.sav";
    EXPECT_TRUE(capture.Contains(
        "StickersUsed::ReadStickersUsed: catch: DeSerializer::DeSerializer: unable to open: " +
        path));
}

TEST_F(StickersUsedTest, StickingOneSavesItsEntryInPlaceAndSurvivesARestart) {
    record.ResetStickersUsed();
    FillPages();
    const int32_t sheet2Sticker4 = StickerIndexFromCommands(1009, 1019);
    ASSERT_EQ(sheet2Sticker4, 60);
    record.SetStickerUsed(sheet2Sticker4);
    EXPECT_EQ(record.GetStickersLeft(), 223);

    Bytes expected = AlbumFolder::RecordOf(Unused());
    expected[262] = 1;
    EXPECT_EQ(album.Record(), expected);

    record.ResetStickersUsed();
    WriteBytes(album.SaveFile("page00.sav"), expected);
    EXPECT_TRUE(record.ReadStickersUsed());
    EXPECT_EQ(Entries(), UsedOnly({60}));
    EXPECT_EQ(record.GetStickersLeft(), 223);
    EXPECT_EQ(album.Page(0), AlbumFolder::PageWithASticker())
        << "a good record leaves the pages alone";
    EXPECT_TRUE(machine.MessageBoxesShown().empty());
}

TEST_F(StickersUsedTest, StickingTheSameStickerTwiceCountsItOnce) {
    record.SetStickerUsed(5);
    record.SetStickerUsed(5);
    EXPECT_EQ(record.GetStickersLeft(), 223);
}

TEST_F(StickersUsedTest, EveryBadRecordResetsTheRecordAndEveryPage) {
    const Bytes good = AlbumFolder::RecordOf(UsedOnly({0, 84}));
    const std::string longForeignText(3000, 'Z');
    struct BadRecord {
        const char* what;
        Bytes bytes;
        std::string logged;
    };
    const std::vector<BadRecord> cases = {
        {"foreign", Concat({StringBytes("MZ"), Bytes(900, 7)}), "SU_VER is wrong: MZ"},
        {"long foreign head", Concat({StringBytes(longForeignText), LongBytes(1)}),
         "SU_VER is wrong: " + longForeignText},
        {"older version text", Concat({StringBytes("TV"), StringBytes("QUILRY02"), LongBytes(768)}),
         "VERSION_TEXT is wrong: QUILRY02"},
        {"older version number",
         Concat({StringBytes("TV"), StringBytes("QUILRY03"), LongBytes(767)}),
         "VER_NUMBER is wrong: QUILRY03"},
        {"short", Bytes(good.begin(), good.begin() + 500), "DeSerializer::GetLong: end of file"},
        {"empty", Bytes{}, "DeSerializer::GetLong: end of file"},
        {"impossible string length", LongBytes(-1), "DeSerializer::GetString: string too long"},
    };
    for (const BadRecord& bad : cases) {
        SCOPED_TRACE(bad.what);
        record.ResetStickersUsed();
        record.SetStickerUsed(3);
        FillPages();
        WriteBytes(album.SaveFile("page00.sav"), bad.bytes);

        EXPECT_FALSE(record.ReadStickersUsed());
        ExpectResetEverything();
        const std::string logged = bad.logged.starts_with("DeSerializer")
                                       ? bad.logged
                                       : "StickersUsed::ReadStickersUsed: " + bad.logged;
        EXPECT_TRUE(capture.Contains("StickersUsed::ReadStickersUsed: catch: " + logged));
    }
    EXPECT_TRUE(machine.MessageBoxesShown().empty()) << "the page reset passes its own check";
}

TEST_F(StickersUsedTest, ARecordOneEntryShortIsTakenWithTheLastStickerUnused) {
    const Bytes full = AlbumFolder::RecordOf(UsedOnly({0, 222, 223}));
    FillPages();
    WriteBytes(album.SaveFile("page00.sav"), Bytes(full.begin(), full.end() - 4));

    EXPECT_TRUE(record.ReadStickersUsed());
    EXPECT_EQ(Entries(), UsedOnly({0, 222}));
    EXPECT_EQ(record.GetStickersLeft(), 222);
    EXPECT_EQ(album.Page(1), AlbumFolder::PageWithASticker());
}

TEST_F(StickersUsedTest, AnEntryOfTwoIsReportedAndCountsAsUsed) {
    std::vector<int32_t> entries = Unused();
    entries[7] = 2;
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

TEST_F(StickersUsedTest, IndexesOutsideTheBookAreReportedAndChangeNothing) {
    EXPECT_EQ(record.GetStickerUsed(NUMBEROFSTICKERGRAPHICS), -1);
    EXPECT_EQ(record.GetStickerUsed(-1), -1);
    record.SetStickerUsed(NUMBEROFSTICKERGRAPHICS);

    EXPECT_EQ(machine.MessageBoxesShown().size(), 3u);
    EXPECT_NE(machine.MessageBoxesShown()[0].text.find(
                  "stickerIndex >= SU_MIN_INDEX && stickerIndex <= SU_MAX_INDEX"),
              std::string::npos);
    EXPECT_TRUE(capture.Contains("StickersUsed::GetStickerUsed: out of range: -1"));
    EXPECT_TRUE(capture.Contains("StickersUsed::SetStickerUsed: out of range: 224"));
    EXPECT_EQ(record.GetStickersLeft(), NUMBEROFSTICKERGRAPHICS);
    EXPECT_FALSE(std::filesystem::exists(album.SaveFile("page00.sav"))) << "nothing was saved";
}

TEST_F(StickersUsedTest, ClearingMarksEveryStickerUnusedOnDisk) {
    record.SetStickerUsed(0);
    record.SetStickerUsed(223);
    EXPECT_TRUE(record.ResetStickersUsed());
    EXPECT_EQ(album.Record(), AlbumFolder::RecordOf(Unused()));
    EXPECT_EQ(record.GetStickersLeft(), NUMBEROFSTICKERGRAPHICS);
}

TEST_F(StickersUsedTest, AFailedSaveKeepsTheOldFileAndTheChangeInMemory) {
    record.SetStickerUsed(1);
    const Bytes saved = album.Record();
    std::filesystem::permissions(album.SaveFile("page00.sav"), std::filesystem::perms::owner_write,
                                 std::filesystem::perm_options::remove);
    record.SetStickerUsed(2);
    EXPECT_EQ(record.GetStickerUsed(2), SU_USED);
    EXPECT_EQ(album.Record(), saved);
    EXPECT_TRUE(capture.Contains("catch: Serializer::Serializer: couldn't open file"));

    std::filesystem::remove_all(album.folder.Path() / "save003");
    EXPECT_FALSE(record.WriteStickersUsed());
}
