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

// A clownfish: orange with three white bands edged in black, and round fins.
void Clownfish(Canvas& canvas) {
    const Colour orange = Colour::Hex(0xFF7A1F);
    cairo_t* context = canvas.Context();
    cairo_new_path(context);
    cairo_move_to(context, 76, 50);
    cairo_curve_to(context, 90, 26, 100, 30, 96, 50);
    cairo_curve_to(context, 100, 70, 90, 74, 76, 50);
    Solid(canvas, orange);
    canvas.Ellipse(56, 22, 16, 12);
    Solid(canvas, orange);
    canvas.Ellipse(44, 50, 40, 25);
    Solid(canvas, orange);
    cairo_save(context);
    canvas.Ellipse(44, 50, 38, 23);
    cairo_clip(context);
    for (const auto& [x, width] : {std::pair{24.0, 10.0}, {48.0, 12.0}, {72.0, 8.0}}) {
        canvas.RoundedBox(x - width / 2, 20, width, 60, 0);
        canvas.FillAndOutline(kWhite, kInk, 3);
    }
    cairo_restore(context);
    canvas.Ellipse(44, 50, 40, 25);
    canvas.StrokePath(kInk, kOutline);
    canvas.Ellipse(40, 72, 9, 6);
    Solid(canvas, orange);
    Dot(canvas, 14, 44, 5, kInk);
    Dot(canvas, 12, 42, 1.8, kWhite);
    Grin(canvas, 12, 58, 5);
}

// A pufferfish blown up round, spines all around and a small pouting mouth.
void Pufferfish(Canvas& canvas) {
    const Colour skin = Colour::Hex(0xF7D54A);
    canvas.Polygon({80, 50, 98, 34, 96, 66});
    Solid(canvas, skin.Darker(0.85));
    canvas.Star(46, 52, 44, 34, 18, 0.1);
    Solid(canvas, skin);
    canvas.Ellipse(46, 66, 24, 14);
    canvas.FillPath(Palette::kCream);
    for (const auto& [x, y] : {std::pair{40.0, 30.0}, {58.0, 36.0}, {66.0, 54.0}, {30.0, 46.0}}) {
        Dot(canvas, x, y, 3, Palette::kBrown);
    }
    Eyes(canvas, 22, 44, 0, 6);
    canvas.Ellipse(12, 58, 5, 4);
    Solid(canvas, Palette::kPink);
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

void Boat(Canvas& canvas) {
    Line(canvas, 50, 10, 50, 66, kInk, 4);
    canvas.Polygon({54, 12, 54, 60, 86, 60});
    Solid(canvas, Palette::kRed);
    canvas.Polygon({46, 18, 46, 60, 20, 60});
    Solid(canvas, kWhite);
    canvas.Polygon({8, 66, 92, 66, 78, 88, 22, 88});
    Solid(canvas, kWhite);
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

void SkyAndSurface(Canvas& canvas) {
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
    canvas.StrokePath(Palette::kWhite, 4);
}

// Sunlight reaching down through the water, and bubbles rising.
void RaysAndBubbles(Canvas& canvas) {
    cairo_t* context = canvas.Context();
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
                                  {420.0, 400.0, 6.0},
                                  {60.0, 200.0, 5.0},
                                  {66.0, 172.0, 3.0}}) {
        canvas.Circle(x, y, r);
        canvas.FillAndOutline(Palette::kPaleSky, Palette::kWhite, 2);
    }
}

// Far-off reef and a shoal of tiny fish, faint in the blue so that they stay far away.
void DistantReef(Canvas& canvas) {
    cairo_t* context = canvas.Context();
    cairo_move_to(context, 0, 470);
    for (const auto& [x, top] : {std::pair{120.0, 400.0},
                                 {260.0, 450.0},
                                 {380.0, 380.0},
                                 {520.0, 440.0},
                                 {640.0, 360.0},
                                 {760.0, 420.0},
                                 {kWidth, 390.0}}) {
        cairo_curve_to(context, x - 80, top, x - 40, top, x, top + 30);
    }
    cairo_line_to(context, kWidth, 520);
    cairo_line_to(context, 0, 520);
    cairo_close_path(context);
    cairo_set_source_rgba(context, 0.05, 0.25, 0.55, 0.25);
    cairo_fill(context);
    for (const auto& [x, y] : {std::pair{700.0, 230.0},
                               {726.0, 244.0},
                               {752.0, 226.0},
                               {734.0, 212.0},
                               {776.0, 240.0},
                               {760.0, 262.0}}) {
        canvas.Ellipse(x, y, 8, 4);
        canvas.Polygon({x + 6, y, x + 13, y - 5, x + 13, y + 5});
    }
    cairo_set_source_rgba(context, 0.1, 0.3, 0.6, 0.35);
    cairo_fill(context);
}

// The boat's anchor rope running down to its anchor on the sand, drawn thin and soft
// so that it stays part of the sea.
void AnchorLine(Canvas& canvas) {
    const Colour rope = Colour::Hex(0x5A7AA6);
    DesignKit::Line(canvas, 648, 110, 648, 486, rope, 3);
    cairo_t* context = canvas.Context();
    cairo_new_path(context);
    cairo_arc(context, 648, 480, 20, 0.15 * kPi, 0.85 * kPi);
    canvas.StrokePath(rope, 6);
    DesignKit::Line(canvas, 636, 462, 660, 462, rope, 5);
}

// Coral branches, rounded so that nothing on the sea bed looks like a sticker.
void Coral(Canvas& canvas, double x, Colour colour) {
    cairo_t* context = canvas.Context();
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

// Sand with a rock for the starfish and a flat stone for the crab.
void SeaBed(Canvas& canvas) {
    cairo_t* context = canvas.Context();
    cairo_move_to(context, 0, 520);
    cairo_curve_to(context, 200, 480, 400, 520, 560, 496);
    cairo_curve_to(context, 680, 480, 760, 500, kWidth, 490);
    cairo_line_to(context, kWidth, kHeight);
    cairo_line_to(context, 0, kHeight);
    cairo_close_path(context);
    canvas.FillAndOutline(Colour::Hex(0xF4D98B), Palette::kInk, 3);
    canvas.Ellipse(763, 478, 72, 26);
    canvas.FillAndOutline(Colour::Hex(0x9AA0B0), Palette::kInk, 3);
    canvas.Ellipse(266, 494, 62, 18);
    canvas.FillAndOutline(Colour::Hex(0xA9A2B8), Palette::kInk, 3);
    Coral(canvas, 420, Palette::kPink);
    Coral(canvas, 480, Palette::kOrange);
    for (const auto& [x, y] : {std::pair{160.0, 556.0}, {620.0, 560.0}, {330.0, 572.0}}) {
        SceneKit::Daisy(canvas, x, y, Palette::kWhite);
    }
}

void Scene(Canvas& canvas) {
    SkyAndSurface(canvas);
    DistantReef(canvas);
    RaysAndBubbles(canvas);
    Seaweed(canvas, 30, 230, Palette::kGreen);
    Seaweed(canvas, 84, 292, Palette::kDarkGrass);
    Seaweed(canvas, 132, 170, Palette::kGreen);
    Seaweed(canvas, 690, 190, Palette::kGreen);
    Seaweed(canvas, 830, 150, Palette::kDarkGrass);
    SeaBed(canvas);
    AnchorLine(canvas);
}

}  // namespace

PageTheme Themes::Sea() {
    return {"Under the sea",
            Palette::kBlue,
            Scene,
            {
                {"clownfish", Clownfish},
                {"jellyfish", Jellyfish},
                {"sailing boat", Boat},
                {"whale", Whale},
                {"octopus", Octopus},
                {"pufferfish", Pufferfish},
                {"turtle", Turtle},
                {"seahorse", Seahorse},
                {"crab", Crab},
                {"starfish", Starfish},
            }};
}
