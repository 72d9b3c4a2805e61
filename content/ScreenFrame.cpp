#include "content/ScreenFrame.h"

#include <cairo.h>

#include <optional>

#include "content/Palette.h"

namespace {

constexpr Colour kDesk = Colour::Hex(0x7CC6F2);
constexpr Colour kDeskDots = Colour::Hex(0x9AD6F8);

void Desk(Canvas& canvas) {
    canvas.Fill(kDesk);
    // Polka dots on a staggered grid: lively, but too soft to compete with buttons.
    for (int32_t row = 0; row * 24 < kScreenHeight + 24; ++row) {
        for (int32_t column = 0; column * 24 < kScreenWidth + 24; ++column) {
            canvas.Circle(column * 24 + (row % 2) * 12, row * 24, 4);
        }
    }
    canvas.FillPath(kDeskDots);
}

void Mat(Canvas& canvas) {
    constexpr double kMargin = 10;
    canvas.RoundedBox(kPageLeft - kMargin + 3, kPageTop - kMargin + 4, kPageWidth + 2 * kMargin,
                      kPageHeight + 2 * kMargin, 16);
    canvas.FillPath(kDesk.Darker(0.8));
    canvas.RoundedBox(kPageLeft - kMargin, kPageTop - kMargin, kPageWidth + 2 * kMargin,
                      kPageHeight + 2 * kMargin, 16);
    canvas.FillAndOutline(Palette::kWhite, Palette::kInk, 3);
    cairo_t* context = canvas.Context();
    cairo_rectangle(context, kPageLeft - ScreenFrame::kRim, kPageTop - ScreenFrame::kRim,
                    kPageWidth + 2 * ScreenFrame::kRim, kPageHeight + 2 * ScreenFrame::kRim);
    canvas.FillPath(Palette::kInk);
    cairo_rectangle(context, kPageLeft, kPageTop, kPageWidth, kPageHeight);
    cairo_set_operator(context, CAIRO_OPERATOR_CLEAR);
    cairo_fill(context);
    cairo_set_operator(context, CAIRO_OPERATOR_OVER);
}

// The whole screen, drawn on first use: most pictures never need it.
std::optional<Canvas> g_playing;

Canvas DrawPlaying() {
    Canvas canvas(kScreenWidth, kScreenHeight);
    Desk(canvas);
    Mat(canvas);
    return canvas;
}

}  // namespace

const Canvas& ScreenFrame::Playing() {
    if (!g_playing) g_playing.emplace(DrawPlaying());
    return *g_playing;
}

Canvas ScreenFrame::Behind(int32_t x, int32_t y, int32_t width, int32_t height) {
    return Playing().Cropped(x, y, width, height);
}
