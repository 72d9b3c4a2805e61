#include <gtest/gtest.h>

#include <tuple>

#include "platform/gdi/DeviceContext.h"
#include "platform/gdi/Gdi.h"
#include "platform/user/User.h"
#include "tests/gfx/PictureBytes.h"

TEST(Blits, CopyWithinTheDestinationClipAndTheSourceBoundsAndStretch) {
    Surface source(6, 6);
    for (LONG y = 0; y < 6; ++y)
        for (LONG x = 0; x < 6; ++x) source.SetPixel(x, y, PatternColour(x, y));
    Surface target(10, 10);
    // A child-window-like view: origin (2, 1), clipped to x 3..8, y 2..9.
    HDC dest = CreateSurfaceDC(&target, POINT{2, 1}, RECT{3, 2, 8, 9});
    HDC from = CreateSurfaceDC(&source, POINT{0, 0}, source.Bounds());
    ASSERT_TRUE(BitBlt(dest, -1, -1, 20, 20, from, 2, 3, SRCCOPY));
    // Surface (x, y) is logical (x - 2, y - 1), whose source is (x - 2 + 3, y - 1 + 4).
    for (LONG y = 0; y < 10; ++y)
        for (LONG x = 0; x < 10; ++x) {
            const bool inside = x >= 3 && x < 8 && y >= 2 && y < 9 && x + 1 < 6 && y + 3 < 6;
            EXPECT_EQ(target.Pixel(x, y), inside ? source.Pixel(x + 1, y + 3) : 0u)
                << x << "," << y;
        }
    EXPECT_FALSE(BitBlt(dest, 0, 0, 1, 1, from, 0, 0, 0x00EE0086));
    ReleaseSurfaceDC(dest);
    ReleaseSurfaceDC(from);

    // StretchDIBits counts bottom-up source rows from the bottom. A 2 x 3 bottom-up picture;
    // rows from the top: A B / C D / E F.
    BITMAPINFO info{};
    info.bmiHeader = BITMAPINFOHEADER{40, 2, 3, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
    const uint32_t bits[] = {0xE, 0xF, 0xC, 0xD, 0xA, 0xB};
    Surface sheet(8, 8);
    HDC dc = CreateSurfaceDC(&sheet, POINT{0, 0}, sheet.Bounds());

    // Source y 1 from the bottom, height 2: the rows A B and C D. Then doubled at (2, 2):
    // each source pixel covers 2 x 2.
    EXPECT_EQ(StretchDIBits(dc, 0, 0, 2, 2, 0, 1, 2, 2, bits, &info, DIB_RGB_COLORS, SRCCOPY), 2);
    EXPECT_EQ(StretchDIBits(dc, 2, 2, 4, 6, 0, 0, 2, 3, bits, &info, DIB_RGB_COLORS, SRCCOPY), 6);
    const std::tuple<LONG, LONG, uint32_t> pixels[] = {
        {0, 0, 0xA}, {1, 1, 0xD}, {2, 2, 0xA}, {3, 3, 0xA}, {4, 3, 0xB}, {5, 7, 0xF}, {6, 2, 0}};
    for (const auto& [x, y, pixel] : pixels) EXPECT_EQ(sheet.Pixel(x, y), pixel) << x << "," << y;

    info.bmiHeader.biWidth = 0;
    EXPECT_EQ(StretchDIBits(dc, 0, 0, 2, 2, 0, 0, 2, 2, bits, &info, DIB_RGB_COLORS, SRCCOPY), 0);
    ReleaseSurfaceDC(dc);
}

TEST(MemoryContext, SelectsBitmapsAndProtectsSelectedOnesAndRefusesCompressedSections) {
    HDC screen = GetDC(nullptr);
    HDC memory = CreateCompatibleDC(screen);
    HBITMAP bitmap = CreateCompatibleBitmap(screen, 4, 3);
    ASSERT_NE(bitmap, nullptr);
    EXPECT_EQ(GetDeviceCaps(memory, HORZRES), 1);
    HGDIOBJ stock = SelectObject(memory, bitmap);
    ASSERT_NE(stock, nullptr);
    EXPECT_EQ(GetDeviceCaps(memory, HORZRES), 4);
    EXPECT_EQ(GetDeviceCaps(memory, VERTRES), 3);
    EXPECT_FALSE(DeleteObject(bitmap));
    EXPECT_FALSE(DeleteObject(stock));
    EXPECT_EQ(SelectObject(memory, stock), bitmap);
    EXPECT_TRUE(DeleteObject(bitmap));
    EXPECT_EQ(SetStretchBltMode(memory, COLORONCOLOR), BLACKONWHITE);
    EXPECT_EQ(SetStretchBltMode(memory, BLACKONWHITE), COLORONCOLOR);
    EXPECT_TRUE(DeleteDC(memory));
    ReleaseDC(nullptr, screen);

    BITMAPINFO compressed{};
    compressed.bmiHeader = BITMAPINFOHEADER{40, 3, 2, 1, 24, 1, 0, 0, 0, 0, 0};
    void* bits = &compressed;
    EXPECT_EQ(CreateDIBSection(nullptr, &compressed, DIB_RGB_COLORS, &bits, nullptr, 0), nullptr);
    EXPECT_EQ(bits, nullptr);
}
