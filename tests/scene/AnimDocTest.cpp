#include <gtest/gtest.h>

#include <filesystem>
#include <functional>
#include <memory>
#include <vector>

#include "tests/scene/DocumentFixture.h"
#include "tests/support/FileSizeLimit.h"

namespace {

using Records = std::vector<BookFolder::StickerRecord>;

}  // namespace

class AnimDocTest : public DocumentFixture {
protected:
    size_t LogLines() const { return capture.Messages().size(); }
};

TEST_F(AnimDocTest, APageWithoutStickersSavesAsTheSixteenByteHeadAndReadsBackEmpty) {
    EXPECT_TRUE(doc.WriteSprites(SaveFile(0)));
    const Bytes emptyPage = {8, 0, 0, 0, 'Q', 'U', 'I', 'L', 'R', 'Y', '0', '3', 0, 3, 0, 0};
    EXPECT_EQ(book.Page(0), emptyPage) << "the corners are never saved";

    EXPECT_TRUE(doc.ReadSprites(SaveFile(0)));
    EXPECT_EQ(doc.GetSprites().GetCount(), kPageCorners.size());
    const std::vector<std::string> messages = capture.Messages();
    ASSERT_FALSE(messages.empty());
    EXPECT_EQ(messages.back(), "DeSerializer::GetLong: end of file");
}

TEST_F(AnimDocTest, StickersAreSavedBottomMostFirstAndReadBackInTheSameStacking) {
    Stick(84, 10, 20);
    Stick(88, -30, 40000)->SetFlip(true);
    const Records saved = {{84, 10, 20, 12, 0}, {88, -30, 40000, 11, 1}};
    ASSERT_EQ(StickerRecords(), saved);

    doc.SavePage();
    doc.SavePage();
    EXPECT_EQ(book.Page(0), BookFolder::PageOf(saved)) << "saving again changes nothing";

    doc.LoadPage(nullptr, PageBackgroundFiles[0], &kPageCorners);
    EXPECT_TRUE(StickerRecords().empty());
    EXPECT_TRUE(doc.ReadSprites(SaveFile(0)));
    EXPECT_EQ(StickerRecords(), saved);
    EXPECT_EQ(doc.GetSprites().GetCount(), kPageCorners.size() + 2);
}

TEST_F(AnimDocTest, TheStoredPriorityIsNotUsedThePlaceInTheFileIs) {
    book.WritePage(0, BookFolder::PageOf({{84, 1, 2, 5, 0}, {85, 3, 4, 99, 0}}));
    EXPECT_TRUE(doc.ReadSprites(SaveFile(0)));
    EXPECT_EQ(StickerRecords(), (Records{{84, 1, 2, 12, 0}, {85, 3, 4, 11, 0}}));
}

TEST_F(AnimDocTest, AMissingOrForeignPageFileIsAPageWithoutStickersAndNoLogLine) {
    const std::vector<Bytes> foreign = {
        Concat({StringBytes("QUILRY02"), LongBytes(768), BookFolder::PageOf({{84, 1, 2, 11, 0}})}),
        Concat({StringBytes("QUILRY03"), LongBytes(767), LongBytes(84)}),
        Concat({LongBytes(-1), StringBytes("QUILRY03")}),
        {},
        {8, 0, 0},
    };
    const size_t before = LogLines();
    EXPECT_FALSE(doc.ReadSprites(SaveFile(0))) << "never saved";
    for (const Bytes& bytes : foreign) {
        book.WritePage(0, bytes);
        EXPECT_FALSE(doc.ReadSprites(SaveFile(0)));
    }
    EXPECT_TRUE(StickerRecords().empty());
    EXPECT_EQ(LogLines(), before);
}

TEST_F(AnimDocTest, RecordsOfNoStickerOrOfAMissingPictureAreSkippedAndTheRestRead) {
    book.RemovePicture(StickerPictureFiles[85]);
    book.WritePage(0, BookFolder::PageOf({{-1, 0, 0, 11, 0},
                                          {NUMBEROFSTICKERGRAPHICS, 0, 0, 11, 0},
                                          {INT32_MIN, 0, 0, 11, 0},
                                          {85, 0, 0, 11, 0},
                                          {86, 5, 6, 11, 7}}));
    EXPECT_TRUE(doc.ReadSprites(SaveFile(0)));
    EXPECT_EQ(StickerRecords(), (Records{{86, 5, 6, 11, 1}}));
    EXPECT_TRUE(capture.Contains("CAnimDoc::ReadSprites: no such sticker: -1"));
    EXPECT_TRUE(capture.Contains("CAnimDoc::ReadSprites: no such sticker: 224"));
}

TEST_F(AnimDocTest, AShortLastRecordIsDropped) {
    const Bytes page = BookFolder::PageOf({{84, 1, 2, 11, 0}, {85, 3, 4, 11, 0}});
    book.WritePage(0, Bytes(page.begin(), page.end() - 8));
    EXPECT_TRUE(doc.ReadSprites(SaveFile(0)));
    EXPECT_EQ(StickerRecords(), (Records{{84, 1, 2, 11, 0}}));
}

// A page holds each sticker once at most; a longer file cannot make the page hold more.
TEST_F(AnimDocTest, APageFileLongerThanTheBookStopsAtAsManyStickersAsTheBookHas) {
    Bytes page = AlbumFolder::EmptyPage();
    for (int32_t record = 0; record < NUMBEROFSTICKERGRAPHICS + 50; ++record) {
        page = Concat({page, LongBytes(record % NUMBEROFSTICKERGRAPHICS), LongBytes(0),
                       LongBytes(0), LongBytes(11), LongBytes(0)});
    }
    book.WritePage(0, page);
    EXPECT_TRUE(doc.ReadSprites(SaveFile(0)));
    EXPECT_EQ(StickerRecords().size(), static_cast<size_t>(NUMBEROFSTICKERGRAPHICS));
    EXPECT_TRUE(capture.Contains("CAnimDoc::ReadSprites: more records than the book has stickers"));
}

TEST_F(AnimDocTest, APageFileThatCannotBeWrittenKeepsItsOldContents) {
    const Bytes old = BookFolder::PageOf({{84, 1, 2, 11, 0}});
    book.WritePage(0, old);
    std::filesystem::permissions(book.PageFile(0), std::filesystem::perms::owner_write,
                                 std::filesystem::perm_options::remove);
    Stick(85, 3, 4);
    EXPECT_FALSE(doc.WriteSprites(SaveFile(0)));
    EXPECT_EQ(book.Page(0), old);
    EXPECT_EQ(StickerRecords().size(), 1u) << "the page on screen is unaffected";
}

TEST_F(AnimDocTest, ChangePageTurnsBothWaysWithWrapAroundAndRefreshesInPlace) {
    const Records onFirst = {{30, -15, 26, 11, 0}};
    const Records onLast = {{74, 526, 316, 11, 0}};
    const int32_t last = NUMBEROFPAGES - 1;
    Stick(30, -15, 26);
    doc.ChangePage(kPagePrevious);
    EXPECT_EQ(book.Page(0), BookFolder::PageOf(onFirst)) << "saved when turned away from";
    Stick(74, 526, 316);

    struct Turn {
        int32_t direction;
        int32_t page;
        Records shown;
    };
    const Turn turns[] = {{kPageNext, 0, onFirst},     {kPageNext, 1, {}},
                          {kPagePrevious, 0, onFirst}, {kPagePrevious, last, onLast},
                          {kPageSame, last, onLast},   {kPageNext, 0, onFirst}};
    for (const Turn& turn : turns) {
        const int32_t serialBefore = doc.GetSprites().First()->GetSerial();
        doc.ChangePage(turn.direction);
        EXPECT_EQ(doc.GetCurrentPage(), turn.page);
        EXPECT_EQ(doc.GetBackground()->GetWidth(), BookFolder::PageSize(turn.page).cx);
        EXPECT_EQ(StickerRecords(), turn.shown) << turn.page;
        EXPECT_GT(doc.GetSprites().First()->GetSerial(), serialBefore) << "rebuilt from its file";
    }
    EXPECT_EQ(book.Page(last), BookFolder::PageOf(onLast));
    EXPECT_TRUE(capture.Contains("\\save003\\page25.sav"));
}

// While a page cannot be saved (a full disk at any byte of its file, a read-only file)
// its stickers are kept in memory and the page is built from there, never from its
// older file; the next save that the disk takes writes it.
TEST_F(AnimDocTest, APageThatCannotBeSavedIsKeptInMemoryUntilItsFileCanBeWritten) {
    const Bytes old = BookFolder::PageOf({{84, 594, 199, 11, 0}});
    const Bytes both = BookFolder::PageOf({{84, 594, 199, 12, 0}, {85, 3, 4, 11, 0}});
    struct Failure {
        std::string what;
        std::function<std::unique_ptr<FileSizeLimit>()> apply;
    };
    std::vector<Failure> failures;
    for (rlim_t room = 0; room < both.size(); ++room) {
        failures.push_back({"disk full at byte " + std::to_string(room),
                            [room] { return std::make_unique<FileSizeLimit>(room); }});
    }
    failures.push_back({"read-only page file", [this] {
                            std::filesystem::permissions(book.PageFile(0),
                                                         std::filesystem::perms::all,
                                                         std::filesystem::perm_options::remove);
                            return nullptr;
                        }});
    for (const Failure& failure : failures) {
        SCOPED_TRACE(failure.what);
        std::filesystem::remove(book.PageFile(0));
        book.WritePage(0, old);
        doc.LoadPage(nullptr, PageBackgroundFiles[0], &kPageCorners);
        doc.LoadPageSprites();
        {
            const auto failing = failure.apply();
            Stick(85, 3, 4);
            EXPECT_FALSE(doc.SavePage());
            doc.ChangePage(kPageSame);
            doc.ChangePage(kPageNext);
            doc.ChangePage(kPagePrevious);
            EXPECT_EQ(StickerRecords(), (Records{{84, 594, 199, 12, 0}, {85, 3, 4, 11, 0}}));
            EXPECT_EQ(book.Page(0), old);
            EXPECT_TRUE(doc.HasUnsavedPages());
        }
        std::filesystem::permissions(book.PageFile(0), std::filesystem::perms::owner_all,
                                     std::filesystem::perm_options::add);
        doc.ChangePage(kPageNext);
        EXPECT_FALSE(doc.HasUnsavedPages());
        EXPECT_EQ(book.Page(0), both);
        doc.ChangePage(kPagePrevious);
        EXPECT_EQ(StickerRecords(), (Records{{84, 594, 199, 12, 0}, {85, 3, 4, 11, 0}}));
    }
}

// A page whose background cannot be read is not turned to: the page on show stays,
// and its stickers are never written into the other page's file.
TEST_F(AnimDocTest, ABackgroundThatCannotBeReadRefusesThePageTurn) {
    Stick(84, 594, 199);
    std::filesystem::resize_file(book.HostPath(PageBackgroundFiles[1]), 40);
    for (int turn = 0; turn < 2; ++turn) {
        EXPECT_FALSE(doc.ChangePage(kPageNext));
        EXPECT_EQ(doc.GetCurrentPage(), 0);
        EXPECT_EQ(doc.GetBackground()->GetWidth(), BookFolder::PageSize(0).cx);
        EXPECT_EQ(StickerRecords(), (Records{{84, 594, 199, 11, 0}}));
        EXPECT_EQ(doc.GetSprites().GetCount(), kPageCorners.size() + 1)
            << "no second set of corners";
    }
    EXPECT_EQ(book.Page(0), BookFolder::PageOf({{84, 594, 199, 11, 0}}));
    EXPECT_FALSE(std::filesystem::exists(book.PageFile(1)));
    EXPECT_TRUE(capture.Contains("CAnimDoc::ChangePage: page 1 cannot be shown; page 0 stays"));
}

TEST_F(AnimDocTest, TheCornersAreFramesOfOnePictureAboveEveryStickerAtTheCornersOfThePage) {
    Stick(84, 0, 0);
    std::vector<std::array<LONG, 4>> corners;
    CSpriteList& sprites = doc.GetSprites();
    for (CSprite* sprite = sprites.First(); sprite != nullptr; sprite = sprites.Next()) {
        RECT area{};
        sprite->GetRect(area);
        if (sprite->GetPriority() < CSprite::kStickerPriority)
            corners.push_back({area.left, area.top, area.right - area.left, sprite->GetPriority()});
    }
    const LONG side = BookFolder::kCornerSide;
    EXPECT_EQ(corners,
              (std::vector<std::array<LONG, 4>>{
                  {836, 580, side, 4}, {0, 580, side, 3}, {836, 0, side, 2}, {0, 0, side, 1}}));
    EXPECT_EQ(sprites.Front()->GetPriority(), 1);
}

TEST_F(AnimDocTest, ABackgroundThatCannotBeReadLeavesThePageAsItWas) {
    book.RemovePicture(PageBackgroundFiles[1]);
    Stick(84, 1, 2);
    const CDIB* background = doc.GetBackground();
    EXPECT_FALSE(doc.SetBackgroundFromFile(nullptr, PageBackgroundFiles[1]));
    EXPECT_EQ(doc.GetBackground(), background);
    EXPECT_EQ(StickerRecords().size(), 1u);
}

TEST_F(AnimDocTest, WithoutAViewABackgroundIsKeptButCannotBeShown) {
    CAnimDoc lone;
    EXPECT_FALSE(lone.SetBackground(nullptr, nullptr));
    EXPECT_EQ(lone.GetBackground(), nullptr);
    EXPECT_FALSE(lone.SetBackground(nullptr, std::make_unique<CDIB>(4, 4)));
    EXPECT_NE(lone.GetBackground(), nullptr);
    EXPECT_TRUE(capture.Contains("CAnimView not available in CAnimDocBase::SetBackground"));
    lone.DeleteContents();
    EXPECT_EQ(lone.GetBackground(), nullptr);
}
