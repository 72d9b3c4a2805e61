#include <array>

#include "platform/gdi/Gdi.h"
#include "tests/platform/user/WindowFixture.h"

// A window at (100, 50) whose client area is 400 x 300, ready to draw on.
class PresentTest : public WindowFixture {
protected:
    PresentTest() {
        RunUntilIdle();
        machine.TakePresentedAreas();
        SelectObject(memory, picture);
    }
    ~PresentTest() override {
        DeleteDC(memory);
        DeleteObject(picture);
    }

    std::vector<RECT> PresentedAfter(const std::function<void(HDC)>& draw) {
        HDC dc = GetDC(window);
        draw(dc);
        ReleaseDC(window, dc);
        return machine.TakePresentedAreas();
    }

    const HWND window = MakeWindow("main", RECT{100, 50, 500, 350});
    const HBITMAP picture = CreateCompatibleBitmap(nullptr, 200, 200);
    const HDC memory = CreateCompatibleDC(nullptr);
};

TEST_F(PresentTest, ReleasingAContextPresentsOnlyWhatWasDrawnOnIt) {
    const struct {
        const char* what;
        std::vector<std::array<int, 4>> copies;  // left, top, width, height in the client
        std::vector<RECT> presented;
    } cases[] = {
        {"nothing drawn", {}, {}},
        {"a 120 x 120 copy", {{10, 20, 120, 120}}, {{110, 70, 230, 190}}},
        {"one pixel in the last column and row", {{399, 299, 1, 1}}, {{499, 349, 500, 350}}},
        {"a copy cut by the client's edge", {{350, 250, 120, 120}}, {{450, 300, 500, 350}}},
        {"a copy wholly outside", {{400, 0, 50, 50}}, {}},
        {"two copies: their bounds", {{0, 0, 10, 10}, {30, 40, 10, 10}}, {{100, 50, 140, 100}}},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(PresentedAfter([&](HDC dc) {
                      for (const auto& [x, y, w, h] : c.copies)
                          BitBlt(dc, x, y, w, h, memory, 0, 0, SRCCOPY);
                  }),
                  c.presented)
            << c.what;
    }
    EXPECT_TRUE(PresentedAfter([&](HDC) {
                    BitBlt(memory, 0, 0, 50, 50, memory, 100, 100, SRCCOPY);
                }).empty())
        << "a copy into a memory context";
    BITMAPINFO info{};
    info.bmiHeader = BITMAPINFOHEADER{sizeof(BITMAPINFOHEADER), 4, 4, 1, 24, BI_RGB, 0, 0, 0, 0, 0};
    const std::vector<uint8_t> pixels(4 * 12, 0x80);
    EXPECT_EQ(PresentedAfter([&](HDC dc) {
                  StretchDIBits(dc, 5, 6, 8, 8, 0, 0, 4, 4, pixels.data(), &info, DIB_RGB_COLORS,
                                SRCCOPY);
              }),
              (std::vector<RECT>{{105, 56, 113, 64}}))
        << "a stretched picture";
    ReleaseDC(nullptr, GetDC(nullptr));
    EXPECT_TRUE(machine.TakePresentedAreas().empty()) << "the screen's own context";
}
