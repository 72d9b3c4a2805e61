// Page 1: the zoo.

#include "content/themes/Themes.h"

#include <cairo.h>

#include <tuple>
#include <utility>

#include "content/AnimalParts.h"
#include "content/DesignKit.h"
#include "content/SceneKit.h"
#include "content/SoftScenery.h"

namespace {

using namespace DesignKit;
using namespace AnimalParts;

constexpr Colour kMane = Colour::Hex(0xC8652A);

// The lion stands side-on and walks into the page, his mane the biggest thing about him.
void Lion(Canvas& canvas) {
    const Colour coat = Colour::Hex(0xF2B84B);
    CurvedBand(canvas, {22, 60, 8, 56, 12, 32, 6, 26}, coat, 5);
    Blob(canvas, 6, 24, 6, 7, kMane);
    Legs(canvas, {20, 32, 50, 60}, 62, 96, 11, coat);
    Blob(canvas, 40, 60, 27, 17, coat);
    canvas.Star(70, 38, 30, 22, 14);
    Solid(canvas, kMane);
    Blob(canvas, 72, 40, 16, 15, coat);
    Blob(canvas, 83, 48, 9, 7, Palette::kCream);
    Dot(canvas, 88, 43, 3.5, kInk);
    Eye(canvas, 72, 34, 3.5);
}

// Big ears, tusk and a trunk curling down to the ground.
void Elephant(Canvas& canvas) {
    const Colour skin = Colour::Hex(0x9DB4D8);
    CurvedBand(canvas, {12, 48, 6, 54, 6, 62, 4, 68}, skin, 3);
    Legs(canvas, {18, 32, 52, 64}, 56, 96, 14, skin);
    Blob(canvas, 40, 52, 33, 26, skin);
    CurvedBand(canvas, {84, 48, 96, 60, 94, 78, 86, 90}, skin, 11);
    Blob(canvas, 76, 40, 18, 18, skin);
    Blob(canvas, 62, 44, 13, 20, Colour::Hex(0xC9D8F0));
    canvas.Polygon({80, 54, 92, 66, 84, 64});
    Solid(canvas, kWhite);
    Eye(canvas, 82, 34, 3.5);
}

// A long striped cat on the prowl, tail up.
void Tiger(Canvas& canvas) {
    const Colour coat = Palette::kOrange;
    CurvedBand(canvas, {16, 56, 4, 50, 6, 30, 14, 22}, coat, 6);
    Legs(canvas, {20, 32, 54, 64}, 62, 95, 10, coat);
    Blob(canvas, 42, 60, 31, 15, coat);
    for (const double x : {24.0, 34.0, 44.0, 54.0}) Line(canvas, x, 46, x + 4, 60, kInk, 4);
    Blob(canvas, 68, 32, 5, 5, coat);
    Blob(canvas, 88, 32, 5, 5, coat);
    Blob(canvas, 78, 46, 16, 15, coat);
    Line(canvas, 78, 32, 78, 38, kInk, 3.5);
    Blob(canvas, 78, 55, 10, 6, Palette::kCream);
    Dot(canvas, 78, 51, 3, kInk);
    Eyes(canvas, 78, 43, 11, 3);
}

// A monkey hanging from a branch by one long arm, its tail curling below.
void Monkey(Canvas& canvas) {
    const Colour fur = Colour::Hex(0xC07A45);
    CurvedBand(canvas, {56, 72, 88, 70, 94, 96, 76, 92}, fur, 5);
    CurvedBand(canvas, {60, 6, 62, 18, 60, 28, 56, 38}, fur, 8);
    Blob(canvas, 60, 6, 6, 5, fur);
    for (const double side : {-1.0, 1.0}) {
        CurvedBand(canvas,
                   {46 + side * 6, 70, 46 + side * 10, 80, 46 + side * 14, 86, 46 + side * 18, 94},
                   fur, 8);
    }
    Blob(canvas, 46, 58, 14, 18, fur);
    CurvedBand(canvas, {36, 50, 24, 58, 22, 66, 24, 74}, fur, 7);
    for (const double x : {26.0, 66.0}) Blob(canvas, x, 30, 7, 7, kTan);
    Blob(canvas, 46, 30, 18, 16, fur);
    Blob(canvas, 46, 34, 13, 11, kTan);
    Eyes(canvas, 46, 30, 10, 3);
    Grin(canvas, 46, 41, 5);
}

// A panda sits on the ground and holds a stalk of bamboo.
void Panda(Canvas& canvas) {
    Band(canvas, 80, 96, 86, 12, kLime, 6);
    Leaf(canvas, 86, 28, 18, -0.6, Palette::kGreen);
    Leaf(canvas, 84, 50, 16, 0.4, Palette::kGreen);
    Blob(canvas, 50, 68, 28, 26, kWhite);
    PairOf([&](double side) {
        Blob(canvas, 50 + side * 22, 88, 12, 9, kInk);
        Blob(canvas, 50 + side * 18, 14, 8, 8, kInk);
    });
    Blob(canvas, 50, 34, 22, 19, kWhite);
    PairOf([&](double side) {
        Blob(canvas, 50 + side * 9, 33, 6, 7.5, kInk);
        Dot(canvas, 50 + side * 8, 32, 2, kWhite);
    });
    Dot(canvas, 50, 42, 3, kInk);
    CurvedBand(canvas, {34, 56, 50, 68, 68, 60, 82, 52}, kInk, 9);
}

// All legs and neck, the head up high, and brown patches.
void Giraffe(Canvas& canvas) {
    const Colour coat = Colour::Hex(0xF7C744);
    CurvedBand(canvas, {12, 56, 8, 64, 8, 72, 6, 80}, coat, 3);
    Legs(canvas, {16, 26, 42, 50}, 62, 97, 7, coat);
    Blob(canvas, 33, 60, 24, 12, coat);
    canvas.Polygon({38, 56, 64, 14, 78, 18, 56, 62});
    Solid(canvas, coat);
    for (const double x : {68.0, 76.0}) {
        Line(canvas, x, 10, x - 2, 2, kInk, 3);
        Dot(canvas, x - 2, 2, 3, Palette::kBrown);
    }
    Leaf(canvas, 66, 12, 11, -2.6, coat);
    Blob(canvas, 76, 16, 13, 8, coat);
    Blob(canvas, 87, 18, 6, 6, kTan);
    for (const auto& [x, y] : {std::pair{22.0, 58.0},
                               {34.0, 64.0},
                               {42.0, 54.0},
                               {52.0, 44.0},
                               {60.0, 30.0},
                               {26.0, 52.0}}) {
        Dot(canvas, x, y, 3.5, Palette::kBrown);
    }
    Eye(canvas, 76, 14, 2.8);
}

// A koala hugging its tree: arms open wide, fluffy ears and a big nose.
void Koala(Canvas& canvas) {
    const Colour fur = kGrey;
    PairOf([&](double side) {
        CurvedBand(canvas,
                   {50 + side * 18, 58, 50 + side * 34, 54, 50 + side * 40, 44, 50 + side * 42, 32},
                   fur, 10);
        Blob(canvas, 50 + side * 20, 90, 10, 7, fur);
    });
    Blob(canvas, 50, 68, 22, 24, fur);
    Blob(canvas, 50, 72, 13, 15, kLightGrey);
    PairOf([&](double side) {
        Blob(canvas, 50 + side * 24, 22, 14, 13, fur);
        Dot(canvas, 50 + side * 24, 22, 7, kWhite);
    });
    Blob(canvas, 50, 34, 22, 19, fur);
    Blob(canvas, 50, 38, 6, 9, kInk);
    Eyes(canvas, 50, 30, 22, 3);
}

// A round hippo wading, with its wide square snout and eyes on top of its head.
void Hippo(Canvas& canvas) {
    const Colour skin = Colour::Hex(0xB89AD8);
    CurvedBand(canvas, {10, 52, 4, 54, 4, 60, 2, 62}, skin, 3);
    Legs(canvas, {20, 34, 52, 64}, 70, 94, 13, skin);
    Blob(canvas, 40, 56, 33, 24, skin);
    Blob(canvas, 64, 22, 4, 5, skin);
    Blob(canvas, 70, 28, 7, 7, skin);
    canvas.RoundedBox(58, 28, 36, 28, 13);
    Solid(canvas, skin);
    canvas.RoundedBox(66, 40, 32, 26, 12);
    Solid(canvas, Colour::Hex(0xD8C4F0));
    Line(canvas, 72, 58, 94, 58, kInk, 3);
    for (const double x : {86.0, 93.0}) Dot(canvas, x, 46, 2.2, kInk);
    Eye(canvas, 70, 28, 3.2);
}

// A big gorilla sits with its long arms down to the ground on its knuckles.
void Gorilla(Canvas& canvas) {
    const Colour fur = Colour::Hex(0x5A5468);
    const Colour light = Colour::Hex(0xA89DB8);
    PairOf([&](double side) {
        CurvedBand(canvas,
                   {50 + side * 24, 38, 50 + side * 38, 54, 50 + side * 40, 74, 50 + side * 36, 86},
                   fur, 14);
        Blob(canvas, 50 + side * 36, 90, 8, 6, fur);
        Blob(canvas, 50 + side * 16, 86, 14, 10, fur);
    });
    Blob(canvas, 50, 56, 28, 30, fur);
    Blob(canvas, 50, 62, 16, 18, light);
    Blob(canvas, 50, 12, 8, 6, fur);
    Blob(canvas, 50, 25, 16, 15, fur);
    Blob(canvas, 50, 29, 11, 10, light);
    Line(canvas, 42, 21, 58, 21, kInk, 4);
    Eyes(canvas, 50, 25, 10, 2.5);
    for (const double x : {48.0, 52.0}) Dot(canvas, x, 31, 1.5, kInk);
}

void Flamingo(Canvas& canvas) {
    Line(canvas, 50, 66, 50, 98, kInk, 3);
    Line(canvas, 50, 82, 40, 92, kInk, 3);
    CurvedBand(canvas, {38, 56, 22, 40, 58, 36, 44, 18}, Palette::kPink, 5);
    Blob(canvas, 54, 58, 26, 16, Palette::kPink);
    Leaf(canvas, 46, 56, 26, 0.1, Palette::kPink.Darker(0.85));
    Blob(canvas, 46, 16, 10, 10, Palette::kPink);
    canvas.Polygon({52, 12, 70, 20, 62, 28, 52, 20});
    Solid(canvas, kWhite);
    Eye(canvas, 44, 14, 2.5);
}

// The scene's colours: soft so that the animals stand out on them.
constexpr Colour kSoftInk = Colour::Hex(0x6B6380);
constexpr Colour kWater = Colour::Hex(0xA6DCF5);
constexpr Colour kRock = Colour::Hex(0xD9C7A8);
constexpr Colour kLeaves = Colour::Hex(0x8ED07A);
constexpr Colour kBark = Colour::Hex(0xC9A07A);

// A soft shadow on the ground where an animal stands.
void Shadow(Canvas& canvas, double x, double y, double width) {
    canvas.Ellipse(x, y, width / 2, 6);
    canvas.FillPath(Colour::Hex(0x8CBF64));
}

void Pool(Canvas& canvas, double x, double y, double radiusX, double radiusY) {
    canvas.Ellipse(x, y, radiusX, radiusY);
    canvas.FillAndOutline(kWater, kSoftInk, 2.5);
    for (const double dx : {-0.5, 0.1, 0.5}) {
        Line(canvas, x + dx * radiusX - 12, y + dx * radiusY * 0.6, x + dx * radiusX + 12,
             y + dx * radiusY * 0.6, kWhite, 3);
    }
}

void Trunk(Canvas& canvas, double x, double topY, double bottomY, double width) {
    canvas.RoundedBox(x - width / 2, topY, width, bottomY - topY, width * 0.3);
    canvas.FillAndOutline(kBark, kSoftInk, 2.5);
}

// The lion's rock at the far left, flat on top where he stands.
void LionRock(Canvas& canvas) {
    canvas.Polygon({-10, 110, 30, 104, 74, 110, 96, 150, 116, 236, -10, 236});
    canvas.FillAndOutline(kRock, kSoftInk, 2.5);
    Line(canvas, 40, 140, 60, 170, kRock.Darker(0.85), 3);
    Line(canvas, 20, 190, 44, 200, kRock.Darker(0.85), 3);
    // A snail climbing the rock.
    Line(canvas, 74, 206, 98, 206, kTan, 5);
    canvas.Circle(86, 198, 8);
    canvas.FillAndOutline(Palette::kPink.Lighter(0.3), kSoftInk, 2);
    canvas.Circle(86, 198, 3.5);
    canvas.StrokePath(kSoftInk, 1.5);
}

// The monkey's tree with its long branch, and the koala's gum tree.
void Trees(Canvas& canvas) {
    SoftScenery::Puff(
        canvas, {{430, 80, 54, 54}, {500, 60, 50, 50}, {540, 110, 40, 40}, {380, 110, 36, 36}},
        kLeaves, kSoftInk);
    Trunk(canvas, 492, 100, 262, 26);
    Band(canvas, 490, 170, 346, 154, kBark, 10);
    SoftScenery::Puff(
        canvas, {{712, 110, 50, 50}, {780, 140, 44, 44}, {670, 150, 34, 34}, {760, 80, 36, 36}},
        Colour::Hex(0xA5D9A0), kSoftInk);
    Trunk(canvas, 712, 130, 296, 24);
}

void Acacia(Canvas& canvas) {
    Trunk(canvas, 130, 392, 500, 14);
    canvas.Ellipse(130, 392, 76, 15);
    canvas.FillAndOutline(kLeaves, kSoftInk, 2.5);
}

// A clump of bamboo behind the panda: stalks with leaves at their joints.
void Bamboo(Canvas& canvas) {
    const Colour stalk = Colour::Hex(0xB9DE8C);
    for (const auto& [x, top] : {std::pair{326.0, 360.0}, {352.0, 330.0}, {430.0, 350.0}}) {
        canvas.RoundedBox(x - 5, top, 10, 500 - top, 4);
        canvas.FillAndOutline(stalk, kSoftInk, 2);
        for (const double y : {top + 30, top + 70}) {
            Line(canvas, x - 5, y, x + 5, y, kSoftInk, 2);
            canvas.Ellipse(x + 14, y - 6, 13, 5);
            canvas.Ellipse(x - 14, y - 12, 13, 5);
            canvas.FillAndOutline(stalk.Darker(0.9), kSoftInk, 2);
        }
    }
}

void Sign(Canvas& canvas) {
    for (const double x : {168.0, 272.0}) Trunk(canvas, x, 150, 236, 10);
    canvas.RoundedBox(146, 118, 148, 44, 12);
    canvas.FillAndOutline(Palette::kSun.Lighter(0.4), kSoftInk, 2.5);
    canvas.Text("ZOO", 220, 141, 30, kSoftInk);
}

void Path(Canvas& canvas) {
    cairo_t* context = canvas.Context();
    for (const auto& [colour, width] :
         {std::pair{Colour::Hex(0xC9B48A), 66.0}, {Colour::Hex(0xF2E2B8), 60.0}}) {
        cairo_move_to(context, 560, 230);
        cairo_curve_to(context, 420, 300, 560, 380, 470, SceneKit::kHeight + 10);
        canvas.StrokePath(colour, width);
    }
}

// Far-off things for a child to find: birds, a kite, a butterfly, flowers.
void Details(Canvas& canvas) {
    for (const auto& [x, y] : {std::pair{300.0, 70.0}, {330.0, 56.0}, {620.0, 40.0}}) {
        Line(canvas, x - 8, y - 4, x, y, kSoftInk, 2);
        Line(canvas, x, y, x + 8, y - 4, kSoftInk, 2);
    }
    canvas.Polygon({240, 40, 252, 56, 240, 74, 228, 56});
    canvas.FillAndOutline(Palette::kPink.Lighter(0.4), kSoftInk, 2);
    cairo_move_to(canvas.Context(), 240, 74);
    cairo_curve_to(canvas.Context(), 230, 110, 260, 130, 250, 180);
    canvas.StrokePath(kSoftInk, 1.5);
    for (const auto& [x, y, colour] : {std::tuple{60.0, 540.0, Palette::kWhite},
                                       {300.0, 560.0, Palette::kPink},
                                       {640.0, 540.0, Palette::kWhite},
                                       {780.0, 470.0, Palette::kSun.Lighter(0.3)},
                                       {560.0, 300.0, Palette::kPink},
                                       {120.0, 290.0, Palette::kWhite}}) {
        SceneKit::Daisy(canvas, x, y, colour);
    }
    for (const auto& [x, y] : {std::pair{40.0, 440.0}, {740.0, 560.0}, {620.0, 470.0}}) {
        SceneKit::Bush(canvas, x, y, 50, Colour::Hex(0x9AD67F));
    }
}

// The visitors' rope railing along the front, open where the path comes in.
void Railing(Canvas& canvas) {
    for (const auto& [from, to] : {std::pair{10.0, 400.0}, {540.0, 840.0}}) {
        cairo_t* context = canvas.Context();
        for (double x = from; x + 65 <= to; x += 65) {
            cairo_move_to(context, x, 538);
            cairo_curve_to(context, x + 20, 556, x + 45, 556, x + 65, 538);
        }
        canvas.StrokePath(Colour::Hex(0xE0A070), 4);
        for (double x = from; x <= to; x += 65) {
            canvas.RoundedBox(x - 6, 530, 12, 60, 4);
            canvas.FillAndOutline(kBark, kSoftInk, 2.5);
            canvas.Circle(x, 530, 8);
            canvas.FillAndOutline(Palette::kSun.Lighter(0.4), kSoftInk, 2);
        }
    }
}

void Scene(Canvas& canvas) {
    SceneKit::Sky(canvas, Colour::Hex(0xB3E0FF), Palette::kPaleSky, SceneKit::kHeight);
    SceneKit::Cloud(canvas, 400, 40, 30);
    SceneKit::Cloud(canvas, 620, 70, 24);
    SceneKit::Hill(canvas, 640, 215, 320, 56, Colour::Hex(0xBFE3A5));
    SceneKit::Hill(canvas, 180, 225, 240, 46, Colour::Hex(0xC8E8B0));
    SceneKit::Ground(canvas, 205, Colour::Hex(0xCDEBA4), Colour::Hex(0xA8D67F));
    Trees(canvas);
    LionRock(canvas);
    Sign(canvas);
    Path(canvas);
    Details(canvas);
    Pool(canvas, 226, 344, 104, 34);
    Pool(canvas, 770, 372, 74, 22);
    Acacia(canvas);
    Bamboo(canvas);
    for (const auto& [x, y, width] : {std::tuple{606.0, 207.0, 70.0},
                                      {664.0, 414.0, 70.0},
                                      {255.0, 480.0, 60.0},
                                      {376.0, 500.0, 70.0},
                                      {545.0, 500.0, 80.0}}) {
        Shadow(canvas, x, y, width);
    }
    Railing(canvas);
}

}  // namespace

PageTheme Themes::Zoo() {
    return {"The zoo",
            Palette::kOrange,
            Scene,
            {
                {"lion", Lion},
                {"elephant", Elephant},
                {"tiger", Tiger},
                {"monkey", Monkey},
                {"panda", Panda},
                {"giraffe", Giraffe},
                {"koala", Koala},
                {"hippo", Hippo},
                {"gorilla", Gorilla},
                {"flamingo", Flamingo},
            }};
}
