// Page 8: rain and wind.

#include "content/themes/Themes.h"

#include <cairo.h>

#include <tuple>
#include <utility>

#include "content/DesignKit.h"
#include "content/SceneKit.h"

namespace {

using namespace DesignKit;

void Cloud(Canvas& canvas, bool rain) {
    if (rain) {
        for (const double x : {32.0, 50.0, 68.0}) {
            canvas.Heart(x, 84, 12);
            Solid(canvas, Palette::kBlue);
        }
    }
    for (const auto& [x, y, r] :
         {std::tuple{28.0, 56.0, 16.0}, {50.0, 44.0, 22.0}, {72.0, 56.0, 16.0}}) {
        canvas.Circle(x, y, r);
        Solid(canvas, rain ? kLightGrey : kWhite);
    }
    canvas.RoundedBox(24, 50, 52, 22, 11);
    Solid(canvas, rain ? kLightGrey : kWhite);
    canvas.Circle(28, 56, 14);
    canvas.Circle(50, 44, 20);
    canvas.Circle(72, 56, 14);
    canvas.FillPath(rain ? kLightGrey : kWhite);
    Face(canvas, 50, 56, 30);
}

void RainbowArc(Canvas& canvas) {
    const Colour bands[] = {Palette::kRed, Palette::kOrange, Palette::kSun, Palette::kGreen,
                            Palette::kBlue};
    cairo_t* context = canvas.Context();
    cairo_new_path(context);
    cairo_arc(context, 50, 80, 44, kPi, 2 * kPi);
    canvas.StrokePath(kInk, 4);
    for (size_t band = 0; band < std::size(bands); ++band) {
        cairo_new_path(context);
        cairo_arc(context, 50, 80, 40 - static_cast<double>(band) * 6.5, kPi, 2 * kPi);
        canvas.StrokePath(bands[band], 7);
    }
    for (const double x : {12.0, 88.0}) {
        canvas.Circle(x, 80, 12);
        Solid(canvas, kWhite);
    }
}

void Lightning(Canvas& canvas) {
    canvas.Polygon({58, 4, 22, 56, 46, 56, 36, 96, 80, 38, 54, 38});
    Solid(canvas, Palette::kSun);
}

void Umbrella(Canvas& canvas, Colour colour) {
    Band(canvas, 50, 40, 50, 84, kInk, 2);
    cairo_new_path(canvas.Context());
    cairo_arc(canvas.Context(), 60, 84, 10, 0, kPi);
    canvas.StrokePath(kInk, 5);
    cairo_new_path(canvas.Context());
    cairo_arc(canvas.Context(), 50, 50, 42, kPi, 2 * kPi);
    cairo_close_path(canvas.Context());
    Solid(canvas, colour);
    Line(canvas, 50, 8, 36, 50, kInk, 3);
    Line(canvas, 50, 8, 64, 50, kInk, 3);
}

void Kite(Canvas& canvas, Colour colour) {
    cairo_move_to(canvas.Context(), 50, 84);
    cairo_curve_to(canvas.Context(), 30, 90, 60, 96, 40, 98);
    canvas.StrokePath(kInk, 3);
    canvas.Polygon({50, 4, 82, 36, 50, 86, 18, 36});
    Solid(canvas, colour);
    Line(canvas, 50, 4, 50, 86, kInk, 2.5);
    Line(canvas, 18, 36, 82, 36, kInk, 2.5);
}

// A curl of wind.
void Gust(Canvas& canvas, double x, double y) {
    cairo_t* context = canvas.Context();
    cairo_move_to(context, x, y);
    cairo_curve_to(context, x + 60, y - 10, x + 110, y + 10, x + 130, y - 14);
    cairo_curve_to(context, x + 146, y - 36, x + 116, y - 46, x + 108, y - 28);
    canvas.StrokePath(Palette::kWhite, 5);
}

void Scene(Canvas& canvas) {
    SceneKit::Sky(canvas, Colour::Hex(0x9FC4E8), Colour::Hex(0xE4F1FB), SceneKit::kHeight);
    SceneKit::Hill(canvas, 180, 420, 320, 110, Palette::kGrass.Lighter(0.2));
    SceneKit::Hill(canvas, 700, 430, 300, 100, Palette::kDarkGrass.Lighter(0.3));
    SceneKit::Ground(canvas, 470, Palette::kGrass, Palette::kDarkGrass);
    for (const auto& [x, y] :
         {std::pair{240.0, 130.0}, {520.0, 90.0}, {40.0, 360.0}, {560.0, 400.0}}) {
        Gust(canvas, x, y);
    }
    // Puddles after the rain.
    for (const auto& [x, y, w] :
         {std::tuple{160.0, 540.0, 70.0}, {520.0, 560.0, 90.0}, {760.0, 520.0, 50.0}}) {
        canvas.Ellipse(x, y, w, 14);
        canvas.FillAndOutline(Palette::kSky, kInk, 2.5);
    }
}

}  // namespace

PageTheme Themes::Weather() {
    return {"Rain and wind",
            Palette::kSky,
            Scene,
            {
                {"cloud", With(Cloud, false)},
                {"cloud", With(Cloud, true)},
                {"rainbow arc", RainbowArc},
                {"lightning", Lightning},
                {"red umbrella", With(Umbrella, Palette::kRed)},
                {"orange kite", With(Kite, Palette::kOrange)},
                {"purple umbrella", With(Umbrella, Palette::kPurple)},
                {"green kite", With(Kite, Palette::kGreen)},
            }};
}
