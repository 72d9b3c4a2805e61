// The screen's place in windows of many sizes, and the way between window and screen
// pixels in both directions.

#include <gtest/gtest.h>

#include <algorithm>

#include "platform/gdi/DeviceContext.h"
#include "platform/machines/Letterbox.h"

// Centred, in the screen's shape, filling one side of the window unless a whole-number
// scale was kept: the largest that fits, also when the window is just above it; every
// screen pixel maps to window pixels that map back; and a flat colour stays exactly that
// colour, up to the picture's last pixels.
TEST(LetterboxTest, EveryWindowShowsThePictureCentredInItsShapeAndMapsBothWays) {
    Surface flat(1024, 768);
    flat.Fill(0x8040C0);
    // Each window and whether a whole-number scale is kept in it.
    const struct {
        SIZE size;
        bool whole;
    } windows[] = {{{1024, 768}, true},   {{1280, 1024}, false}, {{1920, 1080}, false},
                   {{2048, 1536}, true},  {{2100, 1600}, true},  {{800, 600}, false},
                   {{1366, 768}, true},   {{1100, 800}, true},   {{640, 1136}, false},
                   {{3840, 2160}, false}, {{1, 1}, false}};
    for (const auto& [size, whole] : windows) {
        SCOPED_TRACE(testing::Message() << size.cx << " x " << size.cy);
        const Letterbox fit(1024, 768, size.cx, size.cy);
        const RECT& picture = fit.Picture();
        const LONG width = picture.right - picture.left;
        const LONG height = picture.bottom - picture.top;
        EXPECT_TRUE(picture.left >= 0 && picture.top >= 0 &&
                    std::abs(size.cx - picture.right - picture.left) <= 1 &&
                    std::abs(size.cy - picture.bottom - picture.top) <= 1)
            << "inside the window, centred";
        if (size.cx >= 1024 && size.cy >= 768) {
            EXPECT_NEAR(width * 768.0 / height, 1024.0, 2.0) << "the screen's shape";
        }
        EXPECT_EQ(fit.WholeScale(), whole);
        EXPECT_TRUE(whole ? width % 1024 == 0 && height % 768 == 0 && width + 1024 > size.cx
                          : width == size.cx || height == size.cy);
        for (const POINT point :
             {POINT{picture.left, picture.top}, POINT{picture.right - 1, picture.bottom - 1},
              POINT{(picture.left + picture.right) / 2, (picture.top + picture.bottom) / 2}}) {
            EXPECT_EQ(fit.PixelAt(flat, point.x, point.y), 0x8040C0u) << "a flat colour";
        }
        if (width < 1024) continue;
        for (const POINT point :
             {POINT{0, 0}, POINT{1023, 767}, POINT{511, 384}, POINT{300, 200}, POINT{1, 766}}) {
            const POINT back = fit.ToScreen(fit.ToWindow(point));
            EXPECT_TRUE(back.x == point.x && back.y == point.y) << point.x << "," << point.y;
        }
    }
}

// At twice the size each screen pixel is a 2 x 2 square of its own colour.
TEST(LetterboxTest, WholeNumberScalesCopyEachPixelIntoASquare) {
    const Letterbox twice(1024, 768, 2048, 1536);
    const RECT square = twice.ToWindow(RECT{10, 20, 11, 21});
    EXPECT_TRUE(square.right - square.left == 2 && square.bottom - square.top == 2);
    Surface screen(1024, 768);
    for (LONG y = 0; y < 768; ++y) {
        for (LONG x = 0; x < 1024; ++x)
            screen.SetPixel(x, y, static_cast<uint32_t>(x * 7 + y * 1031) & 0xFFFFFF);
    }
    for (const POINT point : {POINT{0, 0}, POINT{2047, 1535}, POINT{1001, 3}}) {
        const POINT source = twice.ToScreen(point);
        EXPECT_EQ(twice.PixelAt(screen, point.x, point.y), screen.Pixel(source.x, source.y));
    }
}

// Rectangles cover exactly their pixels and tile without gaps; empty and outside ones
// cover nothing; points on the bars are held to the screen's edge.
TEST(LetterboxTest, RectanglesTileWithoutGapsAndPointsOnTheBarsAreHeldToTheEdge) {
    const Letterbox fit(1024, 768, 1280, 1024);
    const RECT left = fit.ToWindow(RECT{0, 0, 500, 768});
    const RECT right = fit.ToWindow(RECT{500, 0, 1024, 768});
    EXPECT_TRUE(left.left == fit.Picture().left && left.right == right.left &&
                right.right == fit.Picture().right);
    const RECT area{123, 45, 377, 99};
    const RECT place = fit.ToWindow(area);
    for (LONG x = place.left; x < place.right; ++x) {
        const LONG source = fit.ToScreen(POINT{x, place.top}).x;
        EXPECT_TRUE(source >= area.left && source < area.right) << "window column " << x;
    }
    for (const RECT nothing : {RECT{10, 10, 10, 20}, RECT{2000, 10, 3000, 20}})
        EXPECT_EQ(fit.ToWindow(nothing).left, fit.ToWindow(nothing).right);

    // Each window, a point of it and the screen point it maps to.
    const struct {
        SIZE window;
        POINT point;
        POINT screen;
    } points[] = {
        {{1280, 1024}, {640, 0}, {512, 0}},      {{1280, 1024}, {1279, 1023}, {1023, 767}},
        {{1280, 1024}, {-50, -50}, {0, 0}},      {{1366, 768}, {271, 0}, {100, 0}},
        {{1366, 768}, {1365, 400}, {1023, 400}},  // the right bar
        {{1366, 768}, {0, 767}, {0, 767}},        // the left bar
    };
    for (const auto& [window, point, screen] : points) {
        const POINT held = Letterbox(1024, 768, window.cx, window.cy).ToScreen(point);
        EXPECT_TRUE(held.x == screen.x && held.y == screen.y)
            << window.cx << " x " << window.cy << ": " << point.x << "," << point.y << " -> "
            << held.x << "," << held.y;
    }
}

// What the window shows again after a screen rectangle changed must hold every window
// pixel that blends in a changed pixel, at the screen's edges as well as inside it. Below
// full size, nearest-neighbour scaling would drop whole columns and a thin stroke of a
// letter would vanish: blending keeps every one-pixel line visible.
TEST(LetterboxTest, TouchedHoldsEveryWindowPixelAChangeReachesAndThinLinesStayVisible) {
    for (const SIZE size : {SIZE{800, 600}, SIZE{1920, 1080}, SIZE{1100, 800}}) {
        const Letterbox fit(1024, 768, size.cx, size.cy);
        for (const RECT area :
             {RECT{0, 0, 1, 1}, RECT{1023, 767, 1024, 768}, RECT{300, 200, 301, 333},
              RECT{0, 0, 1, 768}, RECT{1, 0, 2, 768}, RECT{4, 0, 5, 768}, RECT{511, 0, 512, 768},
              RECT{1022, 0, 1023, 768}, RECT{1023, 0, 1024, 768}}) {
            SCOPED_TRACE(testing::Message() << size.cx << " x " << size.cy << ", area " << area.left
                                            << "," << area.top);
            Surface before(1024, 768);
            before.Fill(0);
            Surface after = before;
            for (LONG y = area.top; y < area.bottom; ++y) {
                for (LONG x = area.left; x < area.right; ++x) after.SetPixel(x, y, 0xFFFFFF);
            }
            const RECT touched = fit.Touched(area);
            const RECT& picture = fit.Picture();
            uint32_t brightest = 0;
            for (LONG y = picture.top; y < picture.bottom; ++y) {
                for (LONG x = picture.left; x < picture.right; ++x) {
                    const uint32_t shown = fit.PixelAt(after, x, y);
                    if (fit.PixelAt(before, x, y) != shown && !PtInRect(&touched, POINT{x, y}))
                        FAIL() << "window pixel " << x << "," << y << " changed outside";
                    if (y == (touched.top + touched.bottom) / 2)
                        brightest = std::max(brightest, shown & 0xFF);
                }
            }
            EXPECT_GT(brightest, 0x3Fu) << "the change shows";
        }
    }
}
