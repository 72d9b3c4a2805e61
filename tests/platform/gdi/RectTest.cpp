#include <gtest/gtest.h>

#include "platform/gdi/DeviceContext.h"
#include "platform/user/User.h"

// The right and bottom edges lie outside: a one-pixel rectangle holds one point, touching
// rectangles do not intersect, and a union ignores empty rectangles.
TEST(Rect, RightAndBottomEdgesAreOutside) {
    const RECT onePixel{5, 5, 6, 6}, left{0, 0, 10, 10}, right{10, 0, 20, 10};
    const RECT overlapping{9, 9, 30, 30}, empty{100, 100, 100, 100};
    EXPECT_FALSE(IsRectEmpty(onePixel));
    EXPECT_TRUE(IsRectEmpty(RECT{5, 5, 5, 9}));
    EXPECT_TRUE(IsRectEmpty(RECT{5, 5, 4, 9}));
    EXPECT_TRUE(PtInRect(&onePixel, POINT{5, 5}));
    EXPECT_FALSE(PtInRect(&onePixel, POINT{6, 5}));
    EXPECT_FALSE(PtInRect(&onePixel, POINT{5, 6}));

    RECT common{1, 1, 1, 1}, both{};
    EXPECT_FALSE(IntersectRect(&common, &left, &right));
    EXPECT_EQ(common, RECT{});
    EXPECT_TRUE(IntersectRect(&common, &left, &overlapping));
    EXPECT_EQ(common, (RECT{9, 9, 10, 10}));
    EXPECT_TRUE(UnionRect(&both, &onePixel, &empty));
    EXPECT_EQ(both, onePixel);
    EXPECT_TRUE(UnionRect(&both, &onePixel, &overlapping));
    EXPECT_EQ(both, (RECT{5, 5, 30, 30}));
    EXPECT_FALSE(UnionRect(&both, &empty, &empty));
}

TEST(ScreenContext, ViewsTheWholeScreenClippedToIt) {
    HDC screen = GetDC(nullptr);
    ASSERT_NE(screen, nullptr);
    EXPECT_EQ(screen->clip, (RECT{0, 0, 1024, 768}));
    EXPECT_EQ(ReleaseDC(nullptr, screen), 1);
    Surface small(10, 10);
    HDC clipped = CreateSurfaceDC(&small, POINT{3, 3}, RECT{-5, 2, 50, 8});
    EXPECT_EQ(clipped->clip, (RECT{0, 2, 10, 8}));
    ReleaseSurfaceDC(clipped);
}

// A copy between surfaces of different sizes stays inside both, keeps every pixel in its
// place and leaves the rest alone.
TEST(Surface, CopiesAnAreaHeldInsideBothSurfaces) {
    struct Case {
        RECT area;
        RECT copied;
    };
    const Case cases[] = {
        {{2, 1, 5, 3}, {2, 1, 5, 3}},    // inside both
        {{-4, -4, 3, 2}, {0, 0, 3, 2}},  // over the top left corner
        {{6, 0, 20, 20}, {6, 0, 8, 4}},  // past the smaller source's right and bottom
        {{9, 1, 12, 3}, {}},             // beside the source: nothing
        {{3, 3, 3, 4}, {}},              // empty
    };
    Surface source(8, 4);
    for (LONG y = 0; y < source.Height(); ++y)
        for (LONG x = 0; x < source.Width(); ++x)
            source.SetPixel(x, y, static_cast<uint32_t>(0x10000 * (y + 1) + x));
    for (const Case& c : cases) {
        Surface target(10, 6);
        target.Fill(0xFFFFFF);
        EXPECT_EQ(target.CopyFrom(source, c.area), c.copied);
        for (LONG y = 0; y < target.Height(); ++y)
            for (LONG x = 0; x < target.Width(); ++x) {
                const bool inside = x >= c.copied.left && x < c.copied.right && y >= c.copied.top &&
                                    y < c.copied.bottom;
                EXPECT_EQ(target.Pixel(x, y), inside ? source.Pixel(x, y) : 0xFFFFFFu)
                    << x << "," << y;
            }
    }
}
