// What reaches the screen when the page changes: a sticker-sized change of the page
// is presented as that many pixels and no more, and preparing a picture in a DIB
// section presents nothing. The counter presented_px is the target: <= 14400 (120 x
// 120) for the sticker, 0 for the picture.

#include <benchmark/benchmark.h>

#include <vector>

#include "catalogue/PageGeometry.h"
#include "gfx/DIB.h"
#include "platform/gdi/Gdi.h"
#include "platform/machines/headless/HeadlessBackend.h"
#include "platform/user/User.h"
#include "scene/OffScreenBufferView.h"

namespace {

constexpr LONG kSticker = 120;

// A view that composes nothing: only the copy to the window is measured.
class BareView : public COffScreenBufferView {
public:
    BareView() : COffScreenBufferView(true) {}
    void Draw(const RECT*) override {}
};

// The page window, made by the first benchmark that needs it.
HWND g_pageWindow = nullptr;

HWND PageWindow() {
    if (g_pageWindow != nullptr) return g_pageWindow;
    WNDCLASSEXA windowClass{};
    windowClass.cbSize = sizeof(windowClass);
    windowClass.lpfnWndProc = DefWindowProcA;
    windowClass.lpszClassName = "BenchPage";
    RegisterClassExA(&windowClass);
    g_pageWindow =
        CreateWindowExA(0, "BenchPage", "", WS_POPUP | WS_VISIBLE, kPageLeft, kPageTop, kPageWidth,
                        kPageHeight, nullptr, nullptr, ProgramInstance(), nullptr);
    return g_pageWindow;
}

double PresentedPixels() {
    double pixels = 0;
    for (const RECT& r : HeadlessBackend::Instance().TakePresentedAreas()) {
        pixels += static_cast<double>(r.right - r.left) * static_cast<double>(r.bottom - r.top);
    }
    return pixels;
}

void PresentStickerChange(benchmark::State& state) {
    const HWND window = PageWindow();
    CDIB background(kPageWidth, kPageHeight);
    BareView view;
    view.CreateOffScreen(window, background);
    HeadlessBackend::Instance().TakePresentedAreas();
    double presented = 0;
    for (auto _ : state) {
        view.AddDirtyRect(RECT{300, 200, 300 + kSticker, 200 + kSticker});
        view.Update(window);
        presented = PresentedPixels();
    }
    state.counters["presented_px"] = presented;
}
BENCHMARK(PresentStickerChange)->Unit(benchmark::kMicrosecond);

void PrepareSectionPicture(benchmark::State& state) {
    const HWND window = PageWindow();
    HeadlessBackend::Instance().TakePresentedAreas();
    BITMAPINFO info{};
    info.bmiHeader =
        BITMAPINFOHEADER{sizeof(BITMAPINFOHEADER), 200, 60, 1, 24, BI_RGB, 0, 0, 0, 0, 0};
    double presented = 0;
    for (auto _ : state) {
        // What a button picture does when it makes its section.
        HDC dc = GetDC(window);
        void* bits = nullptr;
        HBITMAP section = CreateDIBSection(dc, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
        ReleaseDC(window, dc);
        DeleteObject(section);
        presented = PresentedPixels();
    }
    state.counters["presented_px"] = presented;
}
BENCHMARK(PrepareSectionPicture)->Unit(benchmark::kMicrosecond);

}  // namespace
