// Page 12: the beach.

#include "content/themes/Themes.h"

#include <cstdint>
#include <utility>

#include "content/DesignKit.h"
#include "content/Motifs.h"
#include "content/SceneKit.h"

namespace {

using namespace DesignKit;

void Sandcastle(Canvas& canvas) {
    Line(canvas, 50, 4, 50, 26, INK, 3);
    canvas.Polygon({50, 4, 66, 10, 50, 16});
    Solid(canvas, Palette::RED);
    canvas.Polygon({14, 94, 14, 44, 30, 44, 30, 52, 40, 52, 40, 26,
                    60, 26, 60, 52, 70, 52, 70, 44, 86, 44, 86, 94});
    Solid(canvas, TAN);
    cairo_new_path(canvas.Context());
    cairo_arc(canvas.Context(), 50, 84, 10, PI, 2 * PI);
    cairo_line_to(canvas.Context(), 60, 94);
    cairo_line_to(canvas.Context(), 40, 94);
    cairo_close_path(canvas.Context());
    Solid(canvas, Palette::BROWN);
}

void BeachBall(Canvas& canvas, Colour first, Colour second) {
    canvas.Circle(50, 50, 40);
    Solid(canvas, WHITE);
    cairo_t* context = canvas.Context();
    for (int32_t segment = 0; segment < 6; segment += 2) {
        const double from = segment * PI / 3;
        cairo_new_path(context);
        cairo_move_to(context, 50, 50);
        cairo_arc(context, 50, 50, 38, from, from + PI / 3);
        cairo_close_path(context);
        canvas.FillPath(segment == 2 ? second : first);
    }
    canvas.Circle(50, 50, 40);
    canvas.StrokePath(INK, OUTLINE);
    canvas.Circle(50, 50, 8);
    Solid(canvas, WHITE);
}

void IceCream(Canvas& canvas, Colour scoop) {
    canvas.Polygon({30, 50, 70, 50, 50, 96});
    Solid(canvas, TAN);
    Line(canvas, 38, 60, 58, 80, Palette::BROWN, 2);
    Line(canvas, 62, 60, 42, 80, Palette::BROWN, 2);
    canvas.Circle(50, 38, 22);
    Solid(canvas, scoop);
    Face(canvas, 50, 38, 30);
}

void Popsicle(Canvas& canvas, Colour colour) {
    canvas.RoundedBox(44, 66, 12, 30, 5);
    Solid(canvas, TAN);
    canvas.RoundedBox(28, 10, 44, 64, 20);
    Solid(canvas, colour);
    Face(canvas, 50, 42, 34);
}

void Bucket(Canvas& canvas) {
    cairo_new_path(canvas.Context());
    cairo_arc(canvas.Context(), 50, 34, 26, PI, 2 * PI);
    canvas.StrokePath(INK, 4);
    canvas.Polygon({20, 34, 80, 34, 70, 90, 30, 90});
    Solid(canvas, Palette::BLUE);
    canvas.Star(50, 62, 14, 6, 5);
    Solid(canvas, Palette::SUN);
}

void Scene(Canvas& canvas) {
    SceneKit::Sky(canvas, Palette::SKY, Palette::PALE_SKY, 200);
    Motifs::Sun(canvas, 770, 56, 30);
    SceneKit::Cloud(canvas, 420, 50, 34);
    canvas.VerticalGradient(0, 140, SceneKit::WIDTH, 160, Colour::Hex(0x4FB6F0),
                            Colour::Hex(0x2E86D8));
    cairo_t* context = canvas.Context();
    cairo_move_to(context, 0, 140);
    cairo_line_to(context, SceneKit::WIDTH, 140);
    canvas.StrokePath(INK, 3);
    for (double x = 30; x < SceneKit::WIDTH; x += 120) {
        cairo_move_to(context, x, 190 + (static_cast<int32_t>(x) % 240 == 30 ? 40 : 0));
        cairo_curve_to(context, x + 14, 180, x + 30, 180, x + 44, 190);
    }
    canvas.StrokePath(Palette::WHITE, 4);
    SceneKit::Ground(canvas, 290, Colour::Hex(0xFBE3A1), Colour::Hex(0xF2C96E));
    // A striped towel and a parasol's shade on the sand.
    canvas.RoundedBox(520, 500, 200, 70, 8);
    canvas.FillAndOutline(Palette::PINK, INK, 3);
    for (const double x : {560.0, 620.0, 680.0}) {
        canvas.RoundedBox(x, 500, 20, 70, 0);
        canvas.FillPath(Palette::WHITE);
    }
    for (const auto& [x, y] : {std::pair{320.0, 560.0}, {180.0, 330.0}, {780.0, 330.0}}) {
        canvas.Ellipse(x, y, 10, 5);
        canvas.FillAndOutline(Colour::Hex(0xE0B060), INK, 1.5);
    }
}

}  // namespace

PageTheme Themes::Beach() {
    return {"The beach",
            Palette::SUN,
            Scene,
            {
                Sandcastle,
                With(BeachBall, Palette::RED, Palette::BLUE),
                With(IceCream, SOFT_PINK),
                With(Popsicle, Palette::RED),
                Bucket,
                With(IceCream, Colour::Hex(0xA8E6C8)),
                With(BeachBall, Palette::SUN, Palette::GREEN),
            }};
}
