#include <gtest/gtest.h>

#include <memory>
#include <optional>
#include <tuple>
#include <vector>

#include "io/FileManager.h"
#include "scene/FramedSprite.h"
#include "scene/OffScreenBufferView.h"
#include "scene/Sprite.h"
#include "scene/SpriteList.h"
#include "tests/gfx/PictureBytes.h"
#include "tests/support/LogCapture.h"
#include "tests/support/TempDirectory.h"

namespace {

constexpr COLORREF kMagenta = 0xFF00FF;
constexpr COLORREF kPaper = 0x102030;

// The sprite, its flags and the one or two rectangles of a change.
using Notice = std::tuple<CSprite*, int32_t, RECT, std::optional<RECT>>;

class RecordingObserver : public CSpriteObserver {
public:
    void OnSpriteChanged(CSprite* sprite, int32_t flags, const RECT* first,
                         const RECT* second) override {
        notices.emplace_back(sprite, flags, *first,
                             second != nullptr ? std::optional(*second) : std::nullopt);
    }
    std::vector<Notice> notices;
};

// A sticker picture: opaque pattern with a magenta block in its top-left quarter.
COLORREF Sticker(LONG x, LONG y) {
    return x < 4 && y < 3 ? kMagenta : PatternColour(x, y);
}

// A 30 x 20 paper with the sprite drawn on it.
class Paper : public CDIB {
public:
    explicit Paper(CSprite& sprite, const RECT* clip = nullptr) : CDIB(30, 20) {
        FillPicture(*this, [](LONG, LONG) { return kPaper; });
        sprite.Draw(this, clip);
    }
};

class SpriteTest : public ::testing::Test {
protected:
    SpriteTest() { CFileManager::SetBaseDirectoryFromCurrent(); }

    void LoadSticker(CSprite& sprite, LONG width, LONG height) {
        WriteBytes(folder / "sticker.dat", Picture24(width, height, Sticker));
        ASSERT_TRUE(sprite.Load("\\sticker.dat"));
    }

    TempDirectory folder;
    LogCapture log;
};

// Unloaded, the sprite draws every pixel, also after a failed load; loaded, magenta is
// transparent. Mirrored, the picture's column c lands at column 7 - c; the clip only cuts
// what is drawn.
TEST_F(SpriteTest, DrawsAndHitTestsEveryOpaquePixelHonouringTheClipHiddenAndMirroring) {
    const POINT at{5, 4};
    CSprite sprite(1, 5, &at);
    FillPicture(sprite, [](LONG, LONG) { return kMagenta; });
    WriteBytes(folder / "bad.dat", Bytes{'B', 'M'});
    EXPECT_FALSE(sprite.Load("\\bad.dat"));
    EXPECT_EQ(CSprite().GetColourKey(), kMagenta);
    CDIB page(40, 40);
    sprite.Draw(&page, nullptr);
    EXPECT_EQ(ColourOf(page, 5, 4), kMagenta);
    EXPECT_EQ(ColourOf(page, 36, 35), kMagenta);
    EXPECT_EQ(ColourOf(page, 37, 35), 0u);

    LoadSticker(sprite, 8, 6);
    const RECT clip{9, 0, 30, 7};
    for (const bool flipped : {false, true}) {
        sprite.SetFlip(flipped);
        const Paper whole(sprite);
        const Paper clipped(sprite, &clip);
        for (LONG y = 0; y < 20; ++y)
            for (LONG x = 0; x < 30; ++x) {
                const LONG c = flipped ? 12 - x : x - 5;
                const bool inside = c >= 0 && c < 8 && y >= 4 && y < 10;
                const COLORREF picture = inside ? Sticker(c, y - 4) : kMagenta;
                const COLORREF expected = picture == kMagenta ? kPaper : picture;
                ASSERT_EQ(ColourOf(whole, x, y), expected) << flipped << " " << x << "," << y;
                ASSERT_EQ(ColourOf(clipped, x, y), x >= 9 && y < 7 ? expected : kPaper);
            }
    }

    // Hit tests exclude the left and top edges and transparent pixels: (5, 4) is the
    // sprite's top-left, (6, 5) is magenta, (9, 4) opaque. Mirrored, the magenta block
    // sits at the right.
    const struct {
        bool flipped;
        LONG x, y;
        bool hit;
    } probes[] = {{false, 5, 4, false},  {false, 9, 4, false},   {false, 5, 8, false},
                  {false, 9, 5, true},   {false, 6, 5, false},   {false, 12, 9, true},
                  {false, 13, 9, false}, {false, 12, 10, false}, {true, 6, 5, true},
                  {true, 11, 5, false},  {true, 9, 5, false}};
    for (const auto& probe : probes) {
        sprite.SetFlip(probe.flipped);
        EXPECT_EQ(sprite.HitTest(probe.x, probe.y), probe.hit) << probe.x << "," << probe.y;
    }
    sprite.Hide();
    const Paper hidden(sprite);
    EXPECT_EQ(ColourOf(hidden, 12, 9), kPaper);
    sprite.Draw(nullptr, nullptr);
}

TEST_F(SpriteTest, ChangesAreReportedWithTheirRectangles) {
    RecordingObserver observer;
    const POINT at{1, 2};
    CSprite sprite(1, 5, &at);
    sprite.SetObserver(&observer);
    sprite.MoveTo(1, 2);
    sprite.MoveTo(4, 6);
    sprite.ChangePriority(10);
    sprite.ChangePriority(12);
    sprite.Invalidate(RECT{0, 0, 3, 3});
    sprite.SetPriority(40);
    sprite.SetObserver(nullptr);
    sprite.MoveTo(0, 0);
    const RECT before{1, 2, 33, 34};
    const RECT after{4, 6, 36, 38};
    EXPECT_EQ(observer.notices,
              (std::vector<Notice>{{&sprite, SPRITE_MOVED, before, before},
                                   {&sprite, SPRITE_MOVED, before, after},
                                   {&sprite, SPRITE_PRIORITY_CHANGED, after, std::nullopt},
                                   {&sprite, SPRITE_INVALIDATE, {0, 0, 3, 3}, std::nullopt}}));
}

// A page file can place a sticker at the limits of a position: it draws and hit-tests
// safely there.
TEST_F(SpriteTest, APositionAtTheLimitsDrawsAndHitTestsSafely) {
    const POINT at{2147483640, INT32_MIN};
    CSprite far(1, 1, &at);
    RECT area{};
    far.GetRect(area);
    EXPECT_EQ(area.right, INT32_MAX);
    const Paper paper(far);
    EXPECT_FALSE(far.HitTest(INT32_MIN, 0));
    EXPECT_FALSE(far.HitTest(INT32_MIN, INT32_MIN + 1)) << "a column 2^32 away is no hit";
    EXPECT_FALSE(far.HitTest(INT32_MAX, 0));
    EXPECT_TRUE(far.HitTest(INT32_MAX, -INT32_MAX));
}

// The width of the frame a framed sprite shows.
LONG FrameWidth(const CFramedSprite& sprite) {
    RECT frame{};
    sprite.GetRect(frame);
    return frame.right - frame.left;
}

TEST_F(SpriteTest, TheGridSplitsThePictureIntoFramesAndRefusesImpossibleCounts) {
    RecordingObserver observer;
    CFramedSprite sprite(1, 0);
    sprite.SetObserver(&observer);
    // 100 x 6: four frames of 25 columns, each filled with its own colour, magenta at (0, 0).
    WriteBytes(folder / "corner.dat", Picture24(100, 6, [](LONG x, LONG y) {
                   return x % 25 == 0 && y == 0 ? kMagenta : COLORREF(0x10 * (x / 25 + 1));
               }));
    ASSERT_TRUE(sprite.Load("\\corner.dat"));
    EXPECT_EQ(FrameWidth(sprite), 32);  // still the picture it was built with
    ASSERT_TRUE(sprite.SetColumns(4));
    EXPECT_EQ(FrameWidth(sprite), 25);
    EXPECT_FALSE(sprite.SetColumns(101));
    EXPECT_FALSE(sprite.SetColumns(0));
    EXPECT_FALSE(sprite.SetRows(0));
    EXPECT_EQ(FrameWidth(sprite), 25) << "refused counts change nothing";
    EXPECT_FALSE(sprite.SetColumn(4));
    EXPECT_FALSE(sprite.SetRow(1));

    ASSERT_TRUE(sprite.SetRows(1));
    ASSERT_TRUE(sprite.SetColumn(3));
    EXPECT_FALSE(sprite.SetColumn(3));
    EXPECT_EQ(observer.notices,
              (std::vector<Notice>{{&sprite, SPRITE_FRAME_CHANGED, {0, 0, 25, 6}, std::nullopt}}));

    // Only the current frame is drawn and hit-tested, even when hidden.
    ASSERT_TRUE(sprite.SetColumn(2));
    sprite.MoveTo(2, 3);
    sprite.Hide();
    sprite.SetFlip(true);
    const RECT clip{0, 0, 26, 20};
    const Paper paper(sprite, &clip);
    EXPECT_EQ(ColourOf(paper, 2, 3), kPaper);  // the frame's magenta corner
    EXPECT_EQ(ColourOf(paper, 3, 3), 0x30u);
    EXPECT_EQ(ColourOf(paper, 25, 8), 0x30u);
    EXPECT_EQ(ColourOf(paper, 26, 8), kPaper);
    EXPECT_EQ(ColourOf(paper, 27, 3), kPaper);

    EXPECT_FALSE(sprite.HitTest(2, 4));
    EXPECT_TRUE(sprite.HitTest(3, 4));
    EXPECT_TRUE(sprite.HitTest(26, 8));
    EXPECT_FALSE(sprite.HitTest(27, 8));
    EXPECT_FALSE(sprite.HitTest(10, 9));
}

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
    for (CSprite* sprite = list.First(); sprite != nullptr; sprite = list.Next())
        sprites.insert(sprites.begin(), {sprite->GetSerial(), sprite->GetPriority()});
    return sprites;
}

// A new sticker is the topmost sticker, the corners stay above every sticker; a removal
// leaves a gap in the numbers that the next addition closes; a stranger is not reordered;
// a priority change reorders.
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
    // A listed sprite whose priority changes takes its new place and has its area redrawn.
    list.Front()->ChangePriority(5);
    EXPECT_EQ(FrontToBack(list),
              (Stack{{102, 2}, {103, 3}, {104, 4}, {101, 5}, {4, 11}, {3, 12}, {1, 13}}));
    EXPECT_EQ(buffer.GetDirtyRects().size(), 1u);
    list.DestroyAll();
    EXPECT_EQ(list.GetCount(), 0u);
    EXPECT_EQ(list.Next(), nullptr);
    EXPECT_EQ(list.First(), nullptr);
}

}  // namespace
