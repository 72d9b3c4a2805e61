#include <gtest/gtest.h>

#include <vector>

#include "io/FileManager.h"
#include "io/Serializer.h"
#include "scene/FramedSprite.h"
#include "scene/Sprite.h"
#include "tests/gfx/PictureBytes.h"
#include "tests/support/LogCapture.h"
#include "tests/support/TempDirectory.h"

namespace {

constexpr COLORREF kMagenta = 0xFF00FF;
constexpr COLORREF kPaper = 0x102030;

struct Notice {
    CSprite* sprite;
    int32_t flags;
    RECT first;
    bool hasSecond;
    RECT second;
    friend bool operator==(const Notice&, const Notice&) = default;
};

class RecordingObserver : public CSpriteObserver {
public:
    void OnSpriteChanged(CSprite* sprite, int32_t flags, const RECT* first,
                         const RECT* second) override {
        notices.push_back(
            {sprite, flags, *first, second != nullptr, second != nullptr ? *second : RECT{}});
    }
    std::vector<Notice> notices;
};

// A sticker picture: opaque pattern with a magenta block in its top-left quarter.
COLORREF Sticker(LONG x, LONG y) {
    return x < 4 && y < 3 ? kMagenta : PatternColour(x, y);
}

class SpriteTest : public ::testing::Test {
protected:
    SpriteTest() { CFileManager::SetBaseDirectoryFromCurrent(); }

    void LoadSticker(CSprite& sprite, LONG width, LONG height) {
        WriteBytes(folder / "sticker.dat", Picture24(width, height, Sticker));
        ASSERT_TRUE(sprite.Load("\\sticker.dat"));
    }

    static void Paper(CDIB& page) {
        FillPicture(page, [](LONG, LONG) { return kPaper; });
    }

    TempDirectory folder;
    LogCapture log;
};

TEST_F(SpriteTest, AnUnloadedSpriteDrawsEveryPixelAndALoadedOneKeepsMagentaTransparent) {
    const POINT at{3, 2};
    CSprite sprite(1, 5, &at);
    FillPicture(sprite, [](LONG, LONG) { return kMagenta; });
    CDIB page(40, 40);
    sprite.Draw(&page, nullptr);
    EXPECT_EQ(ColourOf(page, 3, 2), kMagenta);
    EXPECT_EQ(ColourOf(page, 34, 33), kMagenta);
    EXPECT_EQ(ColourOf(page, 35, 33), 0u);

    LoadSticker(sprite, 8, 6);
    EXPECT_EQ(sprite.GetColourKey(), kMagenta);
    CDIB paper(30, 20);
    Paper(paper);
    sprite.Draw(&paper, nullptr);
    EXPECT_EQ(ColourOf(paper, 3, 2), kPaper);
    EXPECT_EQ(ColourOf(paper, 3 + 4, 2), PatternColour(4, 0));
    EXPECT_EQ(ColourOf(paper, 3 + 7, 2 + 5), PatternColour(7, 5));
    EXPECT_EQ(ColourOf(paper, 3 + 8, 2), kPaper);
}

TEST_F(SpriteTest, AFailedLoadKeepsThePictureAndKey) {
    CSprite sprite(1, 5, nullptr);
    WriteBytes(folder / "bad.dat", Bytes{'B', 'M'});
    EXPECT_FALSE(sprite.Load("\\bad.dat"));
    EXPECT_EQ(log.Messages(), (std::vector<std::string>{"Not a bitmap file", "Failed to load file",
                                                        "Failed to load Sprite; LPSTR"}));
    EXPECT_EQ(sprite.GetWidth(), 32);
    EXPECT_EQ(sprite.GetColourKey(), CSprite::kUnloadedKey);
    CSprite byDefault;
    EXPECT_EQ(byDefault.GetColourKey(), kMagenta);
}

TEST_F(SpriteTest, DrawingHonoursTheClipHiddenAndMirroring) {
    const POINT at{5, 4};
    CSprite sprite(1, 5, &at);
    LoadSticker(sprite, 8, 6);
    const RECT clip{7, 0, 30, 7};
    CDIB clipped(30, 20);
    Paper(clipped);
    sprite.Draw(&clipped, &clip);
    CDIB whole(30, 20);
    Paper(whole);
    sprite.Draw(&whole, nullptr);
    for (LONG y = 0; y < 20; ++y) {
        for (LONG x = 0; x < 30; ++x) {
            const bool inClip = x >= 7 && y < 7;
            EXPECT_EQ(ColourOf(clipped, x, y), inClip ? ColourOf(whole, x, y) : kPaper)
                << x << "," << y;
        }
    }

    // Mirrored: the picture's column c lands at column 7 - c, the clip only cuts it.
    sprite.SetFlip(true);
    CDIB mirrored(30, 20);
    Paper(mirrored);
    sprite.Draw(&mirrored, nullptr);
    CDIB mirroredClipped(30, 20);
    Paper(mirroredClipped);
    const RECT rightHalf{9, 0, 30, 20};
    sprite.Draw(&mirroredClipped, &rightHalf);
    for (LONG y = 0; y < 6; ++y) {
        for (LONG c = 0; c < 8; ++c) {
            const LONG x = 5 + 7 - c;
            EXPECT_EQ(ColourOf(mirrored, x, 4 + y),
                      Sticker(c, y) == kMagenta ? kPaper : Sticker(c, y));
            EXPECT_EQ(ColourOf(mirroredClipped, x, 4 + y),
                      x >= 9 ? ColourOf(mirrored, x, 4 + y) : kPaper);
        }
    }

    sprite.Hide();
    CDIB hidden(30, 20);
    Paper(hidden);
    sprite.Draw(&hidden, nullptr);
    EXPECT_EQ(ColourOf(hidden, 12, 9), kPaper);
    sprite.Draw(nullptr, nullptr);
}

TEST_F(SpriteTest, HitTestsExcludeTheLeftAndTopEdgesAndTransparentPixels) {
    const POINT at{10, 20};
    CSprite sprite(1, 5, &at);
    LoadSticker(sprite, 8, 6);
    // (10, 20) is the sprite's top-left: never a hit. Column 4 of row 0 is opaque.
    EXPECT_FALSE(sprite.HitTest(10, 20));
    EXPECT_FALSE(sprite.HitTest(14, 20));
    EXPECT_FALSE(sprite.HitTest(10, 24));
    EXPECT_TRUE(sprite.HitTest(14, 21));
    EXPECT_FALSE(sprite.HitTest(11, 21));  // magenta
    EXPECT_TRUE(sprite.HitTest(17, 25));
    EXPECT_FALSE(sprite.HitTest(18, 25));
    EXPECT_FALSE(sprite.HitTest(17, 26));
    // Mirrored, the magenta block sits at the right.
    sprite.SetFlip(true);
    EXPECT_TRUE(sprite.HitTest(11, 21));
    EXPECT_FALSE(sprite.HitTest(16, 21));
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
              (std::vector<Notice>{{&sprite, SPRITE_MOVED, before, true, before},
                                   {&sprite, SPRITE_MOVED, before, true, after},
                                   {&sprite, SPRITE_PRIORITY_CHANGED, after, false, {}},
                                   {&sprite, SPRITE_INVALIDATE, {0, 0, 3, 3}, false, {}}}));
}

TEST_F(SpriteTest, TheRecordIsFiveLongsAndReadsBackWithoutNotice) {
    const POINT at{120, 45};
    CSprite sprite(9, 37, &at);
    sprite.SetPriority(12);
    sprite.SetFlip(true);
    sprite.SaveToFile("\\sprite.sav");
    EXPECT_EQ(ReadBytes(folder / "sprite.sav"),
              Concat({LongBytes(37), LongBytes(120), LongBytes(45), LongBytes(12), LongBytes(1)}));

    RecordingObserver observer;
    CSprite other(3, 0, nullptr);
    other.SetObserver(&observer);
    other.LoadFromFile("\\sprite.sav");
    EXPECT_EQ(other.GetSpriteIndex(), 37);
    EXPECT_EQ(other.GetX(), 120);
    EXPECT_EQ(other.GetY(), 45);
    EXPECT_EQ(other.GetPriority(), 12);
    EXPECT_TRUE(other.IsFlipped());
    EXPECT_EQ(other.GetSerial(), 3);
    EXPECT_TRUE(observer.notices.empty());
}

TEST_F(SpriteTest, APositionAtTheLimitsDrawsAndHitTestsSafely) {
    WriteBytes(folder / "far.sav",
               Concat({LongBytes(1), LongBytes(2147483640), LongBytes(-2147483647 - 1),
                       LongBytes(10), LongBytes(0)}));
    CSprite sprite;
    sprite.LoadFromFile("\\far.sav");
    RECT area{};
    sprite.GetRect(area);
    EXPECT_EQ(area.right, 2147483647);
    CDIB paper(30, 20);
    Paper(paper);
    sprite.Draw(&paper, nullptr);
    EXPECT_FALSE(sprite.HitTest(-2147483647 - 1, 0));
    EXPECT_FALSE(sprite.HitTest(2147483647, 0));
    EXPECT_TRUE(sprite.HitTest(2147483647, -2147483647));
}

class FramedSpriteTest : public SpriteTest {
protected:
    FramedSpriteTest() : sprite(1, 0) {
        sprite.SetObserver(&observer);
        // 100 x 6: four frames of 25 columns, each filled with its own colour, magenta at (0, 0).
        WriteBytes(folder / "corner.dat", Picture24(100, 6, [](LONG x, LONG y) {
                       return x % 25 == 0 && y == 0 ? kMagenta : COLORREF(0x10 * (x / 25 + 1));
                   }));
        EXPECT_TRUE(sprite.Load("\\corner.dat"));
    }

    RecordingObserver observer;
    CFramedSprite sprite;
};

TEST_F(FramedSpriteTest, TheGridSplitsThePictureAndRefusesImpossibleCounts) {
    EXPECT_EQ(sprite.GetFrameWidth(), 32);  // still the picture it was built with
    ASSERT_TRUE(sprite.SetColumns(4));
    EXPECT_EQ(sprite.GetFrameWidth(), 25);
    EXPECT_FALSE(sprite.SetColumns(101));
    EXPECT_TRUE(log.Contains("Can't make them that small"));
    EXPECT_FALSE(sprite.SetColumns(0));
    EXPECT_TRUE(log.Contains("Invalid number of columns"));
    EXPECT_FALSE(sprite.SetRows(0));
    EXPECT_TRUE(log.Contains("Invalid number of rows"));
    EXPECT_EQ(sprite.GetColumns(), 4);
    EXPECT_FALSE(sprite.SetColumn(4));
    EXPECT_TRUE(log.Contains("Invalid column"));
    EXPECT_FALSE(sprite.SetRow(1));
    EXPECT_TRUE(log.Contains("Invalid row"));
    EXPECT_TRUE(observer.notices.empty());

    ASSERT_TRUE(sprite.SetRows(1));
    ASSERT_TRUE(sprite.SetColumn(3));
    ASSERT_EQ(observer.notices.size(), 1u);
    EXPECT_EQ(observer.notices[0].flags, SPRITE_FRAME_CHANGED);
    EXPECT_EQ(observer.notices[0].first, (RECT{0, 0, 25, 6}));
    EXPECT_FALSE(sprite.SetColumn(3));
    EXPECT_EQ(observer.notices.size(), 1u);
}

TEST_F(FramedSpriteTest, DrawsAndHitTestsOnlyTheCurrentFrameEvenWhenHidden) {
    ASSERT_TRUE(sprite.SetColumns(4));
    ASSERT_TRUE(sprite.SetRows(1));
    ASSERT_TRUE(sprite.SetColumn(2));
    sprite.MoveTo(2, 3);
    sprite.Hide();
    sprite.SetFlip(true);
    CDIB paper(30, 20);
    Paper(paper);
    const RECT clip{0, 0, 26, 20};
    sprite.Draw(&paper, &clip);
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

}  // namespace
