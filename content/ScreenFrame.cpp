#include "content/ScreenFrame.h"

#include "content/Palette.h"

namespace {

const Colour DESK = Colour::Hex(0x7CC6F2);
const Colour DESK_DOTS = Colour::Hex(0x9AD6F8);

void Desk(Canvas& canvas) {
    canvas.Fill(DESK);
    // Polka dots on a staggered grid: lively, but too soft to compete with buttons.
    for (int32_t row = 0; row * 24 < ScreenFrame::kScreenHeight + 24; ++row) {
        for (int32_t column = 0; column * 24 < ScreenFrame::kScreenWidth + 24; ++column) {
            canvas.Circle(column * 24 + (row % 2) * 12, row * 24, 4);
        }
    }
    canvas.FillPath(DESK_DOTS);
}

void Mat(Canvas& canvas) {
    constexpr double MARGIN = 10;
    canvas.RoundedBox(ScreenFrame::PAGE_X - MARGIN + 3, ScreenFrame::PAGE_Y - MARGIN + 4,
                      ScreenFrame::PAGE_WIDTH + 2 * MARGIN, ScreenFrame::PAGE_HEIGHT + 2 * MARGIN,
                      16);
    canvas.FillPath(DESK.Darker(0.8));
    canvas.RoundedBox(ScreenFrame::PAGE_X - MARGIN, ScreenFrame::PAGE_Y - MARGIN,
                      ScreenFrame::PAGE_WIDTH + 2 * MARGIN, ScreenFrame::PAGE_HEIGHT + 2 * MARGIN,
                      16);
    canvas.FillAndOutline(Palette::WHITE, Palette::INK, 3);
    cairo_t* context = canvas.Context();
    cairo_rectangle(context, ScreenFrame::PAGE_X - ScreenFrame::RIM,
                    ScreenFrame::PAGE_Y - ScreenFrame::RIM,
                    ScreenFrame::PAGE_WIDTH + 2 * ScreenFrame::RIM,
                    ScreenFrame::PAGE_HEIGHT + 2 * ScreenFrame::RIM);
    canvas.FillPath(Palette::INK);
    cairo_rectangle(context, ScreenFrame::PAGE_X, ScreenFrame::PAGE_Y, ScreenFrame::PAGE_WIDTH,
                    ScreenFrame::PAGE_HEIGHT);
    cairo_set_operator(context, CAIRO_OPERATOR_CLEAR);
    cairo_fill(context);
    cairo_set_operator(context, CAIRO_OPERATOR_OVER);
}

}  // namespace

const Canvas& ScreenFrame::Playing() {
    static const Canvas screen = [] {
        Canvas canvas(kScreenWidth, kScreenHeight);
        Desk(canvas);
        Mat(canvas);
        return canvas;
    }();
    return screen;
}

Canvas ScreenFrame::Behind(int32_t x, int32_t y, int32_t width, int32_t height) {
    return Playing().Cropped(x, y, width, height);
}
