// Page 19: up in the air, over an airfield in the hills.

#include "content/themes/Themes.h"

#include <cairo.h>

#include <tuple>
#include <utility>

#include "content/DesignKit.h"
#include "content/SceneKit.h"

namespace {

using namespace DesignKit;

// A propeller seen edge on at the nose of a plane: a spinning blur with a hub.
void Propeller(Canvas& canvas, double x, double y, double height) {
    canvas.Ellipse(x, y, 4, height / 2);
    Solid(canvas, kLightGrey);
    canvas.Circle(x, y, 5);
    Solid(canvas, Palette::kRed);
}

// A round pilot's head peeping out of an open cockpit, in a leather cap.
void Pilot(Canvas& canvas, double x, double y) {
    canvas.Circle(x, y, 9);
    Solid(canvas, kTan);
    canvas.Polygon({x - 10, y - 1, x - 8, y - 8, x, y - 11, x + 8, y - 8, x + 10, y - 1});
    Solid(canvas, kDarkBrown);
    Dot(canvas, x + 4, y + 1, 2, kInk);
}

// Two wings one above the other on struts, standing on its wheels.
void Biplane(Canvas& canvas) {
    Band(canvas, 46, 70, 38, 86, kInk, 3);
    Band(canvas, 62, 70, 70, 86, kInk, 3);
    Wheels(canvas, {36, 72}, 86, 9);
    canvas.RoundedBox(14, 24, 76, 10, 5);
    Solid(canvas, Palette::kRed);
    for (const double x : {30.0, 74.0}) Band(canvas, x, 32, x, 60, kTan, 3);
    canvas.Polygon({4, 36, 14, 34, 20, 54, 6, 58});
    Solid(canvas, Palette::kRed);
    canvas.Polygon({8, 54, 20, 44, 84, 42, 88, 48, 84, 68, 24, 66});
    Solid(canvas, Palette::kSun);
    Pilot(canvas, 50, 40);
    canvas.RoundedBox(14, 58, 76, 10, 5);
    Solid(canvas, Palette::kRed);
    Propeller(canvas, 92, 54, 38);
}

// A big passenger jet in flight, with its row of windows and an engine under the wing.
void Jet(Canvas& canvas) {
    canvas.Polygon({10, 50, 4, 20, 16, 20, 30, 46});
    Solid(canvas, Palette::kBlue);
    canvas.Polygon({42, 58, 58, 58, 40, 92, 28, 92});
    Solid(canvas, kLightGrey);
    canvas.RoundedBox(4, 42, 92, 22, 11);
    Solid(canvas, kWhite);
    canvas.Polygon({84, 44, 96, 50, 96, 56, 84, 54});
    Solid(canvas, Palette::kPaleSky);
    Line(canvas, 8, 58, 90, 58, Palette::kBlue, 4);
    for (double x = 24; x < 80; x += 9) Dot(canvas, x, 50, 2.6, Palette::kBlue);
    canvas.RoundedBox(30, 70, 20, 10, 5);
    Solid(canvas, kGrey);
    canvas.Polygon({46, 50, 58, 50, 50, 24, 42, 24});
    Solid(canvas, kLightGrey);
}

// A hot-air balloon: a tall striped envelope, ropes and a wicker basket.
void HotAirBalloon(Canvas& canvas) {
    Line(canvas, 30, 60, 40, 80, kInk, 2.5);
    Line(canvas, 70, 60, 60, 80, kInk, 2.5);
    canvas.RoundedBox(36, 78, 28, 18, 4);
    Solid(canvas, Palette::kBrown);
    Line(canvas, 38, 86, 62, 86, kDarkBrown, 2);
    cairo_t* context = canvas.Context();
    const auto envelope = [&](double halfWidth) {
        cairo_new_path(context);
        cairo_move_to(context, 50 - halfWidth * 0.35, 68);
        cairo_curve_to(context, 50 - halfWidth * 1.2, 46, 50 - halfWidth * 1.15, 4, 50, 4);
        cairo_curve_to(context, 50 + halfWidth * 1.15, 4, 50 + halfWidth * 1.2, 46,
                       50 + halfWidth * 0.35, 68);
        cairo_close_path(context);
    };
    envelope(40);
    Solid(canvas, Palette::kRed);
    envelope(24);
    Solid(canvas, Palette::kSun);
    envelope(8);
    Solid(canvas, Palette::kBlue);
}

// A long slim airship with fins at the back and a cabin slung underneath.
void Airship(Canvas& canvas) {
    canvas.RoundedBox(38, 66, 28, 14, 6);
    Solid(canvas, Palette::kOrange);
    for (const double x : {46.0, 58.0}) Dot(canvas, x, 73, 3, Palette::kPaleSky);
    canvas.Polygon({6, 22, 22, 38, 22, 62, 6, 76, 14, 48});
    Solid(canvas, Palette::kRed);
    canvas.Ellipse(54, 48, 44, 22);
    Solid(canvas, kLightGrey);
    canvas.Ellipse(54, 48, 44, 8);
    canvas.StrokePath(kGrey, 3);
    Line(canvas, 54, 27, 54, 69, kGrey, 3);
    Line(canvas, 78, 30, 78, 66, kGrey, 3);
    canvas.Polygon({4, 44, 20, 44, 20, 52, 4, 52});
    Solid(canvas, Palette::kRed);
}

// A small seaplane: a high wing, a nose propeller and two long floats for landing on a lake.
void Seaplane(Canvas& canvas) {
    for (const double x : {34.0, 66.0}) Band(canvas, x, 60, x - 4, 76, kInk, 2);
    canvas.RoundedBox(14, 74, 74, 10, 5);
    Solid(canvas, kWhite);
    canvas.Polygon({4, 30, 16, 28, 24, 50, 8, 54});
    Solid(canvas, Palette::kGreen);
    canvas.Polygon({8, 52, 22, 42, 82, 40, 90, 50, 84, 64, 22, 62});
    Solid(canvas, Palette::kGreen);
    canvas.Polygon({60, 44, 76, 44, 80, 52, 60, 52});
    Solid(canvas, Palette::kPaleSky);
    canvas.RoundedBox(22, 30, 66, 10, 5);
    Solid(canvas, Palette::kSun);
    Propeller(canvas, 92, 52, 34);
}

// A round parachute of bright panels, its lines gathered to a jumper whose boots come
// down first.
void Parachute(Canvas& canvas) {
    for (const double x : {8.0, 30.0, 70.0, 92.0}) Line(canvas, x, 44, 50, 70, kInk, 2);
    canvas.RoundedBox(42, 64, 16, 20, 6);
    Solid(canvas, Palette::kOrange);
    for (const double x : {45.0, 55.0}) Band(canvas, x, 84, x, 94, kInk, 3);
    canvas.Circle(50, 60, 7);
    Solid(canvas, kTan);
    cairo_t* context = canvas.Context();
    const auto canopy = [&](double halfWidth) {
        cairo_new_path(context);
        cairo_move_to(context, 50 - halfWidth, 44);
        cairo_curve_to(context, 50 - halfWidth, 14, 50 - halfWidth * 0.6, 4, 50, 4);
        cairo_curve_to(context, 50 + halfWidth * 0.6, 4, 50 + halfWidth, 14, 50 + halfWidth, 44);
        cairo_curve_to(context, 50 + halfWidth * 0.6, 38, 50 - halfWidth * 0.6, 38, 50 - halfWidth,
                       44);
    };
    canopy(46);
    Solid(canvas, Palette::kPink);
    canopy(24);
    Solid(canvas, kWhite);
    canopy(8);
    Solid(canvas, Palette::kPink);
}

// A folded paper dart, gliding nose first: two bright faces of paper and a crease.
void PaperPlane(Canvas& canvas) {
    canvas.Polygon({4, 30, 96, 44, 40, 86, 36, 58});
    Solid(canvas, Palette::kSun);
    canvas.Polygon({4, 30, 96, 44, 36, 58});
    Solid(canvas, Palette::kOrange);
    canvas.Polygon({36, 58, 96, 44, 48, 64});
    Solid(canvas, Palette::kSun.Darker(0.85));
    for (const auto& [x, y] : {std::pair{8.0, 70.0}, {14.0, 84.0}, {24.0, 94.0}}) {
        Dot(canvas, x, y, 3, kWhite);
    }
}

// A triangle of sail with a flyer lying under it, holding the bar.
void HangGlider(Canvas& canvas) {
    Band(canvas, 50, 30, 50, 56, kInk, 2);
    Line(canvas, 30, 74, 50, 40, kInk, 2.5);
    Line(canvas, 70, 74, 50, 40, kInk, 2.5);
    Band(canvas, 28, 74, 72, 74, kGrey, 3);
    canvas.RoundedBox(20, 54, 44, 12, 6);
    Solid(canvas, Palette::kGreen);
    Band(canvas, 58, 62, 60, 74, kTan, 3);
    canvas.Circle(70, 58, 8);
    Solid(canvas, kTan);
    cairo_t* context = canvas.Context();
    cairo_new_path(context);
    cairo_arc(context, 70, 58, 8, kPi, 2 * kPi);
    cairo_close_path(context);
    Solid(canvas, Palette::kRed);
    Dot(canvas, 73, 61, 1.8, kInk);
    canvas.Polygon({2, 42, 50, 8, 98, 42, 50, 32});
    Solid(canvas, Palette::kPurple);
    canvas.Polygon({26, 25, 50, 8, 74, 25, 50, 20});
    Solid(canvas, Palette::kSun);
}

// A glider seen from above: very long thin wings, a slim body and a bubble canopy.
void Glider(Canvas& canvas) {
    canvas.RoundedBox(32, 80, 36, 9, 4);
    Solid(canvas, Palette::kRed);
    canvas.Polygon({2, 34, 50, 28, 98, 34, 98, 42, 50, 40, 2, 42});
    Solid(canvas, kWhite);
    for (const double x : {6.0, 94.0}) Dot(canvas, x, 38, 3, Palette::kRed);
    canvas.RoundedBox(43, 6, 14, 86, 7);
    Solid(canvas, kWhite);
    canvas.Ellipse(50, 22, 5, 10);
    Solid(canvas, Palette::kBlue);
}

// A helicopter standing on its skids: a round cabin, a tail boom and long rotor blades.
void Helicopter(Canvas& canvas) {
    for (const double x : {34.0, 62.0}) Band(canvas, x, 74, x - 2, 88, kInk, 2);
    Band(canvas, 16, 88, 76, 88, kInk, 3);
    Band(canvas, 44, 50, 92, 38, Palette::kSun, 8);
    canvas.Polygon({84, 24, 94, 24, 96, 44, 88, 44});
    Solid(canvas, Palette::kSun);
    canvas.Circle(42, 54, 24);
    Solid(canvas, Palette::kSun);
    cairo_t* context = canvas.Context();
    cairo_new_path(context);
    cairo_arc(context, 42, 54, 17, kPi, 1.5 * kPi);
    cairo_line_to(context, 42, 54);
    cairo_close_path(context);
    Solid(canvas, Palette::kPaleSky);
    Band(canvas, 46, 18, 46, 30, kInk, 3);
    Band(canvas, 4, 16, 88, 16, kGrey, 4);
}

// The soft outline of the airfield's buildings, paler than the stickers' ink.
constexpr Colour kSceneLine = Colour::Hex(0x7A748C);

// A grey runway across the field, its white centre line, a helipad to its right.
void Airfield(Canvas& canvas) {
    cairo_t* context = canvas.Context();
    cairo_new_path(context);
    cairo_move_to(context, -10, 552);
    cairo_line_to(context, 854, 560);
    cairo_line_to(context, 854, 598);
    cairo_line_to(context, -10, 598);
    cairo_close_path(context);
    canvas.FillAndOutline(Colour::Hex(0xB8BCC8), kSceneLine, 2.5);
    cairo_move_to(context, 0, 574);
    cairo_line_to(context, kPageWidth, 581);
    canvas.DashedStroke(Palette::kWhite, 4, 20);
    canvas.Ellipse(698, 538, 58, 13);
    canvas.FillAndOutline(Colour::Hex(0xB8BCC8), kSceneLine, 2.5);
    canvas.Text("H", 698, 538, 16, Palette::kWhite);
}

// The hangar the planes sleep in, and a control tower with a windsock beside it.
void Buildings(Canvas& canvas) {
    cairo_t* context = canvas.Context();
    cairo_new_path(context);
    cairo_move_to(context, 20, 522);
    cairo_curve_to(context, 30, 440, 140, 440, 150, 522);
    cairo_close_path(context);
    canvas.FillAndOutline(Colour::Hex(0xE4D8F4), kSceneLine, 2.5);
    canvas.RoundedBox(50, 478, 70, 44, 4);
    canvas.FillAndOutline(Colour::Hex(0x8E84A8), kSceneLine, 2.5);
    canvas.RoundedBox(790, 430, 22, 90, 3);
    canvas.FillAndOutline(Colour::Hex(0xF4EFE2), kSceneLine, 2.5);
    canvas.RoundedBox(780, 410, 42, 26, 6);
    canvas.FillAndOutline(Palette::kPaleSky, kSceneLine, 2.5);
    DesignKit::Line(canvas, 770, 522, 770, 470, kSceneLine, 2.5);
    canvas.Polygon({770, 470, 752, 474, 752, 482, 770, 486});
    canvas.FillAndOutline(Colour::Hex(0xFFB98A), kSceneLine, 2);
}

// Small round trees and a farmhouse on the far hills, pale with distance.
void FarCountry(Canvas& canvas) {
    const Colour line = Palette::kInk.Lighter(0.5);
    for (const auto& [x, y] : {std::pair{318.0, 462.0},
                               {340.0, 466.0},
                               {470.0, 452.0},
                               {545.0, 442.0},
                               {700.0, 444.0},
                               {724.0, 450.0}}) {
        DesignKit::Line(canvas, x, y, x, y + 14, line, 3);
        canvas.Circle(x, y - 4, 10);
        canvas.FillAndOutline(Colour::Hex(0x7CC46E), line, 2);
    }
    canvas.Polygon({600, 436, 614, 424, 628, 436});
    canvas.FillAndOutline(Colour::Hex(0xF29C8F), line, 2);
    canvas.RoundedBox(603, 436, 22, 16, 2);
    canvas.FillAndOutline(Palette::kCream, line, 2);
}

// The sun just peeping into the corner of the sky, soft, in rings of glow.
void SunGlow(Canvas& canvas) {
    for (const auto& [radius, amount] : {std::pair{110.0, 0.75}, {80.0, 0.55}, {52.0, 0.3}}) {
        canvas.Circle(0, 0, radius);
        canvas.FillPath(Palette::kSun.Lighter(amount));
    }
}

// Birds far off, drawn as the little ticks a child draws.
void Birds(Canvas& canvas) {
    cairo_t* context = canvas.Context();
    for (const auto& [x, y] : {std::pair{440.0, 120.0},
                               {462.0, 108.0},
                               {480.0, 128.0},
                               {560.0, 380.0},
                               {150.0, 130.0}}) {
        cairo_move_to(context, x - 8, y - 4);
        cairo_curve_to(context, x - 4, y - 6, x - 1, y - 3, x, y);
        cairo_curve_to(context, x + 1, y - 3, x + 4, y - 6, x + 8, y - 4);
    }
    canvas.StrokePath(Palette::kInk.Lighter(0.45), 2);
}

// A line of little white puffs behind the jet, showing where it has flown.
void Trail(Canvas& canvas) {
    for (double x = 250; x < 452; x += 26) {
        canvas.Circle(x, 392 - (x - 250) * 0.22, 4 + (x - 250) * 0.03);
    }
    canvas.FillPath(Palette::kWhite.Lighter(0.2));
}

void Scene(Canvas& canvas) {
    SceneKit::Sky(canvas, Colour::Hex(0x7CC8FF), Colour::Hex(0xEAF6FF), SceneKit::kHeight);
    for (const auto& [x, y, size] : {std::tuple{60.0, 180.0, 50.0},
                                     {520.0, 60.0, 44.0},
                                     {790.0, 250.0, 46.0},
                                     {220.0, 330.0, 40.0},
                                     {640.0, 370.0, 36.0}}) {
        SceneKit::Cloud(canvas, x, y, size);
    }
    SunGlow(canvas);
    Birds(canvas);
    Trail(canvas);
    SceneKit::Hill(canvas, 200, 520, 260, 70, Colour::Hex(0xA9DDA0));
    SceneKit::Hill(canvas, 640, 525, 300, 90, Colour::Hex(0x9BD48F));
    FarCountry(canvas);
    SceneKit::Ground(canvas, 520, Palette::kGrass, Palette::kDarkGrass);
    Buildings(canvas);
    for (const double x : {440.0, 600.0}) SceneKit::Bush(canvas, x, 540, 30, Palette::kDarkGrass);
    SceneKit::Daisy(canvas, 170, 545, Palette::kWhite);
    SceneKit::Daisy(canvas, 410, 545, Palette::kPink);
    Airfield(canvas);
}

}  // namespace

PageTheme Themes::Air() {
    return {"Up in the air",
            Palette::kSky,
            Scene,
            {
                {"biplane", Biplane},
                {"jet", Jet},
                {"balloon", HotAirBalloon},
                {"glider", Glider},
                {"airship", Airship},
                {"seaplane", Seaplane},
                {"parachute", Parachute},
                {"paper plane", PaperPlane},
                {"hang glider", HangGlider},
                {"helicopter", Helicopter},
            }};
}
