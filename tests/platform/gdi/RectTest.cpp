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
