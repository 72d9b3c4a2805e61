// Page 7: outer space.

#include "content/themes/Themes.h"

#include <cairo.h>

#include <cstdint>
#include <tuple>
#include <utility>

#include "content/DesignKit.h"
#include "content/SceneKit.h"

namespace {

using namespace DesignKit;

void Rocket(Canvas& canvas, Colour body) {
    canvas.Polygon({40, 78, 50, 98, 60, 78});
    Solid(canvas, Palette::kOrange);
    canvas.Polygon({34, 56, 18, 84, 36, 80});
    canvas.Polygon({66, 56, 82, 84, 64, 80});
    Solid(canvas, Palette::kRed);
    cairo_t* context = canvas.Context();
    cairo_new_path(context);
    cairo_move_to(context, 50, 4);
    cairo_curve_to(context, 78, 24, 70, 70, 64, 82);
    cairo_line_to(context, 36, 82);
    cairo_curve_to(context, 30, 70, 22, 24, 50, 4);
    Solid(canvas, body);
    canvas.Circle(50, 40, 10);
    Solid(canvas, Palette::kPaleSky);
}

void Ufo(Canvas& canvas, Colour colour) {
    canvas.Ellipse(50, 40, 18, 20);
    Solid(canvas, Palette::kPaleSky);
    Face(canvas, 50, 38, 24);
    canvas.Ellipse(50, 58, 44, 14);
    Solid(canvas, colour);
    for (const double x : {24.0, 50.0, 76.0}) Dot(canvas, x, 60, 4, Palette::kSun);
}

void Planet(Canvas& canvas, Colour colour, bool ring) {
    canvas.Circle(50, 50, 30);
    Solid(canvas, colour);
    if (ring) {
        cairo_t* context = canvas.Context();
        cairo_save(context);
        cairo_translate(context, 50, 50);
        cairo_rotate(context, -0.3);
        cairo_scale(context, 1.0, 0.3);
        cairo_new_path(context);
        cairo_arc(context, 0, 0, 46, 0, kPi);
        cairo_restore(context);
        canvas.StrokePath(kInk, 10);
        cairo_save(context);
        cairo_translate(context, 50, 50);
        cairo_rotate(context, -0.3);
        cairo_scale(context, 1.0, 0.3);
        cairo_new_path(context);
        cairo_arc(context, 0, 0, 46, 0, kPi);
        cairo_restore(context);
        canvas.StrokePath(Palette::kSun, 4);
    } else {
        Dot(canvas, 38, 40, 7, colour.Darker(0.8));
        Dot(canvas, 62, 62, 5, colour.Darker(0.8));
    }
    Face(canvas, 50, 52, 30);
}

void Earth(Canvas& canvas) {
    canvas.Circle(50, 50, 38);
    Solid(canvas, Palette::kBlue);
    canvas.Polygon({28, 28, 46, 22, 50, 40, 36, 56, 24, 46});
    canvas.Polygon({58, 56, 76, 50, 80, 66, 62, 80});
    canvas.FillPath(Palette::kGreen);
    canvas.Circle(50, 50, 38);
    canvas.StrokePath(kInk, kOutline);
}

void Moon(Canvas& canvas, Colour colour) {
    cairo_t* context = canvas.Context();
    cairo_new_path(context);
    cairo_arc(context, 50, 50, 40, 0.35 * kPi, 1.65 * kPi);
    cairo_arc_negative(context, 66, 44, 30, 1.45 * kPi, 0.6 * kPi);
    cairo_close_path(context);
    Solid(canvas, colour);
    Eyes(canvas, 28, 46, 0, 4);
    Grin(canvas, 30, 64, 6);
}

void Astronaut(Canvas& canvas) {
    canvas.Circle(50, 50, 40);
    Solid(canvas, kWhite);
    canvas.RoundedBox(22, 30, 56, 42, 20);
    Solid(canvas, Palette::kNight);
    Face(canvas, 50, 52, 36);
    Dot(canvas, 32, 38, 4, kWhite);
}

// A tiny four-pointed twinkle: the far stars of the night.
void Twinkle(Canvas& canvas, double x, double y, double size) {
    canvas.Polygon({x, y - size, x + size * 0.25, y - size * 0.25, x + size, y, x + size * 0.25,
                    y + size * 0.25, x, y + size, x - size * 0.25, y + size * 0.25, x - size, y,
                    x - size * 0.25, y - size * 0.25});
    canvas.FillPath(Palette::kSun.Lighter(0.5));
}

void Scene(Canvas& canvas) {
    SceneKit::Sky(canvas, Colour::Hex(0x1B1F4B), Colour::Hex(0x3A2E7A), SceneKit::kHeight);
    // A soft glow of a far-away cloud of stars.
    for (const auto& [x, y, r] : {std::tuple{200.0, 420.0, 160.0}, {640.0, 150.0, 190.0}}) {
        canvas.Circle(x, y, r);
        cairo_set_source_rgba(canvas.Context(), 0.7, 0.5, 1.0, 0.12);
        cairo_fill(canvas.Context());
    }
    uint32_t seed = 7;
    for (int32_t dot = 0; dot < 140; ++dot) {
        seed = seed * 1103515245u + 12345u;
        const double x = (seed >> 8) % static_cast<uint32_t>(kPageWidth);
        seed = seed * 1103515245u + 12345u;
        const double y = (seed >> 8) % static_cast<uint32_t>(kPageHeight);
        DesignKit::Dot(canvas, x, y, 1.2 + dot % 3 * 0.6, Palette::kWhite);
    }
    for (const auto& [x, y] : {std::pair{120.0, 60.0},
                               {460.0, 40.0},
                               {300.0, 330.0},
                               {780.0, 300.0},
                               {660.0, 560.0},
                               {40.0, 520.0}}) {
        Twinkle(canvas, x, y, 12);
    }
}

}  // namespace

PageTheme Themes::Space() {
    return {"Outer space",
            Palette::kNight,
            Scene,
            {
                {"white rocket", With(Rocket, kWhite)},
                {"orange planet", With(Planet, Palette::kOrange, true)},
                {"earth", Earth},
                {"purple ufo", With(Ufo, Palette::kPurple)},
                {"red rocket", With(Rocket, Palette::kRed)},
                {"pink planet", With(Planet, Palette::kPink, false)},
                {"astronaut", Astronaut},
                {"moon", With(Moon, kLightGrey)},
                {"green ufo", With(Ufo, Palette::kGreen)},
                {"teal planet", With(Planet, kTeal, true)},
                {"yellow rocket", With(Rocket, Palette::kSun)},
                {"blue ufo", With(Ufo, Palette::kBlue)},
                {"purple planet", With(Planet, Palette::kPurple, false)},
                {"orange ufo", With(Ufo, Palette::kOrange)},
            }};
}
