// Page 16: little creatures.

#include "content/themes/Themes.h"

#include <cmath>
#include <cstdint>
#include <tuple>
#include <utility>

#include "content/DesignKit.h"
#include "content/SceneKit.h"

namespace {

using namespace DesignKit;

void Butterfly(Canvas& canvas, Colour wings) {
    for (const double side : {-1.0, 1.0}) {
        canvas.Ellipse(50 + side * 22, 34, 22, 20);
        Solid(canvas, wings);
        canvas.Ellipse(50 + side * 18, 68, 16, 16);
        Solid(canvas, wings.Darker(0.85));
        Dot(canvas, 50 + side * 24, 34, 7, WHITE);
        Line(canvas, 50 + side * 3, 22, 50 + side * 12, 6, INK, 3);
    }
    canvas.Ellipse(50, 52, 7, 30);
    Solid(canvas, INK);
}

void Ladybird(Canvas& canvas) {
    canvas.Circle(50, 24, 14);
    Solid(canvas, INK);
    canvas.Circle(50, 58, 34);
    Solid(canvas, Palette::RED);
    Line(canvas, 50, 26, 50, 92, INK, 3);
    for (const auto& [x, y] : {std::pair{34.0, 48.0}, {66.0, 48.0}, {36.0, 72.0}, {64.0, 72.0}})
        Dot(canvas, x, y, 6, INK);
    Eyes(canvas, 50, 20, 12, 3);
    Dot(canvas, 44, 18, 1.5, WHITE);
}

void Bee(Canvas& canvas) {
    for (const double x : {38.0, 58.0}) {
        canvas.Ellipse(x, 26, 12, 16);
        Solid(canvas, Palette::PALE_SKY);
    }
    canvas.Ellipse(50, 58, 38, 28);
    Solid(canvas, Palette::SUN);
    for (const double x : {50.0, 70.0}) Line(canvas, x, 34, x, 82, INK, 8);
    canvas.Polygon({86, 56, 98, 58, 86, 62});
    Solid(canvas, INK);
    Face(canvas, 28, 58, 30);
}

void Snail(Canvas& canvas) {
    canvas.RoundedBox(8, 72, 84, 16, 8);
    Solid(canvas, Palette::PINK.Lighter(0.3));
    canvas.Circle(58, 50, 30);
    Solid(canvas, Palette::ORANGE);
    cairo_t* context = canvas.Context();
    cairo_new_path(context);
    for (double angle = 0; angle < 4 * PI; angle += 0.2) {
        cairo_line_to(context, 58 + std::cos(angle) * angle * 2, 50 + std::sin(angle) * angle * 2);
    }
    canvas.StrokePath(INK, 3);
    Line(canvas, 16, 72, 10, 50, INK, 3);
    Line(canvas, 22, 72, 26, 50, INK, 3);
    Dot(canvas, 10, 50, 4, INK);
    Dot(canvas, 26, 50, 4, INK);
}

void Caterpillar(Canvas& canvas) {
    for (int32_t part = 4; part >= 0; --part) {
        canvas.Circle(82 - part * 15, 64 - (part % 2) * 6, 13);
        Solid(canvas, part % 2 == 0 ? LIME : Palette::GREEN);
    }
    canvas.Circle(20, 48, 16);
    Solid(canvas, LIME);
    Line(canvas, 14, 34, 8, 20, INK, 3);
    Line(canvas, 26, 34, 30, 20, INK, 3);
    Face(canvas, 20, 48, 26);
}

void Worm(Canvas& canvas) {
    cairo_t* context = canvas.Context();
    for (const auto& [colour, width] : {std::pair{INK, 22.0}, {Palette::PINK, 14.0}}) {
        cairo_move_to(context, 80, 80);
        cairo_curve_to(context, 60, 50, 40, 100, 24, 60);
        cairo_curve_to(context, 18, 44, 24, 36, 30, 30);
        canvas.StrokePath(colour, width);
    }
    Eyes(canvas, 30, 28, 8, 2.4);
}

void Dragonfly(Canvas& canvas) {
    for (const double side : {-1.0, 1.0}) {
        canvas.Ellipse(50 + side * 24, 30, 22, 9);
        canvas.Ellipse(50 + side * 22, 50, 20, 8);
        canvas.FillAndOutline(Palette::PALE_SKY, INK, 3);
    }
    canvas.RoundedBox(44, 24, 12, 72, 6);
    Solid(canvas, TEAL);
    canvas.Circle(50, 18, 11);
    Solid(canvas, TEAL);
    Eyes(canvas, 50, 17, 10, 3);
}

// A tall stem of grass bending from the ground.
void Blade(Canvas& canvas, double x, double height, double lean) {
    cairo_t* context = canvas.Context();
    for (const auto& [ink, width] : {std::pair{INK, 12.0}, {Palette::GRASS, 7.0}}) {
        cairo_move_to(context, x, SceneKit::HEIGHT + 4);
        cairo_curve_to(context, x, SceneKit::HEIGHT - height * 0.5, x + lean * 0.5,
                       SceneKit::HEIGHT - height * 0.8, x + lean, SceneKit::HEIGHT - height);
        canvas.StrokePath(ink, width);
    }
}

void Scene(Canvas& canvas) {
    SceneKit::Sky(canvas, Colour::Hex(0xCDEBFF), Colour::Hex(0xF1FAE6), SceneKit::HEIGHT);
    SceneKit::Cloud(canvas, 300, 50, 36);
    SceneKit::Ground(canvas, 460, Palette::GRASS, Palette::DARK_GRASS);
    for (const auto& [x, height, lean] : {std::tuple{40.0, 420.0, 30.0},
                                          {120.0, 300.0, -20.0},
                                          {470.0, 380.0, 40.0},
                                          {600.0, 260.0, -30.0},
                                          {810.0, 440.0, -40.0},
                                          {300.0, 200.0, 20.0}}) {
        Blade(canvas, x, height, lean);
    }
    // A big leaf and a log where little creatures live.
    DesignKit::Leaf(canvas, 560, 120, 130, 0.3, Palette::GREEN.Lighter(0.2));
    canvas.RoundedBox(520, 520, 220, 60, 28);
    canvas.FillAndOutline(Colour::Hex(0xB9773E), INK, 3);
    canvas.Ellipse(740, 550, 20, 30);
    canvas.FillAndOutline(Colour::Hex(0xE9C28F), INK, 3);
}

}  // namespace

PageTheme Themes::Bugs() {
    return {"Little creatures",
            Palette::GREEN,
            Scene,
            {
                With(Butterfly, Palette::BLUE),
                Ladybird,
                Bee,
                Snail,
                Caterpillar,
                With(Butterfly, Palette::ORANGE),
                Worm,
                Dragonfly,
                With(Butterfly, Palette::PINK),
            }};
}
