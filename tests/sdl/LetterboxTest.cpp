// The screen's place in windows of many sizes, and the way between window and screen
// pixels in both directions.

#include <gtest/gtest.h>

#include "platform/sdl/Letterbox.h"

namespace {

struct WindowSize {
    LONG width;
    LONG height;
};

const WindowSize kWindows[] = {{1024, 768}, {1280, 1024}, {1920, 1080}, {2048, 1536}, {800, 600},
                               {1366, 768}, {1100, 800},  {640, 1136},  {3840, 2160}, {1, 1}};

}  // namespace

TEST(LetterboxTest, ThePictureFitsCentredAndKeepsTheScreensShape) {
    for (const WindowSize size : kWindows) {
        const Letterbox fit(1024, 768, size.width, size.height);
        const RECT& picture = fit.Picture();
        const LONG width = picture.right - picture.left;
        const LONG height = picture.bottom - picture.top;
        SCOPED_TRACE(testing::Message() << size.width << " x " << size.height);
        EXPECT_GE(picture.left, 0);
        EXPECT_GE(picture.top, 0);
        EXPECT_LE(picture.right, size.width);
        EXPECT_LE(picture.bottom, size.height);
        // Centred: the bars on either side differ by one pixel at most.
        EXPECT_LE(std::abs((size.width - picture.right) - picture.left), 1);
        EXPECT_LE(std::abs((size.height - picture.bottom) - picture.top), 1);
        // One side fills the window, unless a whole-number scale was kept; the shape holds.
        if (size.width >= 1024 && size.height >= 768) {
            EXPECT_NEAR(width * 768.0 / height, 1024.0, 2.0);
        }
        EXPECT_TRUE(width == size.width || height == size.height || (width % 1024 == 0 && height % 768 == 0));
    }
}

TEST(LetterboxTest, WholeNumberScalesGiveEqualSquares) {
    const Letterbox fit(1024, 768, 2048, 1536);
    EXPECT_EQ(fit.Picture().right - fit.Picture().left, 2048);
    const RECT square = fit.ToWindow(RECT{10, 20, 11, 21});
    EXPECT_EQ(square.right - square.left, 2);
    EXPECT_EQ(square.bottom - square.top, 2);
    // Just above twice the size, the picture stays at twice.
    EXPECT_EQ(Letterbox(1024, 768, 2100, 1600).Picture().right - Letterbox(1024, 768, 2100, 1600).Picture().left, 2048);
}

TEST(LetterboxTest, EveryScreenPixelMapsToWindowPixelsThatMapBack) {
    for (const WindowSize size : kWindows) {
        const Letterbox fit(1024, 768, size.width, size.height);
        if (fit.Picture().right - fit.Picture().left < 1024) continue;
        SCOPED_TRACE(testing::Message() << size.width << " x " << size.height);
        for (const POINT point : {POINT{0, 0}, POINT{1023, 767}, POINT{511, 384}, POINT{300, 200}, POINT{1, 766}}) {
            const POINT inWindow = fit.ToWindow(point);
            const POINT back = fit.ToScreen(inWindow);
            EXPECT_EQ(back.x, point.x);
            EXPECT_EQ(back.y, point.y);
        }
    }
}

TEST(LetterboxTest, RectanglesCoverExactlyTheirPixelsAndTileWithoutGaps) {
    const Letterbox fit(1024, 768, 1280, 1024);
    const RECT left = fit.ToWindow(RECT{0, 0, 500, 768});
    const RECT right = fit.ToWindow(RECT{500, 0, 1024, 768});
    EXPECT_EQ(left.right, right.left);
    EXPECT_EQ(left.left, fit.Picture().left);
    EXPECT_EQ(right.right, fit.Picture().right);
    // Each window column of a rectangle shows a screen column inside it.
    const RECT area{123, 45, 377, 99};
    const RECT place = fit.ToWindow(area);
    for (LONG x = place.left; x < place.right; ++x) {
        const LONG source = fit.SourceColumns()[static_cast<size_t>(x - fit.Picture().left)];
        EXPECT_GE(source, area.left);
        EXPECT_LT(source, area.right);
    }
    // Empty and outside rectangles cover nothing.
    const RECT empty = fit.ToWindow(RECT{10, 10, 10, 20});
    EXPECT_EQ(empty.left, empty.right);
    const RECT outside = fit.ToWindow(RECT{2000, 10, 3000, 20});
    EXPECT_EQ(outside.left, outside.right);
}

TEST(LetterboxTest, PointsOnTheBarsAreHeldToTheScreensEdge) {
    const Letterbox fit(1024, 768, 1280, 1024);
    const POINT above = fit.ToScreen(POINT{640, 0});
    EXPECT_EQ(above.y, 0);
    const POINT below = fit.ToScreen(POINT{1279, 1023});
    EXPECT_EQ(below.x, 1023);
    EXPECT_EQ(below.y, 767);
    const POINT negative = fit.ToScreen(POINT{-50, -50});
    EXPECT_EQ(negative.x, 0);
    EXPECT_EQ(negative.y, 0);
}
