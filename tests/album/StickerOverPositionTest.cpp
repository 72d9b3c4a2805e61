#include <gtest/gtest.h>

#include <string>
#include <tuple>

#include "album/StickerOverPosition.h"
#include "catalogue/StickerHomePositions.h"
#include "platform/machines/headless/HeadlessBackend.h"
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
    ~StickerOverPositionTest() override { machine.Reset(); }

    // Carries the sticker with its top-left corner `dx`, `dy` away from its home.
    CSprite* CarryNearHome(int32_t stickerIndex, LONG dx, LONG dy) {
        CSprite* sticker = Stick(stickerIndex, 0, 0);
        view.StartCarrying(sticker, 0, 0);
        sticker->MoveTo(HomeOf(stickerIndex).x + dx, HomeOf(stickerIndex).y + dy);
        return sticker;
    }
    bool Drop() { return StickerOverPosition(&view, &doc).IsOverPosition(); }
    std::string OnlyAssertion() const {
        const auto boxes = machine.MessageBoxesShown();
        return boxes.size() == 1 ? boxes[0].text : "";
    }

    HeadlessBackend& machine = HeadlessBackend::Instance();
};

TEST_F(StickerOverPositionTest, StickersCloserThanTwentyPixelsSnapOntoTheirHomeOnItsPage) {
    const StickerHome& home = HomeOf(kFirstPageSticker);
    const std::tuple<LONG, LONG, bool> offsets[] = {
        {19, -19, true}, {-19, 19, true}, {19, 19, true}, {-19, -19, true}, {0, 0, true},
        {20, 0, false},  {-20, 0, false}, {0, 20, false}, {0, -20, false},  {20, 20, false}};
    for (const auto& [dx, dy, sticks] : offsets) {
        SCOPED_TRACE(testing::Message() << dx << "," << dy);
        CSprite* sticker = CarryNearHome(kFirstPageSticker, dx, dy);
        EXPECT_EQ(Drop(), sticks);
        EXPECT_EQ(sticker->GetX(), sticks ? home.x : home.x + dx);
        EXPECT_EQ(sticker->GetY(), sticks ? home.y : home.y + dy);
        doc.DestroySprites();
    }
    CarryNearHome(kLastPageSticker, 0, 0);
    EXPECT_FALSE(Drop()) << "its home is on another page";
    doc.ChangePage(kPagePrevious);
    CarryNearHome(kLastPageSticker, 1, 1);
    EXPECT_TRUE(Drop());
    EXPECT_TRUE(machine.MessageBoxesShown().empty());
    // A home partly off the page's left edge away from the first page (x -10 on page 3).
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
    StickerOverPosition unlinked(nullptr, nullptr);
    EXPECT_EQ(machine.MessageBoxesShown().size(), 2u) << "no view, no document";
    CarryNearHome(kFirstPageSticker, 0, 0);
    EXPECT_FALSE(unlinked.IsOverPosition());
}
