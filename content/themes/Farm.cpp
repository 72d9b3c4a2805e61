// Page 2: the farm.

#include "content/themes/Themes.h"

#include <cairo.h>

#include <cmath>
#include <cstdint>
#include <tuple>

#include "content/AnimalParts.h"
#include "content/DesignKit.h"
#include "content/SceneKit.h"

namespace {

using namespace DesignKit;
using namespace AnimalParts;
using SceneKit::kHeight;
using SceneKit::kWidth;

void Hen(Canvas& canvas, Colour body) {
    canvas.Polygon({66, 26, 92, 18, 86, 40, 76, 44});
    Solid(canvas, body);
    canvas.Ellipse(54, 60, 34, 26);
    Solid(canvas, body);
    Line(canvas, 46, 86, 46, 96, Palette::kOrange, 4);
    Line(canvas, 60, 86, 60, 96, Palette::kOrange, 4);
    canvas.Circle(28, 34, 16);
    Solid(canvas, body);
    canvas.Star(26, 18, 10, 6, 3);
    Solid(canvas, Palette::kRed);
    canvas.Polygon({14, 34, 4, 40, 14, 44});
    Solid(canvas, Palette::kOrange);
    Eyes(canvas, 27, 32, 0, 3.5);
    Leaf(canvas, 44, 58, 26, 0.2, body.Darker(0.85));
}

void Duck(Canvas& canvas) {
    canvas.Ellipse(56, 64, 36, 22);
    Solid(canvas, kWhite);
    canvas.Circle(32, 36, 16);
    Solid(canvas, kWhite);
    canvas.Ellipse(14, 40, 10, 5);
    Solid(canvas, Palette::kOrange);
    Eyes(canvas, 32, 32, 0, 3.5);
    Leaf(canvas, 52, 58, 28, 0.3, kLightGrey);
}

void Chick(Canvas& canvas) {
    canvas.Ellipse(50, 62, 32, 28);
    Solid(canvas, Palette::kSun);
    Line(canvas, 42, 90, 40, 98, Palette::kOrange, 4);
    Line(canvas, 58, 90, 60, 98, Palette::kOrange, 4);
    canvas.Circle(50, 34, 20);
    Solid(canvas, Palette::kSun);
    canvas.Polygon({44, 40, 56, 40, 50, 48});
    Solid(canvas, Palette::kOrange);
    Eyes(canvas, 50, 32, 14, 3.5);
    Leaf(canvas, 22, 62, 18, 0.5, Palette::kSun.Darker(0.9));
}

void Tractor(Canvas& canvas, Colour body) {
    canvas.Polygon({10, 70, 10, 46, 52, 46, 52, 20, 84, 20, 84, 70});
    Solid(canvas, body);
    canvas.RoundedBox(58, 26, 20, 18, 3);
    Solid(canvas, Palette::kPaleSky);
    canvas.RoundedBox(20, 30, 7, 16, 2);
    Solid(canvas, kInk);
    canvas.Circle(68, 70, 20);
    Solid(canvas, Colour::Hex(0x444455));
    Dot(canvas, 68, 70, 8, Palette::kSun);
    canvas.Circle(24, 78, 12);
    Solid(canvas, Colour::Hex(0x444455));
    Dot(canvas, 24, 78, 5, Palette::kSun);
}

// A cow seen from the side: a long boxy body with black patches, horns, an udder and a
// tufted tail, her head turned to look at you.
void Cow(Canvas& canvas) {
    const Colour patch = Colour::Hex(0x3A3548);
    CurvedBand(canvas, {12, 46, 4, 54, 6, 68, 4, 76}, kWhite, 3);
    Blob(canvas, 4, 78, 4, 5, patch);
    Legs(canvas, {18, 30, 52, 62}, 60, 96, 9, kWhite);
    for (const double x : {18.0, 30.0, 52.0, 62.0}) {
        canvas.RoundedBox(x - 4.5, 90, 9, 6, 2);
        Solid(canvas, kDarkBrown);
    }
    Blob(canvas, 42, 74, 8, 5, kSoftPink);
    canvas.RoundedBox(6, 36, 66, 36, 16);
    Solid(canvas, kWhite);
    for (const auto& [x, y, r] :
         {std::tuple{24.0, 48.0, 8.0}, {50.0, 60.0, 7.0}, {58.0, 45.0, 5.0}}) {
        Dot(canvas, x, y, r, patch);
    }
    PairOf([&](double side) {
        canvas.Polygon({81 + side * 8, 22, 81 + side * 14, 8, 81 + side * 4, 20});
        Solid(canvas, kTan);
        TiltedBlob(canvas, 81 + side * 14, 28, 8, 4, side * 0.3, kWhite);
    });
    canvas.RoundedBox(70, 18, 22, 34, 10);
    Solid(canvas, kWhite);
    Blob(canvas, 81, 50, 13, 9, kSoftPink);
    for (const double x : {76.0, 86.0}) Dot(canvas, x, 50, 2, kInk);
    Eyes(canvas, 81, 32, 12, 2.8);
}

// A woolly sheep: a cloud of wool on thin dark legs, with a dark face.
void Sheep(Canvas& canvas) {
    const Colour face = Colour::Hex(0x4A4458);
    const Colour wool = Colour::Hex(0xF4F0E8);
    Legs(canvas, {24, 36, 56, 68}, 62, 96, 6, face);
    constexpr std::tuple<double, double, double> kPuffs[] = {
        {20, 52, 14}, {34, 40, 16}, {52, 38, 16}, {66, 48, 14},
        {62, 64, 14}, {44, 66, 16}, {24, 64, 14}};
    for (const auto& [x, y, r] : kPuffs) canvas.Circle(x, y, r);
    Solid(canvas, wool);
    // Filled again a little smaller, so that only the wool's outer edge keeps its outline.
    for (const auto& [x, y, r] : kPuffs) canvas.Circle(x, y, r - kOutline / 2);
    canvas.FillPath(wool);
    PairOf([&](double side) { TiltedBlob(canvas, 80 + side * 12, 36, 7, 3, side * 0.4, face); });
    TiltedBlob(canvas, 80, 46, 10, 14, 0.3, face);
    Blob(canvas, 77, 33, 8, 5, wool);
    Dot(canvas, 84, 44, 3.5, kWhite);
    Dot(canvas, 85, 44, 2, kInk);
}

// A round pink pig with a curly tail, floppy ears and a flat snout.
void Pig(Canvas& canvas) {
    const Colour pink = Palette::kPink;
    CurvedBand(canvas, {14, 50, 0, 46, 6, 34, 12, 42}, pink, 3);
    Legs(canvas, {24, 36, 58, 70}, 66, 94, 10, pink);
    Blob(canvas, 46, 58, 34, 24, pink);
    canvas.Polygon({62, 38, 68, 22, 78, 36});
    Solid(canvas, pink);
    Blob(canvas, 76, 54, 18, 17, pink);
    Blob(canvas, 92, 58, 7, 9, kSoftPink);
    for (const double y : {55.0, 61.0}) Dot(canvas, 91, y, 1.8, kInk);
    canvas.Polygon({70, 40, 86, 32, 82, 48});
    Solid(canvas, pink.Darker(0.9));
    Eye(canvas, 80, 50, 3);
}

// A black and white sheepdog standing ready, tail up and tongue out.
void Sheepdog(Canvas& canvas) {
    const Colour black = Colour::Hex(0x3A3548);
    CurvedBand(canvas, {18, 52, 6, 46, 4, 30, 10, 22}, black, 8);
    Blob(canvas, 10, 22, 5, 5, kWhite);
    Legs(canvas, {24, 34, 56, 64}, 60, 96, 8, kWhite);
    Blob(canvas, 42, 56, 28, 14, black);
    Blob(canvas, 64, 58, 10, 12, kWhite);
    TiltedBlob(canvas, 64, 28, 5, 9, -0.4, black);
    Blob(canvas, 72, 38, 14, 13, black);
    canvas.Polygon({70, 26, 75, 26, 78, 46, 68, 46});
    canvas.FillPath(kWhite);
    Blob(canvas, 84, 44, 10, 7, kWhite);
    Blob(canvas, 84, 53, 3, 4, Palette::kPink);
    Dot(canvas, 93, 42, 3.2, kInk);
    Dot(canvas, 78, 35, 4, kWhite);
    Eye(canvas, 79, 35, 2.6);
}

void Barn(Canvas& canvas) {
    canvas.Polygon({352, 130, 415, 62, 478, 130, 478, 252, 352, 252});
    canvas.FillAndOutline(Palette::kRed, Palette::kInk, 4);
    canvas.Polygon({344, 134, 415, 56, 486, 134, 478, 140, 415, 72, 352, 140});
    canvas.FillAndOutline(Palette::kWhite, Palette::kInk, 3);
    canvas.RoundedBox(388, 186, 54, 66, 3);
    canvas.FillAndOutline(Colour::Hex(0x9E2F2D), Palette::kInk, 3);
    cairo_t* context = canvas.Context();
    cairo_move_to(context, 390, 188);
    cairo_line_to(context, 440, 250);
    cairo_move_to(context, 440, 188);
    cairo_line_to(context, 390, 250);
    canvas.StrokePath(Palette::kWhite, 4);
    canvas.Circle(415, 110, 14);
    canvas.FillAndOutline(Palette::kSun, Palette::kInk, 3);
}

void Fence(Canvas& canvas, double fromX, double toX, double y) {
    for (double x = fromX; x <= toX; x += 36) {
        canvas.RoundedBox(x, y - 34, 12, 46, 4);
        canvas.FillAndOutline(Colour::Hex(0xE9C28F), Palette::kInk, 2.5);
    }
    for (const double railY : {y - 24, y - 6}) {
        canvas.RoundedBox(fromX - 6, railY, toX - fromX + 24, 8, 3);
        canvas.FillAndOutline(Colour::Hex(0xE9C28F), Palette::kInk, 2.5);
    }
}

// A pale sun without a face, so that it reads as sky and not as a sticker to pick.
void SoftSun(Canvas& canvas, double x, double y) {
    for (int32_t ray = 0; ray < 12; ++ray) {
        const double angle = ray * kPi / 6;
        Line(canvas, x + std::cos(angle) * 44, y + std::sin(angle) * 44, x + std::cos(angle) * 58,
             y + std::sin(angle) * 58, Colour::Hex(0xFFE27A), 5);
    }
    canvas.Circle(x, y, 34);
    canvas.FillPath(Colour::Hex(0xFFE27A));
    canvas.Circle(x, y, 26);
    canvas.FillPath(Colour::Hex(0xFFF0B0));
}

void Scene(Canvas& canvas) {
    canvas.VerticalGradient(0, 0, kWidth, 220, Palette::kSky, Palette::kPaleSky);
    SoftSun(canvas, 780, 62);
    SceneKit::Cloud(canvas, 150, 60, 46);
    SceneKit::Cloud(canvas, 560, 48, 36);
    canvas.Ellipse(200, 210, 320, 90);
    canvas.Ellipse(700, 220, 300, 80);
    canvas.FillAndOutline(Palette::kDarkGrass.Lighter(0.2), Palette::kInk, 3);
    canvas.VerticalGradient(0, 200, kWidth, kHeight - 200, Palette::kGrass, Palette::kDarkGrass);
    cairo_t* context = canvas.Context();
    cairo_move_to(context, 0, 200);
    cairo_curve_to(context, 280, 184, 560, 214, kWidth, 196);
    cairo_line_to(context, kWidth, kHeight);
    cairo_line_to(context, 0, kHeight);
    cairo_close_path(context);
    canvas.FillPath(Palette::kGrass);
    Barn(canvas);
    Fence(canvas, 500, 830, 262);
    Fence(canvas, 560, 830, 575);
    // The pig's mud, the duck's pond, the tractor's field, the dog's kennel.
    canvas.Ellipse(122, 244, 62, 16);
    canvas.FillAndOutline(Palette::kBrown, Palette::kInk, 3);
    canvas.Ellipse(304, 388, 96, 38);
    canvas.FillAndOutline(Palette::kBlue.Lighter(0.3), Palette::kInk, 3);
    canvas.Polygon({0, 430, 190, 450, 230, kHeight, 0, kHeight});
    canvas.FillAndOutline(Palette::kBrown, Palette::kInk, 3);
    for (double y = 462; y < kHeight; y += 24) {
        cairo_move_to(context, 0, y);
        cairo_line_to(context, 196 + (y - 450) * 0.25, y + 4);
    }
    canvas.StrokePath(Colour::Hex(0x8A5328), 5);
    canvas.Polygon({612, 330, 652, 296, 692, 330, 692, 400, 612, 400});
    canvas.FillAndOutline(Palette::kBlue, Palette::kInk, 3);
    canvas.RoundedBox(636, 350, 32, 50, 14);
    canvas.FillPath(Palette::kInk);
    // A hay bale and a scatter of flowers.
    canvas.RoundedBox(512, 312, 80, 52, 10);
    canvas.FillAndOutline(Palette::kSun, Palette::kInk, 3);
    for (const double y : {326.0, 338.0, 350.0}) {
        cairo_move_to(context, 520, y);
        cairo_line_to(context, 584, y);
    }
    canvas.StrokePath(Palette::kOrange, 2);
    for (const auto& [x, y, colour] : {std::tuple{400.0, 480.0, Palette::kPink},
                                       {470.0, 540.0, Palette::kWhite},
                                       {600.0, 470.0, Palette::kPurple},
                                       {720.0, 520.0, Palette::kWhite},
                                       {800.0, 460.0, Palette::kPink},
                                       {300.0, 520.0, Palette::kSun.Lighter(0.4)},
                                       {540.0, 420.0, Palette::kWhite},
                                       {200.0, 300.0, Palette::kPink}}) {
        SceneKit::Daisy(canvas, x, y, colour);
    }
}

}  // namespace

PageTheme Themes::Farm() {
    return {"The farm",
            Palette::kGreen,
            Scene,
            {
                {"cow", Cow},
                {"sheep", Sheep},
                {"pig", Pig},
                {"chick", Chick},
                {"hen", With(Hen, Palette::kOrange)},
                {"duck", Duck},
                {"sheepdog", Sheepdog},
                {"tractor", With(Tractor, Palette::kRed)},
            }};
}
