#include <gtest/gtest.h>

#include <filesystem>
#include <memory>
#include <vector>

#include "tests/scene/DocumentFixture.h"
#include "tests/support/FileSizeLimit.h"

using Records = std::vector<BookFolder::StickerRecord>;

using AnimDocTest = DocumentFixture;

// Without stickers a page saves as the sixteen-byte head (the corners are never saved);
// stickers are saved bottom-most first and read back in the same stacking, under the corners.
TEST_F(AnimDocTest, StickersAreSavedBottomMostFirstAndReadBackInTheSameStackingUnderTheCorners) {
    EXPECT_TRUE(doc.WriteSprites(SaveFile(0)));
    EXPECT_EQ(book.Page(0),
              (Bytes{8, 0, 0, 0, 'Q', 'U', 'I', 'L', 'R', 'Y', '0', '3', 0, 3, 0, 0}));
    EXPECT_TRUE(doc.ReadSprites(SaveFile(0)));

    Stick(84, 10, 20);
    Stick(88, -30, 40000)->SetFlip(true);
    const Records saved = {{84, 10, 20, 12, 0}, {88, -30, 40000, 11, 1}};
    doc.SavePage();
    doc.SavePage();
    EXPECT_EQ(book.Page(0), BookFolder::PageOf(saved)) << "saving again changes nothing";

    doc.LoadPage(nullptr, PageBackgroundFiles[0], &kPageCorners);
    EXPECT_TRUE(doc.ReadSprites(SaveFile(0)));
    EXPECT_EQ(StickerRecords(), saved);

    // The corners are frames of one picture, above every sticker at the corners of the page.
    std::vector<std::array<LONG, 4>> places;
    CSpriteList& sprites = doc.GetSprites();
    for (CSprite* sprite = sprites.First(); sprite != nullptr; sprite = sprites.Next()) {
        RECT area{};
        sprite->GetRect(area);
        places.push_back({area.left, area.top, area.right - area.left, sprite->GetPriority()});
    }
    const LONG side = BookFolder::kCornerSide;
    const LONG width = BookFolder::kStickerWidth;
    EXPECT_EQ(places, (std::vector<std::array<LONG, 4>>{{10, 20, width, 12},
                                                        {-30, 40000, width, 11},
                                                        {836, 580, side, 4},
                                                        {0, 580, side, 3},
                                                        {836, 0, side, 2},
                                                        {0, 0, side, 1}}));
}

// The page shows every whole record of a known sticker whose picture can be read, in
// the file's order: the stored priority is not used, the place in the file is. A missing
// or foreign file is not read: a page without stickers, and no log line.
TEST_F(AnimDocTest, ReadsEveryWholeRecordOfAKnownStickerInTheFilesOrderAndNoForeignFile) {
    const size_t before = capture.Messages().size();
    EXPECT_FALSE(doc.ReadSprites(SaveFile(0))) << "never saved";
    EXPECT_EQ(capture.Messages().size(), before);
    std::filesystem::remove(book.HostPath(StickerPictureFiles[85]));
    const int32_t last = NUMBEROFSTICKERGRAPHICS - 1;
    const Bytes two = BookFolder::PageOf({{84, 1, 2, 11, 0}, {last, 3, 4, 11, 0}});
    const struct {
        const char* what;
        Bytes page;
        Records shown;
    } rows[] = {
        {"stored priorities",
         BookFolder::PageOf({{84, 1, 2, 5, 0}, {last, 3, 4, 99, 0}}),
         {{84, 1, 2, 12, 0}, {last, 3, 4, 11, 0}}},
        {"no such sticker or a missing picture",
         BookFolder::PageOf({{-1, 0, 0, 11, 0},
                             {NUMBEROFSTICKERGRAPHICS, 0, 0, 11, 0},
                             {INT32_MIN, 0, 0, 11, 0},
                             {85, 0, 0, 11, 0},
                             {0, 5, 6, 11, 7}}),
         {{0, 5, 6, 11, 1}}},
        {"a short last record", Bytes(two.begin(), two.end() - 8), {{84, 1, 2, 11, 0}}},
        {"an older file",
         Concat({StringBytes("QUILRY02"), LongBytes(768), BookFolder::PageOf({{84, 1, 2, 11, 0}})}),
         {}},
        {"another version", Concat({StringBytes("QUILRY03"), LongBytes(767), LongBytes(84)}), {}},
        {"a negative text length", Concat({LongBytes(-1), StringBytes("QUILRY03")}), {}},
        {"an empty file", {}, {}},
        {"a cut head", {8, 0, 0}, {}},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.what);
        doc.LoadPage(nullptr, PageBackgroundFiles[0], &kPageCorners);
        book.WritePage(0, row.page);
        const size_t logged = capture.Messages().size();
        EXPECT_EQ(doc.ReadSprites(SaveFile(0)), !row.shown.empty());
        EXPECT_EQ(StickerRecords(), row.shown);
        EXPECT_TRUE(!row.shown.empty() || capture.Messages().size() == logged) << "logged";
    }
    EXPECT_TRUE(capture.Contains("CAnimDoc::ReadSprites: no such sticker: -1"));
    EXPECT_TRUE(capture.Contains("CAnimDoc::ReadSprites: no such sticker: 224"));
}

// A page holds each sticker once at most; a longer file cannot make the page hold more.
TEST_F(AnimDocTest, APageFileLongerThanTheBookStopsAtAsManyStickersAsTheBookHas) {
    std::vector<int32_t> stickers;
    for (int32_t record = 0; record < NUMBEROFSTICKERGRAPHICS + 50; ++record)
        stickers.push_back(record % NUMBEROFSTICKERGRAPHICS);
    book.WritePage(0, AlbumFolder::PageWith(stickers));
    EXPECT_TRUE(doc.ReadSprites(SaveFile(0)));
    EXPECT_EQ(StickerRecords().size(), static_cast<size_t>(NUMBEROFSTICKERGRAPHICS));
    EXPECT_TRUE(capture.Contains("CAnimDoc::ReadSprites: more records than the book has stickers"));
}

TEST_F(AnimDocTest, ChangePageTurnsBothWaysWithWrapAroundAndRefreshesInPlace) {
    const Records onFirst = {{30, -15, 26, 11, 0}};
    const Records onLast = {{74, 526, 316, 11, 0}};
    const int32_t last = kNumberOfPages - 1;
    Stick(30, -15, 26);
    doc.ChangePage(kPagePrevious);
    EXPECT_EQ(book.Page(0), BookFolder::PageOf(onFirst)) << "saved when turned away from";
    Stick(74, 526, 316);

    const struct {
        int32_t direction;
        int32_t page;
        Records shown;
    } turns[] = {{kPageNext, 0, onFirst},     {kPageNext, 1, {}},
                 {kPagePrevious, 0, onFirst}, {kPagePrevious, last, onLast},
                 {kPageSame, last, onLast},   {kPageNext, 0, onFirst}};
    for (const auto& turn : turns) {
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
    const Records shown = {{84, 594, 199, 12, 0}, {85, 3, 4, 11, 0}};
    // Every byte at which the disk can be full, then a read-only file.
    for (uint64_t room = 0; room <= both.size(); ++room) {
        const bool readOnly = room == both.size();
        SCOPED_TRACE(readOnly ? "read-only page file"
                              : "disk full at byte " + std::to_string(room));
        book.WritePage(0, old);
        doc.LoadPage(nullptr, PageBackgroundFiles[0], &kPageCorners);
        doc.LoadPageSprites();
        {
            const FileSizeLimit diskFull(readOnly ? FileSizeLimit::kNoLimit : room);
            if (readOnly)
                std::filesystem::permissions(book.PageFile(0), std::filesystem::perms::all,
                                             std::filesystem::perm_options::remove);
            Stick(85, 3, 4);
            EXPECT_FALSE(doc.SavePage());
            doc.ChangePage(kPageSame);
            doc.ChangePage(kPageNext);
            doc.ChangePage(kPagePrevious);
            EXPECT_EQ(StickerRecords(), shown);
            EXPECT_EQ(book.Page(0), old);
            EXPECT_TRUE(doc.HasUnsavedPages());
        }
        std::filesystem::permissions(book.PageFile(0), std::filesystem::perms::owner_all,
                                     std::filesystem::perm_options::add);
        doc.ChangePage(kPageNext);
        EXPECT_FALSE(doc.HasUnsavedPages());
        EXPECT_EQ(book.Page(0), both);
        doc.ChangePage(kPagePrevious);
        EXPECT_EQ(StickerRecords(), shown);
    }
}

// A page whose background cannot be read is not turned to: the page on show stays,
// and its stickers are never written into the other page's file.
TEST_F(AnimDocTest, ABackgroundThatCannotBeReadRefusesThePageTurnAndWithoutAViewIsNotShown) {
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

    // Without a view a background is kept but cannot be shown.
    CAnimDoc lone;
    EXPECT_FALSE(lone.SetBackground(nullptr, nullptr));
    EXPECT_EQ(lone.GetBackground(), nullptr);
    EXPECT_FALSE(lone.SetBackground(nullptr, std::make_unique<CDIB>(4, 4)));
    EXPECT_NE(lone.GetBackground(), nullptr);
    lone.DeleteContents();
    EXPECT_EQ(lone.GetBackground(), nullptr);
}
