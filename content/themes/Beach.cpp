// Page 12: the beach.

#include "content/themes/Themes.h"

#include <cairo.h>

#include <cstdint>
#include <utility>

#include "content/DesignKit.h"
#include "content/Motifs.h"
#include "content/SceneKit.h"

namespace {

using namespace DesignKit;

void Sandcastle(Canvas& canvas) {
    Line(canvas, 50, 4, 50, 26, kInk, 3);
    canvas.Polygon({50, 4, 66, 10, 50, 16});
    Solid(canvas, Palette::kRed);
    canvas.Polygon({14, 94, 14, 44, 30, 44, 30, 52, 40, 52, 40, 26,
                    60, 26, 60, 52, 70, 52, 70, 44, 86, 44, 86, 94});
    Solid(canvas, kTan);
    cairo_new_path(canvas.Context());
    cairo_arc(canvas.Context(), 50, 84, 10, kPi, 2 * kPi);
    cairo_line_to(canvas.Context(), 60, 94);
    cairo_line_to(canvas.Context(), 40, 94);
    cairo_close_path(canvas.Context());
    Solid(canvas, Palette::kBrown);
}

void BeachBall(Canvas& canvas, Colour first, Colour second) {
    canvas.Circle(50, 50, 40);
    Solid(canvas, kWhite);
    cairo_t* context = canvas.Context();
    for (int32_t segment = 0; segment < 6; segment += 2) {
        const double from = segment * kPi / 3;
        cairo_new_path(context);
        cairo_move_to(context, 50, 50);
        cairo_arc(context, 50, 50, 38, from, from + kPi / 3);
        cairo_close_path(context);
        canvas.FillPath(segment == 2 ? second : first);
    }
    canvas.Circle(50, 50, 40);
    canvas.StrokePath(kInk, kOutline);
    canvas.Circle(50, 50, 8);
    Solid(canvas, kWhite);
}

void IceCream(Canvas& canvas, Colour scoop) {
    canvas.Polygon({30, 50, 70, 50, 50, 96});
    Solid(canvas, kTan);
    Line(canvas, 38, 60, 58, 80, Palette::kBrown, 2);
    Line(canvas, 62, 60, 42, 80, Palette::kBrown, 2);
    canvas.Circle(50, 38, 22);
    Solid(canvas, scoop);
    Face(canvas, 50, 38, 30);
}

void Popsicle(Canvas& canvas, Colour colour) {
    canvas.RoundedBox(44, 66, 12, 30, 5);
    Solid(canvas, kTan);
    canvas.RoundedBox(28, 10, 44, 64, 20);
    Solid(canvas, colour);
    Face(canvas, 50, 42, 34);
}

void Bucket(Canvas& canvas) {
    cairo_new_path(canvas.Context());
    cairo_arc(canvas.Context(), 50, 34, 26, kPi, 2 * kPi);
    canvas.StrokePath(kInk, 4);
    canvas.Polygon({20, 34, 80, 34, 70, 90, 30, 90});
    Solid(canvas, Palette::kBlue);
    canvas.Star(50, 62, 14, 6, 5);
    Solid(canvas, Palette::kSun);
}

void Scene(Canvas& canvas) {
    SceneKit::Sky(canvas, Palette::kSky, Palette::kPaleSky, 200);
    Motifs::Sun(canvas, 770, 56, 30);
    SceneKit::Cloud(canvas, 420, 50, 34);
    canvas.VerticalGradient(0, 140, SceneKit::kWidth, 160, Colour::Hex(0x4FB6F0),
                            Colour::Hex(0x2E86D8));
    cairo_t* context = canvas.Context();
    cairo_move_to(context, 0, 140);
    cairo_line_to(context, SceneKit::kWidth, 140);
    canvas.StrokePath(kInk, 3);
    for (double x = 30; x < SceneKit::kWidth; x += 120) {
        cairo_move_to(context, x, 190 + (static_cast<int32_t>(x) % 240 == 30 ? 40 : 0));
        cairo_curve_to(context, x + 14, 180, x + 30, 180, x + 44, 190);
    }
    canvas.StrokePath(Palette::kWhite, 4);
    SceneKit::Ground(canvas, 290, Colour::Hex(0xFBE3A1), Colour::Hex(0xF2C96E));
    // A striped towel and a parasol's shade on the sand.
    canvas.RoundedBox(520, 500, 200, 70, 8);
    canvas.FillAndOutline(Palette::kPink, kInk, 3);
    for (const double x : {560.0, 620.0, 680.0}) {
        canvas.RoundedBox(x, 500, 20, 70, 0);
        canvas.FillPath(Palette::kWhite);
    }
    for (const auto& [x, y] : {std::pair{320.0, 560.0}, {180.0, 330.0}, {780.0, 330.0}}) {
        canvas.Ellipse(x, y, 10, 5);
        canvas.FillAndOutline(Colour::Hex(0xE0B060), kInk, 1.5);
    }
}

}  // namespace

PageTheme Themes::Beach() {
    return {"The beach",
            Palette::kSun,
            Scene,
            {
                {"sandcastle", Sandcastle},
                {"red beach ball", With(BeachBall, Palette::kRed, Palette::kBlue)},
                {"ice cream", With(IceCream, kSoftPink)},
                {"red popsicle", With(Popsicle, Palette::kRed)},
                {"bucket", Bucket},
                {"brown ice cream", With(IceCream, Colour::Hex(0xA8E6C8))},
                {"yellow beach ball", With(BeachBall, Palette::kSun, Palette::kGreen)},
            }};
}
