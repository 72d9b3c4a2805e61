#include <gtest/gtest.h>

#include <memory>
#include <vector>

#include "platform/gdi/DeviceContext.h"
#include "scene/OffScreenBufferView.h"
#include "scene/Sprite.h"
#include "scene/SpriteList.h"
#include "tests/gfx/PictureBytes.h"
#include "tests/support/ScreenPixels.h"

namespace {

constexpr LONG kWidth = 40;
constexpr LONG kHeight = 30;
constexpr uint32_t kUntouched = 0x0A0B0A;  // the same as a screen pixel and as a colour

// Composes like the album's view: the background, then the sprites from the bottom up.
class PageView : public COffScreenBufferView {
public:
    explicit PageView(bool useDIBSection)
        : COffScreenBufferView(useDIBSection), background(kWidth, kHeight) {
        FillPicture(background, PatternColour);
        sprites.SetView(this);
    }

    void Draw(const RECT* clip) override {
        RECT area{};
        GetBufferRect(area);
        if (clip != nullptr && !IntersectRect(&area, &area, clip)) return;
        // Nothing may have reached the screen while rectangles are still being composed.
        screenWhileComposing.push_back(ScreenPixels().Pixel(area.left, area.top));
        background.CopyTo(GetImage(), area.left, area.top, area.right - area.left,
                          area.bottom - area.top, area.left, area.top, CDIB::kNoKey);
        for (CSprite* sprite = sprites.First(); sprite != nullptr; sprite = sprites.Next())
            sprite->Draw(GetImage(), &area);
    }

    CDIB background;
    CSpriteList sprites;
    std::vector<uint32_t> screenWhileComposing;
};

COLORREF Screen(LONG x, LONG y) {
    return SurfaceColour(ScreenPixels().Pixel(x, y));
}

class OffScreenBufferViewTest : public ::testing::TestWithParam<bool> {
protected:
    OffScreenBufferViewTest() : view(GetParam()) {
        ScreenPixels().Fill(kUntouched);
        EXPECT_TRUE(view.CreateOffScreen(nullptr, view.background));
    }

    PageView view;
};

TEST_P(OffScreenBufferViewTest, UpdateComposesEveryRectangleBeforeCopyingAnyToTheWindow) {
    auto picture = std::make_unique<CSprite>(1, 1, nullptr);
    FillPicture(*picture, [](LONG, LONG) { return COLORREF{0x00AA00}; });
    CSprite* sticker = view.sprites.Add(std::move(picture));
    sticker->MoveTo(35, 25);  // two rectangles: where it was and where it is
    view.AddDirtyRect(RECT{36, 0, 40, 3});

    view.Update(nullptr);
    EXPECT_TRUE(view.GetDirtyRects().empty());
    EXPECT_EQ(view.screenWhileComposing, (std::vector<uint32_t>(3, kUntouched)));
    EXPECT_EQ(Screen(0, 0), PatternColour(0, 0));  // where the sticker was
    EXPECT_EQ(Screen(31, 29), PatternColour(31, 29));
    EXPECT_EQ(Screen(35, 25), 0x00AA00u);  // the sticker, cut by the page
    EXPECT_EQ(Screen(39, 29), 0x00AA00u);
    EXPECT_EQ(ScreenPixels().Pixel(34, 24), kUntouched);
    EXPECT_EQ(Screen(37, 1), PatternColour(37, 1));
    EXPECT_EQ(ScreenPixels().Pixel(33, 5), kUntouched);   // in no dirty rectangle
    EXPECT_EQ(ScreenPixels().Pixel(40, 25), kUntouched);  // outside the page

    ScreenPixels().Fill(kUntouched);
    // Copying to the window copies only what lies inside the image.
    const RECT partly{-5, -5, 10, 8};
    view.CopyToWindow(nullptr, &partly);
    for (LONG y = 0; y < 12; ++y)
        for (LONG x = 0; x < 14; ++x)
            EXPECT_EQ(Screen(x, y), x < 10 && y < 8 ? PatternColour(x, y) : kUntouched);
    view.CopyToWindow(nullptr, nullptr);
    EXPECT_EQ(Screen(kWidth - 1, kHeight - 1), 0x00AA00u);
    EXPECT_EQ(ScreenPixels().Pixel(kWidth, kHeight - 1), kUntouched);
    EXPECT_EQ(ScreenPixels().Pixel(kWidth - 1, kHeight), kUntouched);
}

// The page prints in a white border 2 wide with rounded black corners, then the page
// with its own corners rounded in black; stretched to fit the place it is given.
TEST_P(OffScreenBufferViewTest, PrintsThePageInARoundedBlackFrame) {
    RECT print{};
    view.GetPrintRect(print);
    EXPECT_EQ(print, (RECT{0, 0, kWidth + 4, kHeight + 4}));
    for (const LONG scale : {1, 2}) {
        SCOPED_TRACE(scale);
        const uint32_t grey = 0x777777;
        Surface paper(100, 100);
        paper.Fill(grey);
        HDC printer = CreateSurfaceDC(&paper, POINT{0, 0}, paper.Bounds());
        view.PrintPage(printer, RECT{10, 20, (kWidth + 4) * scale, (kHeight + 4) * scale});
        ReleaseSurfaceDC(printer);
        const uint32_t white = 0xFFFFFF;
        const COLORREF at7 = PatternColour(7, 0);
        const COLORREF at10 = PatternColour(10, 10);
        // The frame is 44 x 34: the page's 40 x 30 and a border of 2.
        const struct {
            LONG x, y;
            uint32_t colour;
        } probes[] = {{0, 0, white}, {5, 0, white},  {6, 0, 0},       {37, 0, 0},    {43, 0, white},
                      {0, 6, 0},     {0, 33, white}, {43, 33, white}, {2, 2, 0},     {8, 2, 0},
                      {9, 2, at7},   {12, 12, at10}, {41, 31, 0},     {-1, 0, grey}, {44, 0, grey}};
        for (const auto& [x, y, colour] : probes)
            EXPECT_EQ(SurfaceColour(paper.Pixel(10 + x * scale, 20 + y * scale)), colour)
                << x << "," << y;
    }
    EXPECT_EQ(ColourOf(*view.GetImage(), 0, 0), 0u);
}

INSTANTIATE_TEST_SUITE_P(DIBSectionOrPlainMemory, OffScreenBufferViewTest, ::testing::Bool());

// Only the first dirty rectangle ever merges; a view without a background has no image.
TEST(OffScreenBufferView, OnlyTheFirstRectangleMergesAndNoImageBeforeABackground) {
    const auto dirty = [](const std::vector<RECT>& added) {
        PageView view(true);
        for (const RECT& rect : added) view.AddDirtyRect(rect);
        return view.GetDirtyRects();
    };
    EXPECT_EQ(dirty({{0, 0, 10, 10}, {5, 5, 20, 20}}), (std::vector<RECT>{{0, 0, 20, 20}}));
    const std::vector<RECT> touching = {{0, 0, 10, 10}, {10, 0, 20, 10}};
    EXPECT_EQ(dirty(touching), touching);
    const std::vector<RECT> chain = {{0, 0, 10, 10}, {50, 50, 60, 60}, {55, 55, 70, 70}};
    EXPECT_EQ(dirty(chain), chain);

    PageView view(true);
    RECT buffer{1, 1, 1, 1};
    view.GetBufferRect(buffer);
    EXPECT_EQ(buffer, (RECT{}));
    view.CopyToWindow(nullptr, nullptr);
    view.PrintPage(nullptr, RECT{0, 0, 10, 10});
    EXPECT_EQ(view.GetImage(), nullptr);
}

}  // namespace
