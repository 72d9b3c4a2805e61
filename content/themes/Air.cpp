// Page 19: up in the air.

#include "content/themes/Themes.h"

#include <cairo.h>

#include <tuple>

#include "content/DesignKit.h"
#include "content/SceneKit.h"

namespace {

using namespace DesignKit;

void Plane(Canvas& canvas, Colour body) {
    canvas.Polygon({44, 50, 30, 86, 46, 86, 64, 50});
    Solid(canvas, body.Darker(0.8));
    canvas.Polygon({10, 30, 20, 30, 30, 46, 14, 50});
    Solid(canvas, body);
    canvas.Ellipse(52, 48, 42, 13);
    Solid(canvas, kWhite);
    for (const double x : {44.0, 56.0, 68.0}) Dot(canvas, x, 46, 4, Palette::kBlue);
    canvas.Polygon({44, 46, 34, 14, 50, 14, 62, 46});
    Solid(canvas, body);
}

void Helicopter(Canvas& canvas) {
    Band(canvas, 14, 14, 86, 14, kInk, 3);
    Line(canvas, 50, 14, 50, 30, kInk, 4);
    Band(canvas, 50, 52, 92, 44, Palette::kOrange, 7);
    canvas.Circle(44, 54, 26);
    Solid(canvas, Palette::kOrange);
    canvas.Circle(36, 50, 12);
    Solid(canvas, Palette::kPaleSky);
    Band(canvas, 24, 88, 66, 88, kInk, 3);
}

void Balloon(Canvas& canvas, Colour colour) {
    Band(canvas, 40, 72, 60, 72, kDarkBrown, 2);
    Line(canvas, 34, 54, 42, 76, kInk, 2);
    Line(canvas, 66, 54, 58, 76, kInk, 2);
    canvas.RoundedBox(38, 74, 24, 20, 4);
    Solid(canvas, Palette::kBrown);
    canvas.Ellipse(50, 34, 32, 30);
    Solid(canvas, colour);
    canvas.Ellipse(50, 34, 12, 30);
    Solid(canvas, colour.Lighter(0.5));
}

void Scene(Canvas& canvas) {
    SceneKit::Sky(canvas, Colour::Hex(0x6EC3FF), Colour::Hex(0xE2F4FF), SceneKit::kHeight);
    for (const auto& [x, y, size] : {std::tuple{120.0, 150.0, 50.0},
                                     {520.0, 70.0, 40.0},
                                     {770.0, 240.0, 46.0},
                                     {380.0, 380.0, 36.0},
                                     {60.0, 420.0, 30.0}}) {
        SceneKit::Cloud(canvas, x, y, size);
    }
    // Far below: fields like a patchwork, seen from high up.
    SceneKit::Ground(canvas, 520, Palette::kGrass, Palette::kDarkGrass);
    cairo_t* context = canvas.Context();
    for (const double x : {140.0, 330.0, 560.0, 720.0}) {
        cairo_move_to(context, x, 525);
        cairo_line_to(context, x - 30, SceneKit::kHeight);
    }
    canvas.StrokePath(Palette::kDarkGrass, 3);
}

}  // namespace

PageTheme Themes::Air() {
    return {"Up in the air",
            Palette::kSky,
            Scene,
            {
                {"red plane", With(Plane, Palette::kRed)},
                {"red balloon", With(Balloon, Palette::kRed)},
                {"helicopter", Helicopter},
                {"blue plane", With(Plane, Palette::kBlue)},
                {"blue balloon", With(Balloon, Palette::kBlue)},
                {"green plane", With(Plane, Palette::kGreen)},
                {"yellow balloon", With(Balloon, Palette::kSun)},
                {"helicopter", Helicopter},
                {"purple plane", With(Plane, Palette::kPurple)},
                {"green balloon", With(Balloon, Palette::kGreen)},
            }};
}
