// Page 5: the town.

#include "content/themes/Themes.h"

#include <cairo.h>

#include <cstdint>
#include <initializer_list>
#include <utility>

#include "content/DesignKit.h"
#include "content/SceneKit.h"

namespace {

using namespace DesignKit;

// A round little car, its roof one big curve, facing the way it goes.
void Car(Canvas& canvas) {
    cairo_t* context = canvas.Context();
    cairo_new_path(context);
    cairo_move_to(context, 4, 82);
    cairo_line_to(context, 4, 64);
    cairo_curve_to(context, 6, 54, 16, 52, 22, 50);
    cairo_curve_to(context, 30, 18, 70, 18, 80, 50);
    cairo_curve_to(context, 92, 52, 96, 58, 96, 66);
    cairo_line_to(context, 96, 82);
    cairo_close_path(context);
    Solid(canvas, Palette::kRed);
    canvas.Polygon({30, 50, 38, 30, 50, 28, 50, 50});
    canvas.Polygon({56, 50, 56, 28, 66, 32, 74, 50});
    Solid(canvas, Palette::kPaleSky);
    Dot(canvas, 90, 62, 4, Palette::kSun);
    Wheels(canvas, {26, 74}, 82, 12);
}

// A tall, square-backed taxi with its lit sign on the roof and a chequered band.
void Taxi(Canvas& canvas) {
    canvas.RoundedBox(30, 10, 30, 14, 4);
    Solid(canvas, kWhite);
    canvas.Text("TAXI", 45, 17, 9, kInk);
    canvas.Polygon({4, 80, 4, 50, 12, 46, 20, 22, 70, 22, 78, 46, 96, 52, 96, 80});
    Solid(canvas, Palette::kSun);
    canvas.Polygon({24, 46, 28, 28, 44, 28, 44, 46});
    canvas.Polygon({50, 46, 50, 28, 66, 28, 72, 46});
    Solid(canvas, Palette::kPaleSky);
    for (int32_t square = 0; square < 11; ++square) {
        canvas.RoundedBox(8 + square * 8, 56 + (square % 2) * 4, 4, 4, 0);
    }
    canvas.FillPath(kInk);
    Wheels(canvas, {24, 76}, 80, 12);
}

// A blue police car with white doors and a blue-and-red light bar on its roof.
void PoliceCar(Canvas& canvas) {
    canvas.RoundedBox(32, 14, 16, 10, 3);
    Solid(canvas, Palette::kBlue);
    canvas.RoundedBox(48, 14, 16, 10, 3);
    Solid(canvas, Palette::kRed);
    canvas.Polygon({4, 78, 4, 52, 18, 48, 26, 24, 84, 24, 90, 48, 96, 52, 96, 78});
    Solid(canvas, Palette::kNight);
    canvas.RoundedBox(26, 52, 52, 18, 3);
    Solid(canvas, kWhite);
    canvas.Polygon({22, 46, 30, 30, 52, 30, 52, 46});
    canvas.Polygon({58, 46, 58, 30, 80, 30, 84, 46});
    Solid(canvas, Palette::kPaleSky);
    Wheels(canvas, {22, 78}, 80, 11);
}

// A red bus two floors high, a row of windows on each.
void Bus(Canvas& canvas) {
    canvas.RoundedBox(6, 6, 88, 74, 8);
    Solid(canvas, Palette::kRed);
    for (const double y : {14.0, 44.0}) {
        for (int32_t i = 0; i < 4; ++i) canvas.RoundedBox(12 + i * 20, y, 14, 16, 3);
    }
    Solid(canvas, Palette::kPaleSky);
    Line(canvas, 8, 37, 92, 37, Palette::kSun, 4);
    Wheels(canvas, {24, 74}, 82, 11);
}

// A fire engine with its ladder on the roof and a blue lamp at the front.
void FireEngine(Canvas& canvas) {
    Band(canvas, 14, 20, 66, 20, kLightGrey, 6);
    for (double x = 20; x < 66; x += 10) Line(canvas, x, 17, x, 23, kInk, 2);
    canvas.Polygon({6, 74, 6, 30, 64, 30, 64, 40, 82, 40, 94, 56, 94, 74});
    Solid(canvas, Palette::kRed);
    canvas.Polygon({68, 44, 80, 44, 88, 56, 68, 56});
    Solid(canvas, Palette::kPaleSky);
    canvas.RoundedBox(50, 22, 10, 8, 3);
    Solid(canvas, Palette::kBlue);
    Wheels(canvas, {24, 76}, 76, 10);
}

// A van with a giant cone on its roof and a striped awning over its serving hatch.
void IceCreamVan(Canvas& canvas) {
    canvas.Circle(50, 14, 13);
    Solid(canvas, Palette::kPink);
    canvas.Polygon({37, 20, 63, 20, 50, 36});
    Solid(canvas, kTan);
    canvas.Polygon({4, 80, 4, 34, 72, 34, 88, 54, 96, 58, 96, 80});
    Solid(canvas, kWhite);
    canvas.Polygon({74, 40, 84, 54, 74, 54});
    Solid(canvas, Palette::kPaleSky);
    canvas.RoundedBox(14, 48, 44, 18, 3);
    Solid(canvas, Palette::kSun.Lighter(0.5));
    for (double x = 12; x < 60; x += 12) {
        canvas.Polygon({x, 40, x + 6, 40, x + 6, 48, x, 48});
    }
    Solid(canvas, Palette::kPink);
    Line(canvas, 6, 72, 94, 72, Palette::kPink, 4);
    Wheels(canvas, {24, 78}, 80, 11);
}

// A bicycle: two big wheels of the same size and a diamond of frame between them.
void Bicycle(Canvas& canvas) {
    const Colour frame = Palette::kPurple;
    for (const double x : {26.0, 74.0}) {
        canvas.Circle(x, 66, 18);
        canvas.StrokePath(kInk, 6);
    }
    Band(canvas, 26, 66, 46, 40, frame, 4);
    Band(canvas, 46, 40, 74, 66, frame, 4);
    Band(canvas, 46, 40, 70, 40, frame, 4);
    Band(canvas, 26, 66, 50, 66, frame, 4);
    Band(canvas, 70, 40, 74, 66, frame, 4);
    Band(canvas, 40, 30, 52, 30, kInk, 3);
    Band(canvas, 66, 30, 70, 40, kInk, 3);
}

// A child's tricycle: a big front wheel with pedals, a pair of small back wheels and a
// saddle on a post.
void Tricycle(Canvas& canvas) {
    for (const double x : {16.0, 30.0}) {
        canvas.Circle(x, 80, 13);
        Solid(canvas, kTyre);
        Dot(canvas, x, 80, 5, kLightGrey);
    }
    canvas.Circle(70, 68, 25);
    canvas.StrokePath(kInk, 7);
    Band(canvas, 24, 80, 70, 68, Palette::kGreen, 5);
    Band(canvas, 44, 74, 40, 40, Palette::kGreen, 5);
    Band(canvas, 70, 68, 62, 20, Palette::kGreen, 5);
    Band(canvas, 52, 16, 72, 16, kInk, 4);
    canvas.RoundedBox(28, 32, 26, 10, 5);
    Solid(canvas, Palette::kRed);
    Band(canvas, 62, 78, 78, 58, kGrey, 3);
    Dot(canvas, 70, 68, 5, Palette::kSun);
}

// The soft outline of everything in the town behind the vehicles.
constexpr Colour kSceneLine = Colour::Hex(0x6F6A80);

// A house standing on `ground`: a pale wall, a roof, windows and a door. A cat sits in
// the first window of the houses asked for one.
void House(Canvas& canvas, double x, double ground, double width, double height, Colour wall,
           Colour roof, bool cat) {
    canvas.Polygon({x - 8, ground - height, x + width / 2, ground - height - 40, x + width + 8,
                    ground - height});
    canvas.FillAndOutline(roof.Lighter(0.3), kSceneLine, 3);
    canvas.RoundedBox(x, ground - height, width, height, 4);
    canvas.FillAndOutline(wall, kSceneLine, 3);
    for (double wx = x + 12; wx + 24 < x + width; wx += 38) {
        canvas.RoundedBox(wx, ground - height + 14, 24, 24, 3);
        canvas.FillAndOutline(Palette::kPaleSky, kSceneLine, 2.5);
    }
    if (cat) {
        const double cx = x + 24;
        const double cy = ground - height + 38;
        canvas.Polygon({cx - 7, cy, cx - 6, cy - 14, cx - 2, cy - 10, cx + 2, cy - 10, cx + 6,
                        cy - 14, cx + 7, cy});
        canvas.FillPath(Colour::Hex(0x5A5068));
    }
    canvas.RoundedBox(x + width / 2 - 11, ground - 36, 22, 36, 3);
    canvas.FillAndOutline(roof.Lighter(0.1), kSceneLine, 2.5);
}

// A road with its dashed middle line along the points given, round at its bends.
void Road(Canvas& canvas, std::initializer_list<std::pair<double, double>> points) {
    cairo_t* context = canvas.Context();
    const auto trace = [&] {
        cairo_new_path(context);
        for (const auto& [x, y] : points) cairo_line_to(context, x, y);
    };
    cairo_set_line_join(context, CAIRO_LINE_JOIN_ROUND);
    trace();
    canvas.StrokePath(kSceneLine, 84);
    trace();
    canvas.StrokePath(Colour::Hex(0x8A8EA2), 78);
    trace();
    canvas.DashedStroke(Palette::kWhite, 5, 22);
}

// A round tree on a short trunk.
void Tree(Canvas& canvas, double x, double ground, double size) {
    canvas.RoundedBox(x - 4, ground - size, 8, size, 3);
    canvas.FillAndOutline(Colour::Hex(0xC89A70), kSceneLine, 2.5);
    canvas.Circle(x, ground - size * 1.2, size * 0.6);
    canvas.FillAndOutline(Colour::Hex(0x86D36F), kSceneLine, 2.5);
}

// A lamp post standing on the pavement.
void Lamp(Canvas& canvas, double x, double ground) {
    DesignKit::Line(canvas, x, ground, x, ground - 70, kSceneLine, 4);
    canvas.Circle(x, ground - 74, 7);
    canvas.FillAndOutline(Palette::kSun.Lighter(0.5), kSceneLine, 2.5);
}

// The pavement along the bottom street, a zebra crossing over it and a flower bed.
void Pavement(Canvas& canvas) {
    canvas.RoundedBox(-10, 530, kPageWidth + 20, 20, 2);
    canvas.FillAndOutline(Colour::Hex(0xE6E0D4), kSceneLine, 2.5);
    cairo_t* context = canvas.Context();
    for (double x = 226; x < 300; x += 18) cairo_rectangle(context, x, 456, 10, 68);
    canvas.FillPath(Palette::kWhite);
    for (double x = 20; x < kPageWidth; x += 64) {
        SceneKit::Daisy(canvas, x, 570, x < 400 ? Palette::kPink : Palette::kWhite);
    }
    Lamp(canvas, 160, 538);
    Lamp(canvas, 560, 538);
    canvas.RoundedBox(360, 510, 14, 24, 5);
    canvas.FillAndOutline(Palette::kRed.Lighter(0.3), kSceneLine, 2.5);
}

// A pond in the park, with reeds and a bench beside it.
void Park(Canvas& canvas) {
    canvas.Ellipse(770, 300, 60, 26);
    canvas.FillAndOutline(Colour::Hex(0x9ED8F5), kSceneLine, 2.5);
    canvas.Ellipse(756, 294, 22, 6);
    canvas.FillPath(Palette::kWhite.Lighter(0.3));
    for (const double x : {712.0, 720.0, 826.0}) {
        DesignKit::Line(canvas, x, 300, x + 2, 276, Palette::kDarkGrass, 3);
    }
    canvas.RoundedBox(740, 360, 50, 8, 3);
    canvas.FillAndOutline(Colour::Hex(0xD8A878), kSceneLine, 2.5);
    for (const double x : {746.0, 784.0}) DesignKit::Line(canvas, x, 368, x, 380, kSceneLine, 3);
    Tree(canvas, 660, 250, 36);
    Tree(canvas, 820, 420, 40);
}

// A snail on its way up the wall of the first house.
void Snail(Canvas& canvas, double x, double y) {
    canvas.RoundedBox(x - 8, y, 18, 5, 2.5);
    canvas.FillAndOutline(Colour::Hex(0xD6C6A0), kSceneLine, 1.5);
    canvas.Circle(x, y - 3, 6);
    canvas.FillAndOutline(Colour::Hex(0xE3A86C), kSceneLine, 1.5);
}

void Scene(Canvas& canvas) {
    canvas.Fill(Colour::Hex(0x9BDC86));
    // The town seen from a hilltop: the streets run under the wheels of the vehicles that
    // drive them, with houses, a park and gardens between.
    House(canvas, 20, 40, 90, 60, Colour::Hex(0xFFF1C8), Palette::kGreen, false);
    House(canvas, 190, 32, 100, 60, Colour::Hex(0xD8ECFF), Palette::kRed, false);
    House(canvas, 640, 88, 90, 70, Colour::Hex(0xFFE0EA), Palette::kBlue, false);
    House(canvas, 760, 88, 80, 80, Colour::Hex(0xE9F5D8), Palette::kOrange, true);
    Road(canvas, {{-20, 95}, {200, 92}, {370, 66}, {470, 74}, {545, 150}, {700, 134}, {870, 130}});
    Road(canvas,
         {{-20, 228}, {300, 220}, {450, 232}, {560, 262}, {640, 320}, {700, 420}, {720, 490}});
    Road(canvas, {{-20, 490}, {870, 490}});
    Pavement(canvas);
    for (const double x : {40.0, 120.0, 200.0, 290.0, 380.0}) {
        SceneKit::Bush(canvas, x, x < 250 ? 176 : 166, 30, Colour::Hex(0x6CC25C));
    }
    Tree(canvas, 470, 180, 34);
    Tree(canvas, 790, 240, 30);
    for (const auto& [x, y] : {std::pair{720.0, 200.0}, {740.0, 214.0}, {830.0, 200.0}}) {
        SceneKit::Daisy(canvas, x, y, Palette::kWhite);
    }
    House(canvas, 24, 446, 100, 110, Colour::Hex(0xFFF1C8), Palette::kPurple, true);
    House(canvas, 156, 446, 110, 90, Colour::Hex(0xFFE0EA), Palette::kGreen, false);
    House(canvas, 300, 446, 120, 130, Colour::Hex(0xD8ECFF), Palette::kRed, false);
    House(canvas, 454, 446, 100, 100, Colour::Hex(0xE9F5D8), Palette::kBlue, true);
    Snail(canvas, 30, 420);
    Park(canvas);
}

}  // namespace

PageTheme Themes::Town() {
    return {"The town",
            Palette::kBlue,
            Scene,
            {
                {"car", Car},
                {"taxi", Taxi},
                {"police car", PoliceCar},
                {"bus", Bus},
                {"fire engine", FireEngine},
                {"bicycle", Bicycle},
                {"ice cream van", IceCreamVan},
                {"tricycle", Tricycle},
            }};
}
