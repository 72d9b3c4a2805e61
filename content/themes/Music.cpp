// Page 21: music.

#include "content/themes/Themes.h"

#include <cairo.h>

#include <cstdint>
#include <utility>

#include "content/DesignKit.h"
#include "content/SceneKit.h"

namespace {

using namespace DesignKit;

void Drum(Canvas& canvas) {
    Band(canvas, 60, 24, 88, 6, kTan, 4);
    canvas.Polygon({14, 40, 86, 40, 86, 84, 14, 84});
    Solid(canvas, Palette::kRed);
    for (double x = 14; x < 86; x += 18) Line(canvas, x, 42, x + 18, 82, Palette::kSun, 3);
    canvas.Ellipse(50, 40, 36, 12);
    Solid(canvas, kWhite);
}

void Trumpet(Canvas& canvas) {
    canvas.Polygon({60, 50, 94, 24, 94, 76});
    Solid(canvas, Palette::kSun);
    canvas.RoundedBox(10, 42, 56, 16, 6);
    Solid(canvas, Palette::kSun);
    for (const double x : {30.0, 42.0, 54.0}) {
        canvas.RoundedBox(x - 3, 28, 6, 14, 2);
        Solid(canvas, Palette::kOrange);
    }
}

void Guitar(Canvas& canvas) {
    Band(canvas, 56, 46, 88, 10, kDarkBrown, 8);
    canvas.RoundedBox(80, 2, 14, 16, 4);
    Solid(canvas, kDarkBrown);
    canvas.Circle(36, 76, 22);
    canvas.Circle(52, 54, 16);
    canvas.FillAndOutline(Palette::kOrange, kInk, kOutline);
    canvas.Circle(36, 76, 20);
    canvas.Circle(52, 54, 14);
    canvas.FillPath(Palette::kOrange);
    Dot(canvas, 42, 68, 7, kInk);
    Line(canvas, 30, 86, 86, 12, Palette::kCream, 1.5);
}

void Maracas(Canvas& canvas, Colour colour) {
    PairOf([&](double s) {
        Band(canvas, 50 + s * 6, 90, 50 + s * 20, 52, kTan, 6);
        canvas.Ellipse(50 + s * 24, 34, 16, 22);
        Solid(canvas, colour);
        for (const double y : {26.0, 40.0}) Dot(canvas, 50 + s * 24, y, 3.5, Palette::kSun);
    });
}

void Xylophone(Canvas& canvas) {
    const Colour bars[] = {Palette::kRed,   Palette::kOrange, Palette::kSun,
                           Palette::kGreen, Palette::kBlue,   Palette::kPurple};
    for (int32_t bar = 0; bar < 6; ++bar) {
        const double x = 10 + bar * 14;
        const double inset = bar * 3;
        canvas.RoundedBox(x, 20 + inset, 11, 62 - 2 * inset, 3);
        Solid(canvas, bars[bar]);
    }
    Band(canvas, 70, 92, 90, 62, kTan, 4);
    canvas.Circle(90, 60, 7);
    Solid(canvas, Palette::kRed);
}

// Two quavers joined by their beam.
void Notes(Canvas& canvas, Colour colour) {
    canvas.Polygon({34, 26, 84, 14, 84, 28, 34, 40});
    Solid(canvas, colour);
    for (const auto& [x, y] : {std::pair{34.0, 78.0}, {84.0, 66.0}}) {
        Band(canvas, x, y, x, y - 50, colour, 5);
        canvas.Ellipse(x - 10, y, 14, 10);
        Solid(canvas, colour);
    }
}

void Scene(Canvas& canvas) {
    // A little stage: curtains, boards and a spotlight's glow.
    canvas.Fill(Colour::Hex(0x5A3E8A));
    canvas.Circle(422, 330, 260);
    cairo_set_source_rgba(canvas.Context(), 1, 0.95, 0.7, 0.25);
    cairo_fill(canvas.Context());
    for (const double side : {0.0, 1.0}) {
        const double x = side * SceneKit::kWidth;
        const double inner = side == 0 ? 120 : SceneKit::kWidth - 120;
        canvas.Polygon({x, 0, inner + (side == 0 ? 40 : -40), 0, inner, 460, x, 460});
        canvas.FillAndOutline(Palette::kRed, kInk, 3);
    }
    canvas.Polygon({0, 0, SceneKit::kWidth, 0, SceneKit::kWidth, 50, 0, 50});
    canvas.FillAndOutline(Palette::kRed.Darker(0.85), kInk, 3);
    SceneKit::Box(canvas, -10, 460, 864, 140, Colour::Hex(0xC98B52));
    cairo_t* context = canvas.Context();
    for (double y = 490; y < SceneKit::kHeight; y += 34) {
        cairo_move_to(context, 0, y);
        cairo_line_to(context, SceneKit::kWidth, y);
    }
    canvas.StrokePath(Colour::Hex(0x9A6A45), 2);
}

}  // namespace

PageTheme Themes::Music() {
    return {"Music",
            Palette::kPurple,
            Scene,
            {
                {"drum", Drum},
                {"guitar", Guitar},
                {"red maracas", With(Maracas, Palette::kRed)},
                {"trumpet", Trumpet},
                {"xylophone", Xylophone},
                {"purple notes", With(Notes, Palette::kPurple)},
            }};
}
