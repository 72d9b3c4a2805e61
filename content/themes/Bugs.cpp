// Page 16: little creatures.

#include "content/themes/Themes.h"

#include <cairo.h>

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
        Dot(canvas, 50 + side * 24, 34, 7, kWhite);
        Line(canvas, 50 + side * 3, 22, 50 + side * 12, 6, kInk, 3);
    }
    canvas.Ellipse(50, 52, 7, 30);
    Solid(canvas, kInk);
}

void Ladybird(Canvas& canvas) {
    canvas.Circle(50, 24, 14);
    Solid(canvas, kInk);
    canvas.Circle(50, 58, 34);
    Solid(canvas, Palette::kRed);
    Line(canvas, 50, 26, 50, 92, kInk, 3);
    for (const auto& [x, y] : {std::pair{34.0, 48.0}, {66.0, 48.0}, {36.0, 72.0}, {64.0, 72.0}})
        Dot(canvas, x, y, 6, kInk);
    Eyes(canvas, 50, 20, 12, 3);
    Dot(canvas, 44, 18, 1.5, kWhite);
}

void Bee(Canvas& canvas) {
    for (const double x : {38.0, 58.0}) {
        canvas.Ellipse(x, 26, 12, 16);
        Solid(canvas, Palette::kPaleSky);
    }
    canvas.Ellipse(50, 58, 38, 28);
    Solid(canvas, Palette::kSun);
    for (const double x : {50.0, 70.0}) Line(canvas, x, 34, x, 82, kInk, 8);
    canvas.Polygon({86, 56, 98, 58, 86, 62});
    Solid(canvas, kInk);
    Face(canvas, 28, 58, 30);
}

void Snail(Canvas& canvas) {
    canvas.RoundedBox(8, 72, 84, 16, 8);
    Solid(canvas, Palette::kPink.Lighter(0.3));
    canvas.Circle(58, 50, 30);
    Solid(canvas, Palette::kOrange);
    cairo_t* context = canvas.Context();
    cairo_new_path(context);
    for (double angle = 0; angle < 4 * kPi; angle += 0.2) {
        cairo_line_to(context, 58 + std::cos(angle) * angle * 2, 50 + std::sin(angle) * angle * 2);
    }
    canvas.StrokePath(kInk, 3);
    Line(canvas, 16, 72, 10, 50, kInk, 3);
    Line(canvas, 22, 72, 26, 50, kInk, 3);
    Dot(canvas, 10, 50, 4, kInk);
    Dot(canvas, 26, 50, 4, kInk);
}

void Caterpillar(Canvas& canvas) {
    for (int32_t part = 4; part >= 0; --part) {
        canvas.Circle(82 - part * 15, 64 - (part % 2) * 6, 13);
        Solid(canvas, part % 2 == 0 ? kLime : Palette::kGreen);
    }
    canvas.Circle(20, 48, 16);
    Solid(canvas, kLime);
    Line(canvas, 14, 34, 8, 20, kInk, 3);
    Line(canvas, 26, 34, 30, 20, kInk, 3);
    Face(canvas, 20, 48, 26);
}

void Worm(Canvas& canvas) {
    cairo_t* context = canvas.Context();
    for (const auto& [colour, width] : {std::pair{kInk, 22.0}, {Palette::kPink, 14.0}}) {
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
        canvas.FillAndOutline(Palette::kPaleSky, kInk, 3);
    }
    canvas.RoundedBox(44, 24, 12, 72, 6);
    Solid(canvas, kTeal);
    canvas.Circle(50, 18, 11);
    Solid(canvas, kTeal);
    Eyes(canvas, 50, 17, 10, 3);
}

// A tall stem of grass bending from the ground.
void Blade(Canvas& canvas, double x, double height, double lean) {
    cairo_t* context = canvas.Context();
    for (const auto& [ink, width] : {std::pair{kInk, 12.0}, {Palette::kGrass, 7.0}}) {
        cairo_move_to(context, x, SceneKit::kHeight + 4);
        cairo_curve_to(context, x, SceneKit::kHeight - height * 0.5, x + lean * 0.5,
                       SceneKit::kHeight - height * 0.8, x + lean, SceneKit::kHeight - height);
        canvas.StrokePath(ink, width);
    }
}

void Scene(Canvas& canvas) {
    SceneKit::Sky(canvas, Colour::Hex(0xCDEBFF), Colour::Hex(0xF1FAE6), SceneKit::kHeight);
    SceneKit::Cloud(canvas, 300, 50, 36);
    SceneKit::Ground(canvas, 460, Palette::kGrass, Palette::kDarkGrass);
    for (const auto& [x, height, lean] : {std::tuple{40.0, 420.0, 30.0},
                                          {120.0, 300.0, -20.0},
                                          {470.0, 380.0, 40.0},
                                          {600.0, 260.0, -30.0},
                                          {810.0, 440.0, -40.0},
                                          {300.0, 200.0, 20.0}}) {
        Blade(canvas, x, height, lean);
    }
    // A big leaf and a log where little creatures live.
    DesignKit::Leaf(canvas, 560, 120, 130, 0.3, Palette::kGreen.Lighter(0.2));
    canvas.RoundedBox(520, 520, 220, 60, 28);
    canvas.FillAndOutline(Colour::Hex(0xB9773E), kInk, 3);
    canvas.Ellipse(740, 550, 20, 30);
    canvas.FillAndOutline(Colour::Hex(0xE9C28F), kInk, 3);
}

}  // namespace

PageTheme Themes::Bugs() {
    return {"Little creatures",
            Palette::kGreen,
            Scene,
            {
                {"blue butterfly", With(Butterfly, Palette::kBlue)},
                {"ladybird", Ladybird},
                {"bee", Bee},
                {"snail", Snail},
                {"caterpillar", Caterpillar},
                {"orange butterfly", With(Butterfly, Palette::kOrange)},
                {"worm", Worm},
                {"dragonfly", Dragonfly},
                {"pink butterfly", With(Butterfly, Palette::kPink)},
            }};
}
