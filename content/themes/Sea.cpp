// Page 14: under the sea.

#include "content/themes/Themes.h"

#include <cairo.h>

#include <cstdint>
#include <tuple>
#include <utility>

#include "content/DesignKit.h"
#include "content/Motifs.h"
#include "content/SceneKit.h"

namespace {

using namespace DesignKit;
using SceneKit::kHeight;
using SceneKit::kWidth;

void Fish(Canvas& canvas, Colour body, bool stripes) {
    canvas.Polygon({66, 50, 94, 28, 94, 72});
    Solid(canvas, body.Darker(0.85));
    canvas.Ellipse(46, 50, 36, 26);
    Solid(canvas, body);
    if (stripes) {
        for (const double x : {42.0, 58.0}) {
            cairo_new_path(canvas.Context());
            cairo_arc(canvas.Context(), x - 30, 50, 34, -0.5, 0.5);
            canvas.StrokePath(kWhite, 5);
        }
    }
    canvas.Polygon({40, 26, 56, 14, 60, 28});
    Solid(canvas, body.Darker(0.85));
    Dot(canvas, 24, 44, 6, kInk);
    Dot(canvas, 22, 42, 2, kWhite);
    Grin(canvas, 22, 60, 6);
}

void Jellyfish(Canvas& canvas) {
    cairo_t* context = canvas.Context();
    for (const double x : {30.0, 44.0, 58.0, 72.0}) {
        cairo_move_to(context, x, 50);
        cairo_curve_to(context, x - 8, 64, x + 8, 78, x, 94);
    }
    canvas.StrokePath(Palette::kPurple, 4);
    cairo_new_path(context);
    cairo_arc(context, 50, 52, 32, kPi, 2 * kPi);
    cairo_close_path(context);
    Solid(canvas, Palette::kPink);
    Face(canvas, 50, 38, 34);
}

void Boat(Canvas& canvas, Colour hull, Colour sail) {
    Line(canvas, 50, 10, 50, 66, kInk, 4);
    canvas.Polygon({54, 12, 54, 60, 86, 60});
    Solid(canvas, sail);
    canvas.Polygon({46, 18, 46, 60, 20, 60});
    Solid(canvas, kWhite);
    canvas.Polygon({8, 66, 92, 66, 78, 88, 22, 88});
    Solid(canvas, hull);
}

void Whale(Canvas& canvas) {
    cairo_t* context = canvas.Context();
    Band(canvas, 30, 24, 26, 8, Palette::kPaleSky, 4);
    Band(canvas, 30, 24, 36, 8, Palette::kPaleSky, 4);
    canvas.Polygon({80, 54, 98, 34, 96, 60});
    Solid(canvas, Palette::kBlue);
    cairo_new_path(context);
    cairo_move_to(context, 4, 60);
    cairo_curve_to(context, 4, 20, 70, 20, 86, 56);
    cairo_curve_to(context, 70, 90, 10, 90, 4, 60);
    Solid(canvas, Palette::kBlue);
    canvas.Ellipse(34, 72, 24, 10);
    canvas.FillPath(Palette::kPaleSky);
    Eyes(canvas, 26, 50, 0, 4);
    Grin(canvas, 20, 66, 7);
}

void Octopus(Canvas& canvas) {
    cairo_t* context = canvas.Context();
    for (int32_t leg = 0; leg < 5; ++leg) {
        const double x = 22 + leg * 14;
        cairo_move_to(context, x, 56);
        cairo_curve_to(context, x - 8, 74, x + 10, 84, x + 2, 94);
    }
    canvas.StrokePath(kInk, 13);
    for (int32_t leg = 0; leg < 5; ++leg) {
        const double x = 22 + leg * 14;
        cairo_move_to(context, x, 56);
        cairo_curve_to(context, x - 8, 74, x + 10, 84, x + 2, 94);
    }
    canvas.StrokePath(Palette::kPurple, 6);
    canvas.Ellipse(50, 42, 32, 30);
    Solid(canvas, Palette::kPurple);
    Face(canvas, 50, 46, 40);
}

void Turtle(Canvas& canvas) {
    for (const auto& [x, y] : {std::pair{24.0, 72.0}, {76.0, 72.0}, {26.0, 38.0}, {74.0, 38.0}}) {
        canvas.Ellipse(x, y, 10, 8);
        Solid(canvas, kLime);
    }
    canvas.Circle(88, 52, 11);
    Solid(canvas, kLime);
    Eyes(canvas, 90, 50, 0, 2.8);
    canvas.Ellipse(50, 54, 34, 26);
    Solid(canvas, Palette::kGreen);
    canvas.Polygon({50, 38, 62, 46, 62, 62, 50, 70, 38, 62, 38, 46});
    Solid(canvas, Palette::kDarkGrass);
}

void Seahorse(Canvas& canvas) {
    cairo_t* context = canvas.Context();
    cairo_new_path(context);
    cairo_move_to(context, 40, 20);
    cairo_curve_to(context, 72, 20, 72, 50, 56, 62);
    cairo_curve_to(context, 44, 72, 52, 92, 66, 86);
    canvas.StrokePath(kInk, 22);
    cairo_move_to(context, 40, 20);
    cairo_curve_to(context, 72, 20, 72, 50, 56, 62);
    cairo_curve_to(context, 44, 72, 52, 92, 66, 86);
    canvas.StrokePath(Palette::kOrange, 14);
    canvas.Circle(44, 22, 14);
    Solid(canvas, Palette::kOrange);
    canvas.RoundedBox(16, 24, 20, 9, 4);
    Solid(canvas, Palette::kOrange);
    Eyes(canvas, 46, 20, 0, 3.5);
}

void Crab(Canvas& canvas) {
    for (const double side : {-1.0, 1.0}) {
        Band(canvas, 50 + side * 26, 62, 50 + side * 40, 80, Palette::kRed, 4);
        Band(canvas, 50 + side * 26, 50, 50 + side * 36, 30, Palette::kRed, 5);
        canvas.Circle(50 + side * 36, 24, 10);
        Solid(canvas, Palette::kRed);
        canvas.Polygon({50 + side * 36, 24, 50 + side * 30, 12, 50 + side * 42, 12});
        canvas.FillPath(kWhite);
    }
    canvas.Ellipse(50, 62, 30, 20);
    Solid(canvas, Palette::kRed);
    Face(canvas, 50, 62, 30);
}

void Starfish(Canvas& canvas) {
    canvas.Star(50, 54, 46, 20, 5);
    Solid(canvas, Palette::kOrange);
    Face(canvas, 50, 56, 30);
}

void Seaweed(Canvas& canvas, double x, double height, Colour colour) {
    cairo_t* context = canvas.Context();
    for (const auto& [ink, width] : {std::pair{Palette::kInk, 18.0}, {colour, 11.0}}) {
        cairo_move_to(context, x, kHeight);
        cairo_curve_to(context, x - 24, kHeight - height * 0.3, x + 24, kHeight - height * 0.6, x,
                       kHeight - height);
        canvas.StrokePath(ink, width);
    }
}

void Scene(Canvas& canvas) {
    canvas.VerticalGradient(0, 0, kWidth, 100, Palette::kPaleSky, Palette::kSky);
    Motifs::Sun(canvas, 56, 44, 26);
    SceneKit::Cloud(canvas, 450, 40, 30);
    cairo_t* context = canvas.Context();
    for (const double x : {250.0, 290.0, 740.0}) {
        cairo_move_to(context, x - 14, 30);
        cairo_curve_to(context, x - 8, 22, x - 2, 22, x, 32);
        cairo_curve_to(context, x + 2, 22, x + 8, 22, x + 14, 30);
    }
    canvas.StrokePath(Palette::kInk, 3);
    canvas.VerticalGradient(0, 100, kWidth, kHeight - 100, Colour::Hex(0x4FB6F0),
                            Colour::Hex(0x1F5FB8));
    cairo_move_to(context, 0, 100);
    for (double x = 0; x < kWidth; x += 40) {
        cairo_curve_to(context, x + 10, 92, x + 30, 92, x + 40, 100);
    }
    cairo_line_to(context, kWidth, 112);
    cairo_line_to(context, 0, 112);
    cairo_close_path(context);
    canvas.FillPath(Colour::Hex(0x4FB6F0));
    cairo_move_to(context, 0, 100);
    for (double x = 0; x < kWidth; x += 40) {
        cairo_curve_to(context, x + 10, 92, x + 30, 92, x + 40, 100);
    }
    canvas.StrokePath(Palette::kWhite, 4);
    // Light rays and bubbles.
    for (const double x : {180.0, 420.0, 660.0}) {
        canvas.Polygon({x, 104, x + 50, 104, x + 120, 460, x + 40, 460});
        cairo_set_source_rgba(context, 1, 1, 1, 0.08);
        cairo_fill(context);
    }
    for (const auto& [x, y, r] : {std::tuple{210.0, 200.0, 6.0},
                                  {220.0, 176.0, 4.0},
                                  {520.0, 300.0, 7.0},
                                  {530.0, 270.0, 4.0},
                                  {690.0, 180.0, 5.0},
                                  {120.0, 420.0, 5.0},
                                  {420.0, 400.0, 6.0}}) {
        canvas.Circle(x, y, r);
        canvas.FillAndOutline(Palette::kPaleSky, Palette::kWhite, 2);
    }
    Seaweed(canvas, 30, 230, Palette::kGreen);
    Seaweed(canvas, 112, 170, Palette::kDarkGrass);
    Seaweed(canvas, 660, 190, Palette::kGreen);
    Seaweed(canvas, 830, 150, Palette::kDarkGrass);
    cairo_move_to(context, 0, 520);
    cairo_curve_to(context, 200, 480, 400, 520, 560, 496);
    cairo_curve_to(context, 680, 480, 760, 500, kWidth, 490);
    cairo_line_to(context, kWidth, kHeight);
    cairo_line_to(context, 0, kHeight);
    cairo_close_path(context);
    canvas.FillAndOutline(Colour::Hex(0xF4D98B), Palette::kInk, 3);
    canvas.Ellipse(763, 478, 72, 26);
    canvas.FillAndOutline(Colour::Hex(0x9AA0B0), Palette::kInk, 3);
    // Branching coral, rounded so that nothing on the sea bed looks like a sticker.
    for (const auto& [x, colour] : {std::pair{420.0, Palette::kPink}, {480.0, Palette::kOrange}}) {
        for (const auto& [ink, width] : {std::pair{Palette::kInk, 15.0}, {colour, 9.0}}) {
            cairo_move_to(context, x, 566);
            cairo_line_to(context, x, 516);
            cairo_move_to(context, x, 548);
            cairo_line_to(context, x - 20, 524);
            cairo_move_to(context, x, 540);
            cairo_line_to(context, x + 18, 520);
            canvas.StrokePath(ink, width);
        }
    }
    for (const auto& [x, y] : {std::pair{160.0, 556.0}, {620.0, 560.0}, {330.0, 572.0}}) {
        SceneKit::Daisy(canvas, x, y, Palette::kWhite);
    }
}

}  // namespace

PageTheme Themes::Sea() {
    return {"Under the sea",
            Palette::kBlue,
            Scene,
            {
                {"yellow fish", With(Fish, Palette::kSun, false)},
                {"jellyfish", Jellyfish},
                {"white boat", With(Boat, kWhite, Palette::kRed)},
                {"whale", Whale},
                {"octopus", Octopus},
                {"blue fish", With(Fish, Palette::kBlue, true)},
                {"turtle", Turtle},
                {"seahorse", Seahorse},
                {"crab", Crab},
                {"starfish", Starfish},
            }};
}
