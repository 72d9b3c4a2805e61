#include <gtest/gtest.h>

#include <memory>
#include <vector>

#include "scene/OffScreenBufferView.h"
#include "scene/Sprite.h"
#include "scene/SpriteList.h"

namespace {

// A buffer that only collects dirty rectangles.
class DirtyCollector : public COffScreenBufferView {
public:
    DirtyCollector() : COffScreenBufferView(false) {}
    void Draw(const RECT*) override {}
};

std::unique_ptr<CSprite> Sprite(int32_t serial, int32_t priority = 0) {
    auto sprite = std::make_unique<CSprite>(serial, serial, nullptr);
    if (priority != 0) sprite->SetPriority(priority);
    return sprite;
}

using Stack = std::vector<std::pair<int32_t, int32_t>>;

// Serial and priority of every sprite, from the front (topmost) to the back.
Stack FrontToBack(CSpriteList& list) {
    Stack sprites;
    for (CSprite* sprite = list.First(); sprite != nullptr; sprite = list.Next()) {
        sprites.insert(sprites.begin(), {sprite->GetSerial(), sprite->GetPriority()});
    }
    return sprites;
}

// A new sticker is the topmost sticker, the corners stay above every sticker; a removal
// leaves a gap in the numbers that the next addition closes; a stranger is not reordered.
TEST(SpriteList, ANewStickerIsTheTopmostStickerAndCornersStayAbove) {
    CSpriteList list;
    EXPECT_EQ(list.First(), nullptr);
    EXPECT_EQ(list.Front(), nullptr);
    for (int32_t p = 4; p >= 1; --p) list.Add(Sprite(100 + p, p));
    list.Add(Sprite(1));
    CSprite* middle = list.Add(Sprite(2));
    list.Add(Sprite(3));
    EXPECT_EQ(FrontToBack(list),
              (Stack{{101, 1}, {102, 2}, {103, 3}, {104, 4}, {3, 11}, {2, 12}, {1, 13}}));
    EXPECT_EQ(list.Front()->GetSerial(), 101);

    const std::unique_ptr<CSprite> removed = list.Remove(middle);
    ASSERT_EQ(removed.get(), middle);
    EXPECT_EQ(list.Remove(middle), nullptr);
    list.Reorder(middle);
    EXPECT_EQ(FrontToBack(list), (Stack{{101, 1}, {102, 2}, {103, 3}, {104, 4}, {3, 11}, {1, 13}}));
    list.Add(Sprite(4));
    EXPECT_EQ(FrontToBack(list),
              (Stack{{101, 1}, {102, 2}, {103, 3}, {104, 4}, {4, 11}, {3, 12}, {1, 13}}));

    // A removed sprite tells nobody of its changes.
    DirtyCollector buffer;
    list.SetView(&buffer);
    middle->MoveTo(5, 5);
    EXPECT_TRUE(buffer.GetDirtyRects().empty());
    list.DestroyAll();
    EXPECT_EQ(list.GetCount(), 0u);
    EXPECT_EQ(list.Next(), nullptr);
    EXPECT_EQ(list.First(), nullptr);
}

}  // namespace
