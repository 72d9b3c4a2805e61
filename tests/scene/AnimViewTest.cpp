#include <gtest/gtest.h>

#include "tests/gfx/PictureBytes.h"
#include "tests/scene/DocumentFixture.h"

class AnimViewTest : public DocumentFixture {
protected:
    COLORREF Composed(LONG x, LONG y) const { return ColourOf(*view.GetImage(), x, y); }
    static COLORREF Background(LONG x, LONG y) { return BookFolder::BackgroundColour(0, x, y); }
};

TEST_F(AnimViewTest, APageIsComposedBackgroundThenStickersThenCornersWithinTheClipUntilRemoved) {
    ASSERT_NE(view.GetImage(), nullptr);
    ASSERT_FALSE(view.GetDirtyRects().empty());
    EXPECT_EQ(view.GetDirtyRects().front(), (RECT{0, 0, 64, 48}));
    Stick(84, 12, 12);
    Stick(85, 16, 14);
    Stick(86, 4, 4);  // partly under the top-left corner

    view.Update(nullptr);
    EXPECT_TRUE(view.GetDirtyRects().empty());
    EXPECT_EQ(Composed(13, 13), BookFolder::StickerColour(84));
    EXPECT_EQ(Composed(17, 15), BookFolder::StickerColour(85)) << "the later sticker on top";
    EXPECT_EQ(Composed(21, 19), BookFolder::StickerColour(85));
    EXPECT_EQ(Composed(13, 19), BookFolder::StickerColour(84));
    EXPECT_EQ(Composed(5, 5), BookFolder::CornerColour(0)) << "corners lie above stickers";
    EXPECT_EQ(Composed(9, 9), BookFolder::StickerColour(86));
    EXPECT_EQ(Composed(40, 40), Background(40, 40));

    // Drawing composes only the clipped part, right and bottom edges excluded.
    FillPicture(*view.GetImage(), [](LONG, LONG) { return COLORREF{0}; });
    const RECT clip{10, 10, 20, 20};
    view.Draw(&clip);
    EXPECT_EQ(Composed(13, 13), BookFolder::StickerColour(84));
    EXPECT_EQ(Composed(10, 15), Background(10, 15));
    EXPECT_EQ(Composed(9, 15), 0u);
    EXPECT_EQ(Composed(20, 15), 0u);
    EXPECT_EQ(Composed(15, 20), 0u);

    // Removing every sprite takes the corners too and redraws their areas.
    view.RemoveAllSprites();
    EXPECT_EQ(doc.GetSprites().GetCount(), 0u);
    view.Update(nullptr);
    EXPECT_EQ(Composed(13, 13), Background(13, 13));
    EXPECT_EQ(Composed(1, 1), Background(1, 1));
}

TEST_F(AnimViewTest, ACarriedStickerFollowsThePointerAndIsDroppedDiscardedOrTurnedAway) {
    CSprite* sticker = Stick(84, 0, 0);
    view.StartCarrying(sticker, 30, 20);
    EXPECT_TRUE(view.IsDragging());
    EXPECT_EQ(view.GetCapturedSprite(), sticker);
    EXPECT_EQ(sticker->GetX(), 30 - BookFolder::kStickerWidth / 2);
    EXPECT_EQ(sticker->GetY(), 20 - BookFolder::kStickerHeight / 2);
    EXPECT_EQ(view.GetGrabOffsetX(), 5);
    EXPECT_EQ(view.GetGrabOffsetY(), 4);

    view.Update(nullptr);
    view.MoveCarriedSprite(-7, 50);
    EXPECT_EQ(sticker->GetX(), -12);
    EXPECT_EQ(sticker->GetY(), 46);
    EXPECT_EQ(view.GetDirtyRects().size(), 2u) << "where it was and where it is";

    view.StopCarrying();
    view.MoveCarriedSprite(0, 0);
    EXPECT_EQ(sticker->GetX(), -12) << "a sticker no longer carried stays";
    EXPECT_FALSE(view.IsDragging());
    EXPECT_EQ(view.GetCapturedSprite(), nullptr);

    // A discarded sticker vanishes from the page; the carrying ends later.
    view.StartCarrying(sticker, 30, 20);
    view.Update(nullptr);
    ASSERT_EQ(Composed(30, 20), BookFolder::StickerColour(84));

    view.DiscardCapturedSprite();
    EXPECT_EQ(doc.GetSprites().GetCount(), kPageCorners.size());
    EXPECT_EQ(view.GetCapturedSprite(), nullptr);
    EXPECT_TRUE(view.IsDragging());
    view.Update(nullptr);
    EXPECT_EQ(Composed(30, 20), Background(30, 20));

    view.DiscardCapturedSprite();
    EXPECT_EQ(doc.GetSprites().GetCount(), kPageCorners.size()) << "nothing left to discard";

    // A page turn from the keyboard during a carry rebuilds the page without the carried
    // sticker; the view must not keep a pointer to it.
    Stick(85, 1, 2);
    view.StartCarrying(Stick(84, 0, 0), 30, 20);
    doc.ChangePage(kPageSame);
    EXPECT_EQ(book.Page(0), BookFolder::PageOf({{85, 1, 2, 12, 0}}))
        << "only stuck stickers are saved";
    EXPECT_EQ(view.GetCapturedSprite(), nullptr);
    view.MoveCarriedSprite(10, 10);
    view.DiscardCapturedSprite();
    EXPECT_EQ(StickerRecords(), (std::vector<BookFolder::StickerRecord>{{85, 1, 2, 11, 0}}));
}
