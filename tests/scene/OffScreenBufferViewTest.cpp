#include <gtest/gtest.h>

#include <memory>
#include <vector>

#include "platform/DeviceContext.h"
#include "scene/OffScreenBufferView.h"
#include "scene/Sprite.h"
#include "scene/SpriteList.h"
#include "tests/gfx/PictureBytes.h"
#include "tests/support/LogCapture.h"
#include "tests/support/ScreenPixels.h"

namespace {

constexpr LONG kWidth = 40;
constexpr LONG kHeight = 30;
constexpr uint32_t kUntouched = 0x0A0B0C;

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
        for (CSprite* sprite = sprites.First(); sprite != nullptr; sprite = sprites.Next()) {
            sprite->Draw(GetImage(), &area);
        }
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

TEST_P(OffScreenBufferViewTest, UpdateComposesEveryRectangleBeforeCopyingAny) {
    auto picture = std::make_unique<CSprite>(1, 1, nullptr);
    FillPicture(*picture, [](LONG, LONG) { return COLORREF{0x00AA00}; });
    CSprite* sticker = view.sprites.Add(std::move(picture));
    sticker->MoveTo(35, 25);  // two rectangles: where it was and where it is
    view.AddDirtyRect(RECT{36, 0, 40, 3});
    ASSERT_EQ(view.GetDirtyRects().size(), 3u);

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
    view.Update(nullptr);
    EXPECT_EQ(ScreenPixels().Pixel(0, 0), kUntouched);
}

TEST_P(OffScreenBufferViewTest, CopyToWindowCopiesOnlyWhatLiesInsideTheImage) {
    view.Draw(nullptr);
    const RECT partly{-5, -5, 10, 8};
    view.CopyToWindow(nullptr, &partly);
    for (LONG y = 0; y < 12; ++y) {
        for (LONG x = 0; x < 14; ++x) {
            const bool inside = x < 10 && y < 8;
            EXPECT_EQ(ScreenPixels().Pixel(x, y),
                      inside ? SurfacePixel(PatternColour(x, y)) : kUntouched);
        }
    }
    view.CopyToWindow(nullptr, nullptr);
    EXPECT_EQ(Screen(kWidth - 1, kHeight - 1), PatternColour(kWidth - 1, kHeight - 1));
    EXPECT_EQ(ScreenPixels().Pixel(kWidth, kHeight - 1), kUntouched);
    EXPECT_EQ(ScreenPixels().Pixel(kWidth - 1, kHeight), kUntouched);
}

TEST_P(OffScreenBufferViewTest, PrintsThePageInARoundedBlackFrame) {
    LogCapture log;
    RECT print{};
    view.GetPrintRect(print);
    EXPECT_EQ(print, (RECT{0, 0, kWidth + 4, kHeight + 4}));

    Surface paper(100, 100);
    paper.Fill(0x777777);
    HDC printer = CreateSurfaceDC(&paper, POINT{0, 0}, paper.Bounds());
    view.PrintPage(printer, RECT{10, 20, kWidth + 4, kHeight + 4});
    ReleaseSurfaceDC(printer);

    const auto frame = [&paper](LONG x, LONG y) { return paper.Pixel(10 + x, 20 + y); };
    constexpr uint32_t kWhite = 0xFFFFFF;
    for (LONG x = 0; x < 6; ++x) EXPECT_EQ(frame(x, 0), kWhite) << x;
    EXPECT_EQ(frame(6, 0), 0u);
    EXPECT_EQ(frame(kWidth + 3, 0), kWhite);
    EXPECT_EQ(frame(kWidth - 3, 0), 0u);
    EXPECT_EQ(frame(0, kHeight + 3), kWhite);
    EXPECT_EQ(frame(kWidth + 3, kHeight + 3), kWhite);
    EXPECT_EQ(frame(0, 6), 0u);
    // The page's own corners are rounded in black inside the border.
    EXPECT_EQ(frame(2, 2), 0u);
    EXPECT_EQ(ColourOf(*view.GetImage(), 0, 0), 0u);
    EXPECT_EQ(frame(2 + 6, 2), 0u);
    EXPECT_EQ(frame(2 + 7, 2), SurfacePixel(PatternColour(7, 0)));
    EXPECT_EQ(frame(2 + 10, 2 + 10), SurfacePixel(PatternColour(10, 10)));
    EXPECT_EQ(frame(2 + kWidth - 1, 2 + kHeight - 1), 0u);
    EXPECT_EQ(paper.Pixel(9, 20), 0x777777u);
    EXPECT_EQ(paper.Pixel(10 + kWidth + 4, 20), 0x777777u);

    EXPECT_TRUE(log.Contains("rcDIB.left 0 top 0 right 40 bottom 30"));
    EXPECT_TRUE(log.Contains("rcDraw->left 10 top 20 right 44 bottom 34"));
    EXPECT_TRUE(log.Contains("COffScreenBufferView::DrawToPrinter: Using StretchDIBits to draw"));
}

TEST_P(OffScreenBufferViewTest, PrintingStretchesTheFrameToTheDestination) {
    Surface paper((kWidth + 4) * 2, (kHeight + 4) * 2);
    HDC printer = CreateSurfaceDC(&paper, POINT{0, 0}, paper.Bounds());
    view.PrintPage(printer, RECT{0, 0, (kWidth + 4) * 2, (kHeight + 4) * 2});
    ReleaseSurfaceDC(printer);
    EXPECT_EQ(paper.Pixel(11, 0), 0xFFFFFFu);
    EXPECT_EQ(paper.Pixel(12, 1), 0u);
    EXPECT_EQ(paper.Pixel(2 * 12 + 1, 2 * 12 + 1), SurfacePixel(PatternColour(10, 10)));
}

INSTANTIATE_TEST_SUITE_P(DIBSectionOrPlainMemory, OffScreenBufferViewTest, ::testing::Bool());

TEST(DirtyRectangles, OnlyTheFirstRectangleEverMerges) {
    PageView view(true);
    view.AddDirtyRect(RECT{0, 0, 10, 10});
    view.AddDirtyRect(RECT{5, 5, 20, 20});
    EXPECT_EQ(view.GetDirtyRects(), (std::vector<RECT>{{0, 0, 20, 20}}));

    PageView touching(true);
    touching.AddDirtyRect(RECT{0, 0, 10, 10});
    touching.AddDirtyRect(RECT{10, 0, 20, 10});
    EXPECT_EQ(touching.GetDirtyRects().size(), 2u);

    PageView chain(true);
    const RECT a{0, 0, 10, 10};
    const RECT b{50, 50, 60, 60};
    const RECT c{55, 55, 70, 70};
    chain.AddDirtyRect(a);
    chain.AddDirtyRect(b);
    chain.AddDirtyRect(c);
    EXPECT_EQ(chain.GetDirtyRects(), (std::vector<RECT>{a, b, c}));
}

TEST(OffScreenBufferView, HasNoImageBeforeABackgroundArrives) {
    PageView view(true);
    RECT buffer{1, 1, 1, 1};
    view.GetBufferRect(buffer);
    EXPECT_EQ(buffer, (RECT{}));
    view.CopyToWindow(nullptr, nullptr);
    view.PrintPage(nullptr, RECT{0, 0, 10, 10});
    EXPECT_EQ(view.GetImage(), nullptr);
}

}  // namespace
