// The screen's place in windows of many sizes, and the way between window and screen
// pixels in both directions.

#include <gtest/gtest.h>

#include <algorithm>

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
        EXPECT_TRUE(width == size.width || height == size.height ||
                    (width % 1024 == 0 && height % 768 == 0));
    }
}

TEST(LetterboxTest, WholeNumberScalesGiveEqualSquares) {
    const Letterbox fit(1024, 768, 2048, 1536);
    EXPECT_EQ(fit.Picture().right - fit.Picture().left, 2048);
    const RECT square = fit.ToWindow(RECT{10, 20, 11, 21});
    EXPECT_EQ(square.right - square.left, 2);
    EXPECT_EQ(square.bottom - square.top, 2);
    // Just above twice the size, the picture stays at twice.
    EXPECT_EQ(Letterbox(1024, 768, 2100, 1600).Picture().right -
                  Letterbox(1024, 768, 2100, 1600).Picture().left,
              2048);
}

TEST(LetterboxTest, EveryScreenPixelMapsToWindowPixelsThatMapBack) {
    for (const WindowSize size : kWindows) {
        const Letterbox fit(1024, 768, size.width, size.height);
        if (fit.Picture().right - fit.Picture().left < 1024) continue;
        SCOPED_TRACE(testing::Message() << size.width << " x " << size.height);
        for (const POINT point :
             {POINT{0, 0}, POINT{1023, 767}, POINT{511, 384}, POINT{300, 200}, POINT{1, 766}}) {
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
        const LONG source = fit.ToScreen(POINT{x, place.top}).x;
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

namespace {

constexpr uint32_t kWhite = 0xFFFFFF;

uint32_t Channel(uint32_t rgb, int shift) {
    return (rgb >> shift) & 0xFF;
}

}  // namespace

TEST(LetterboxTest, WholeScalesCopyPixelsAndOtherScalesKeepFlatColoursExact) {
    Surface screen(1024, 768);
    for (LONG y = 0; y < 768; ++y) {
        for (LONG x = 0; x < 1024; ++x)
            screen.SetPixel(x, y, static_cast<uint32_t>(x * 7 + y * 1031) & 0xFFFFFF);
    }
    const Letterbox twice(1024, 768, 2048, 1536);
    EXPECT_TRUE(twice.WholeScale());
    for (const POINT point : {POINT{0, 0}, POINT{2047, 1535}, POINT{1001, 3}}) {
        const POINT source = twice.ToScreen(point);
        EXPECT_EQ(twice.PixelAt(screen, point.x, point.y), screen.Pixel(source.x, source.y));
    }
    // A flat colour stays exactly that colour at every scale, up to the picture's last pixels.
    screen.Fill(0x8040C0);
    for (const WindowSize size : kWindows) {
        const Letterbox fit(1024, 768, size.width, size.height);
        const RECT& picture = fit.Picture();
        SCOPED_TRACE(testing::Message() << size.width << " x " << size.height);
        for (const POINT point :
             {POINT{picture.left, picture.top}, POINT{picture.right - 1, picture.bottom - 1},
              POINT{(picture.left + picture.right) / 2, (picture.top + picture.bottom) / 2}}) {
            EXPECT_EQ(fit.PixelAt(screen, point.x, point.y), 0x8040C0u);
        }
    }
}

// Nearest-neighbour scaling below full size drops whole columns: a thin stroke of a
// letter vanishes. Blending keeps every one-pixel line visible at 800 x 600.
TEST(LetterboxTest, EveryThinLineStaysVisibleWhenTheScreenShrinks) {
    const Letterbox fit(1024, 768, 800, 600);
    EXPECT_FALSE(fit.WholeScale());
    Surface screen(1024, 768);
    for (const LONG line : {LONG{0}, LONG{1}, LONG{4}, LONG{511}, LONG{1022}, LONG{1023}}) {
        screen.Fill(kWhite);
        for (LONG y = 0; y < 768; ++y) screen.SetPixel(line, y, 0);
        const RECT shown = fit.Touched(RECT{line, 0, line + 1, 768});
        uint32_t darkest = 0xFF;
        for (LONG x = shown.left; x < shown.right; ++x)
            darkest = std::min(darkest, Channel(fit.PixelAt(screen, x, 300), 0));
        EXPECT_LT(darkest, 0xC0u) << "line " << line;
    }
}

// What the window shows again after a screen rectangle changed must hold every window
// pixel that blends in a changed pixel, at the screen's edges as well as inside it.
TEST(LetterboxTest, TouchedHoldsEveryWindowPixelAChangeReaches) {
    for (const WindowSize size :
         {WindowSize{800, 600}, WindowSize{1920, 1080}, WindowSize{1100, 800}}) {
        const Letterbox fit(1024, 768, size.width, size.height);
        for (const RECT area :
             {RECT{0, 0, 1, 1}, RECT{1023, 767, 1024, 768}, RECT{300, 200, 301, 333}}) {
            Surface before(1024, 768);
            before.Fill(0);
            Surface after = before;
            for (LONG y = area.top; y < area.bottom; ++y) {
                for (LONG x = area.left; x < area.right; ++x) after.SetPixel(x, y, kWhite);
            }
            const RECT touched = fit.Touched(area);
            const RECT& picture = fit.Picture();
            SCOPED_TRACE(testing::Message() << size.width << " x " << size.height << ", area "
                                            << area.left << "," << area.top);
            for (LONG y = picture.top; y < picture.bottom; ++y) {
                for (LONG x = picture.left; x < picture.right; ++x) {
                    const bool changed = fit.PixelAt(before, x, y) != fit.PixelAt(after, x, y);
                    const bool inside = x >= touched.left && x < touched.right &&
                                        y >= touched.top && y < touched.bottom;
                    if (changed && !inside)
                        FAIL() << "window pixel " << x << "," << y << " changed outside";
                }
            }
        }
    }
}
