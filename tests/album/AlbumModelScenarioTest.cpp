// The book's model from a first run to a cleared album, without any window: the
// record of used stickers, the page document and its files, the snap test and the
// page reset working together as the program uses them.

#include <gtest/gtest.h>

#include "album/DeleteAll.h"
#include "album/StickerHomePositions.h"
#include "album/StickerOverPosition.h"
#include "album/StickersUsed.h"
#include "platform/headless/HeadlessBackend.h"
#include "tests/scene/DocumentFixture.h"

namespace {

// Its home is on the first page, partly left of the page.
constexpr int32_t kFirstPageSticker = 30;

}  // namespace

class AlbumModelScenarioTest : public DocumentFixture {
protected:
    ~AlbumModelScenarioTest() override { HeadlessBackend::Instance().Reset(); }

    // Picks the sticker, carries it to (dx, dy) from its home and drops it there; a
    // sticker that sticks is recorded as used, one that does not is thrown away.
    bool PickAndDrop(int32_t stickerIndex, LONG dx, LONG dy) {
        const StickerHome& home = StickerHomePositions[static_cast<size_t>(stickerIndex)];
        view.StartCarrying(Stick(stickerIndex, 0, 0), 0, 0);
        view.GetCapturedSprite()->MoveTo(home.x + dx, home.y + dy);
        const bool stuck = StickerOverPosition().IsOverPosition();
        if (stuck) {
            record.SetStickerUsed(stickerIndex);
        } else {
            view.DiscardCapturedSprite();
        }
        view.StopCarrying();
        return stuck;
    }

    StickersUsed record;
};

TEST_F(AlbumModelScenarioTest, AStuckStickerOutlivesPageTurnsUntilTheAlbumIsCleared) {
    // First run: no record yet, so the record and every page start empty on disk.
    EXPECT_FALSE(record.ReadStickersUsed());
    EXPECT_EQ(book.Record(), AlbumFolder::RecordOf(std::vector<int32_t>(224, 0)));
    EXPECT_TRUE(book.EveryPageIs(AlbumFolder::EmptyPage()));
    StickerOverPosition::SetViewAndDocument(&view, &doc);
    doc.LoadPageSprites();

    EXPECT_FALSE(PickAndDrop(kFirstPageSticker, 25, 0)) << "too far: thrown away, still unused";
    EXPECT_EQ(record.GetStickerUsed(kFirstPageSticker), SU_NOT_USED);
    EXPECT_TRUE(PickAndDrop(kFirstPageSticker, -3, 7));
    EXPECT_EQ(record.GetStickerUsed(kFirstPageSticker), SU_USED);
    EXPECT_EQ(record.GetStickersLeft(), 223);

    doc.ChangePage(PAGE_NEXT);
    EXPECT_TRUE(StickerRecords().empty());
    doc.ChangePage(PAGE_PREVIOUS);
    EXPECT_EQ(StickerRecords(), (std::vector<BookFolder::StickerRecord>{{30, -15, 26, 11, 0}}));
    EXPECT_EQ(book.Page(0), BookFolder::PageOf({{30, -15, 26, 11, 0}}));

    // Clear All, as far as the model goes.
    EXPECT_TRUE(record.ResetStickersUsed());
    DeleteAll().ClearPageFiles();
    EXPECT_EQ(book.Record(), AlbumFolder::RecordOf(std::vector<int32_t>(224, 0)));
    EXPECT_TRUE(book.EveryPageIs(AlbumFolder::EmptyPage()));
    view.RemoveAllSprites();
    doc.ChangePage(PAGE_SAME);
    EXPECT_TRUE(StickerRecords().empty());
    EXPECT_EQ(doc.GetSprites().GetCount(), PageCorners.size());
    EXPECT_EQ(book.Page(0), AlbumFolder::EmptyPage());
    EXPECT_EQ(record.GetStickersLeft(), NUMBEROFSTICKERGRAPHICS);
}
