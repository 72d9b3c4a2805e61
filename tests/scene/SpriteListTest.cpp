#include <gtest/gtest.h>

#include <memory>
#include <vector>

#include "scene/OffScreenBufferView.h"
#include "scene/Sprite.h"
#include "scene/SpriteList.h"
#include "tests/support/LogCapture.h"

namespace {

// A buffer that only collects dirty rectangles.
class DirtyCollector : public COffScreenBufferView {
public:
    DirtyCollector() : COffScreenBufferView(false) {}
    void Draw(const RECT*) override {}
};

std::unique_ptr<CSprite> Sticker(int32_t serial) {
    return std::make_unique<CSprite>(serial, serial, nullptr);
}

std::unique_ptr<CSprite> Corner(int32_t priority) {
    auto corner = std::make_unique<CSprite>(100 + priority, 0, nullptr);
    corner->SetPriority(priority);
    return corner;
}

std::vector<int32_t> SerialsFrontToBack(CSpriteList& list) {
    std::vector<int32_t> serials;
    for (CSprite* sprite = list.First(); sprite != nullptr; sprite = list.Next()) {
        serials.insert(serials.begin(), sprite->GetSerial());
    }
    return serials;
}

std::vector<int32_t> PrioritiesFrontToBack(CSpriteList& list) {
    std::vector<int32_t> priorities;
    for (CSprite* sprite = list.First(); sprite != nullptr; sprite = list.Next()) {
        priorities.insert(priorities.begin(), sprite->GetPriority());
    }
    return priorities;
}

TEST(SpriteList, ANewStickerIsTheTopmostStickerAndCornersStayAbove) {
    CSpriteList list;
    EXPECT_EQ(list.First(), nullptr);
    EXPECT_EQ(list.Front(), nullptr);
    list.Add(Sticker(1));
    list.Add(Sticker(2));
    list.Add(Sticker(3));
    EXPECT_EQ(SerialsFrontToBack(list), (std::vector<int32_t>{3, 2, 1}));
    EXPECT_EQ(PrioritiesFrontToBack(list), (std::vector<int32_t>{11, 12, 13}));
    EXPECT_EQ(list.Front()->GetSerial(), 3);
    list.DestroyAll();
    EXPECT_EQ(list.GetCount(), 0u);
    EXPECT_EQ(list.Next(), nullptr);
    EXPECT_EQ(list.First(), nullptr);

    CSpriteList page;
    for (int32_t p = 4; p >= 1; --p) page.Add(Corner(p));
    page.Add(Sticker(1));
    page.Add(Sticker(2));
    EXPECT_EQ(SerialsFrontToBack(page), (std::vector<int32_t>{101, 102, 103, 104, 2, 1}));
    EXPECT_EQ(PrioritiesFrontToBack(page), (std::vector<int32_t>{1, 2, 3, 4, 11, 12}));
}

TEST(SpriteList, RemovalLeavesGapsThatTheNextAddRenumbers) {
    CSpriteList list;
    list.Add(Sticker(1));
    CSprite* middle = list.Add(Sticker(2));
    list.Add(Sticker(3));
    const std::unique_ptr<CSprite> removed = list.Remove(middle);
    ASSERT_EQ(removed.get(), middle);
    EXPECT_EQ(PrioritiesFrontToBack(list), (std::vector<int32_t>{11, 13}));
    EXPECT_EQ(list.Remove(middle), nullptr);
    list.Add(Sticker(4));
    EXPECT_EQ(PrioritiesFrontToBack(list), (std::vector<int32_t>{11, 12, 13}));
    EXPECT_EQ(list.GetCount(), 3u);

    // A removed sprite tells nobody of its changes.
    DirtyCollector buffer;
    list.SetView(&buffer);
    middle->MoveTo(5, 5);
    EXPECT_TRUE(buffer.GetDirtyRects().empty());
}

TEST(SpriteList, ReorderOfAStrangerIsLoggedAndChangesNothing) {
    LogCapture log;
    CSpriteList list;
    list.Add(Sticker(1));
    CSprite stranger(9, 9, nullptr);
    list.Reorder(&stranger);
    EXPECT_TRUE(log.Contains("CSpriteList::Reorder(): Unable to find sprite"));
    EXPECT_EQ(list.GetCount(), 1u);
}

TEST(SpriteList, ChangesBecomeDirtyRectanglesAndPriorityChangesReorder) {
    DirtyCollector buffer;
    CSpriteList list;
    list.SetView(&buffer);
    EXPECT_EQ(list.GetView(), &buffer);
    CSprite* older = list.Add(Sticker(1));
    CSprite* newer = list.Add(Sticker(2));

    older->MoveTo(100, 0);
    ASSERT_EQ(buffer.GetDirtyRects().size(), 2u);
    EXPECT_EQ(buffer.GetDirtyRects()[0], (RECT{0, 0, 32, 32}));
    EXPECT_EQ(buffer.GetDirtyRects()[1], (RECT{100, 0, 132, 32}));

    newer->Hide();
    newer->Invalidate(RECT{200, 200, 210, 210});
    EXPECT_EQ(buffer.GetDirtyRects().size(), 3u);

    // Priority 5 lifts the older sticker above the stickers, where it keeps its number.
    older->ChangePriority(5);
    EXPECT_EQ(SerialsFrontToBack(list), (std::vector<int32_t>{1, 2}));
    EXPECT_EQ(PrioritiesFrontToBack(list), (std::vector<int32_t>{5, 11}));
    EXPECT_EQ(buffer.GetDirtyRects().size(), 4u);
    EXPECT_EQ(buffer.GetDirtyRects()[3], (RECT{100, 0, 132, 32}));
}

}  // namespace
