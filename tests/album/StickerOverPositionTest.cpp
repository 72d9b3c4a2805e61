#include <gtest/gtest.h>

#include <string>

#include "album/StickerOverPosition.h"
#include "catalogue/StickerHomePositions.h"
#include "platform/headless/HeadlessBackend.h"
#include "tests/scene/DocumentFixture.h"

namespace {

// Stickers with their homes on the first page (left of its edge) and the last page.
constexpr int32_t kFirstPageSticker = 30;
constexpr int32_t kLastPageSticker = 74;

const StickerHome& HomeOf(int32_t stickerIndex) {
    return StickerHomePositions[static_cast<size_t>(stickerIndex)];
}

}  // namespace

class StickerOverPositionTest : public DocumentFixture {
protected:
    StickerOverPositionTest() { StickerOverPosition::SetViewAndDocument(&view, &doc); }
    ~StickerOverPositionTest() override { machine.Reset(); }

    // Carries the sticker with its top-left corner `dx`, `dy` away from its home.
    CSprite* CarryNearHome(int32_t stickerIndex, LONG dx, LONG dy) {
        CSprite* sticker = Stick(stickerIndex, 0, 0);
        view.StartCarrying(sticker, 0, 0);
        sticker->MoveTo(HomeOf(stickerIndex).x + dx, HomeOf(stickerIndex).y + dy);
        return sticker;
    }

    bool Drop() { return StickerOverPosition().IsOverPosition(); }

    std::string OnlyAssertion() const {
        const auto boxes = machine.MessageBoxesShown();
        return boxes.size() == 1 ? boxes[0].text : "";
    }

    HeadlessBackend& machine = HeadlessBackend::Instance();
};

struct Offset {
    LONG dx;
    LONG dy;
    bool sticks;
};

class SnapDistanceTest : public StickerOverPositionTest,
                         public testing::WithParamInterface<Offset> {};

TEST_P(SnapDistanceTest, StickersCloserThanTwentyPixelsInXAndYSnapOntoTheirHome) {
    const Offset offset = GetParam();
    CSprite* sticker = CarryNearHome(kFirstPageSticker, offset.dx, offset.dy);
    const StickerHome& home = HomeOf(kFirstPageSticker);

    EXPECT_EQ(Drop(), offset.sticks);
    EXPECT_EQ(sticker->GetX(), offset.sticks ? home.x : home.x + offset.dx);
    EXPECT_EQ(sticker->GetY(), offset.sticks ? home.y : home.y + offset.dy);
}

INSTANTIATE_TEST_SUITE_P(EachDirection, SnapDistanceTest,
                         testing::Values(Offset{19, -19, true}, Offset{-19, 19, true},
                                         Offset{19, 19, true}, Offset{-19, -19, true},
                                         Offset{0, 0, true}, Offset{20, 0, false},
                                         Offset{-20, 0, false}, Offset{0, 20, false},
                                         Offset{0, -20, false}, Offset{20, 20, false}));

TEST_F(StickerOverPositionTest, AStickerSticksOnlyOnItsOwnPage) {
    CarryNearHome(kLastPageSticker, 0, 0);
    EXPECT_FALSE(Drop()) << "its home is on another page";

    doc.ChangePage(kPagePrevious);
    CarryNearHome(kLastPageSticker, 1, 1);
    EXPECT_TRUE(Drop());
    EXPECT_TRUE(machine.MessageBoxesShown().empty());
}

// A home partly off the page's left edge away from the first page (x -10 on page 3).
TEST_F(StickerOverPositionTest, HomesLeftOfThePageEdgeStickToo) {
    const int32_t stickerIndex = 194;
    while (doc.GetCurrentPage() != StickerOverPosition::GetStickerPageIndex(stickerIndex))
        doc.ChangePage(kPageNext);
    CSprite* sticker = CarryNearHome(stickerIndex, -19, 19);
    EXPECT_TRUE(Drop());
    EXPECT_EQ(sticker->GetX(), HomeOf(stickerIndex).x);
}

// Nothing carried, a carried sprite that is no sticker, a carry whose sticker the page
// dropped, and no view or document linked: nothing sticks, and each mistake is reported.
TEST_F(StickerOverPositionTest, NothingOrAWrongCarryNeverSticksAndMistakesAreReported) {
    CSprite* sticker =
        Stick(kFirstPageSticker, HomeOf(kFirstPageSticker).x + 1, HomeOf(kFirstPageSticker).y);
    EXPECT_FALSE(Drop());
    EXPECT_EQ(sticker->GetX(), HomeOf(kFirstPageSticker).x + 1);
    EXPECT_TRUE(machine.MessageBoxesShown().empty());

    view.StartCarrying(doc.AddSprite(StickerPictureFiles[0], NUMBEROFSTICKERGRAPHICS, POINT{0, 0}),
                       0, 0);
    EXPECT_FALSE(Drop());
    EXPECT_NE(OnlyAssertion().find("spriteIndex < NUMBEROFSTICKERGRAPHICS"), std::string::npos);

    machine.Reset();
    CarryNearHome(kFirstPageSticker, 0, 0);
    doc.DestroySprites();
    EXPECT_FALSE(Drop());
    EXPECT_NE(OnlyAssertion().find("\"pCapturedSprite\""), std::string::npos);

    machine.Reset();
    StickerOverPosition::SetViewAndDocument(nullptr, nullptr);
    EXPECT_EQ(machine.MessageBoxesShown().size(), 2u) << "no view, no document";
    CarryNearHome(kFirstPageSticker, 0, 0);
    EXPECT_FALSE(Drop());
}
