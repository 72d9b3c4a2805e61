// Page 13: the woods.

#include "content/themes/Themes.h"

#include <cairo.h>

#include <cmath>
#include <cstdint>
#include <tuple>
#include <utility>
#include <vector>

#include "content/AnimalParts.h"
#include "content/DesignKit.h"
#include "content/SceneKit.h"

namespace {

using namespace DesignKit;
using namespace AnimalParts;

// A fox trotting along: pointed snout and ears, black socks and a bushy white-tipped tail.
void Fox(Canvas& canvas) {
    const Colour coat = Colour::Hex(0xF26B2A);
    TiltedBlob(canvas, 18, 50, 20, 9, -0.7, coat);
    TiltedBlob(canvas, 6, 38, 7, 6, -0.7, kWhite);
    Legs(canvas, {30, 40, 58, 66}, 64, 96, 7, Colour::Hex(0x5A3A2A));
    Blob(canvas, 48, 60, 25, 12, coat);
    Blob(canvas, 66, 64, 8, 7, kWhite);
    for (const double x : {64.0, 76.0}) {
        canvas.Polygon({x - 6, 36, x, 16, x + 6, 34});
        Solid(canvas, coat);
    }
    Blob(canvas, 72, 44, 13, 12, coat);
    canvas.Polygon({76, 38, 96, 50, 76, 56});
    Solid(canvas, coat);
    canvas.Polygon({74, 52, 94, 52, 78, 58});
    canvas.FillPath(kWhite);
    Dot(canvas, 95, 50, 3.5, kInk);
    Eye(canvas, 76, 42, 2.8);
}

// A hedgehog: a hill of spines, a pointed snout and a shiny black nose.
void Hedgehog(Canvas& canvas) {
    std::vector<double> spines;
    constexpr int32_t kTips = 15;
    for (int32_t point = 0; point <= 2 * kTips; ++point) {
        const double angle = kPi + point * kPi / (2 * kTips);
        const double radius = point % 2 == 0 ? 30 : 42;
        spines.push_back(44 + std::cos(angle) * radius);
        spines.push_back(76 + std::sin(angle) * radius * 0.95);
    }
    canvas.Polygon(spines);
    Solid(canvas, Colour::Hex(0x8A5A3A));
    Legs(canvas, {30, 58}, 82, 96, 7, kTan);
    Blob(canvas, 48, 80, 30, 12, kTan);
    canvas.Polygon({66, 62, 97, 76, 68, 90});
    Solid(canvas, kTan);
    Dot(canvas, 96, 76, 4, kInk);
    Eye(canvas, 74, 70, 3);
}

// An owl on its branch: ear tufts, huge round eyes, wings folded.
void Owl(Canvas& canvas) {
    const Colour feathers = Colour::Hex(0x9A6A45);
    PairOf([&](double side) {
        canvas.Polygon({50 + side * 26, 26, 50 + side * 30, 4, 50 + side * 10, 16});
        Solid(canvas, feathers);
    });
    Blob(canvas, 50, 56, 32, 38, feathers);
    Blob(canvas, 50, 70, 20, 20, kTan);
    for (const auto& [x, y] : {std::pair{44.0, 64.0}, {56.0, 64.0}, {50.0, 74.0}}) {
        Line(canvas, x - 3, y, x, y + 3, feathers, 2.5);
        Line(canvas, x, y + 3, x + 3, y, feathers, 2.5);
    }
    PairOf([&](double side) {
        TiltedBlob(canvas, 50 + side * 28, 64, 9, 24, side * -0.2, feathers.Darker(0.85));
        Blob(canvas, 50 + side * 12, 38, 12, 12, kWhite);
        Eye(canvas, 50 + side * 12, 39, 5.5);
        Dot(canvas, 50 + side * 8, 95, 4, Palette::kOrange);
    });
    canvas.Polygon({45, 46, 55, 46, 50, 58});
    Solid(canvas, Palette::kOrange);
}

// A deer with branching antlers, long thin legs and a white tail.
void Deer(Canvas& canvas) {
    const Colour coat = Colour::Hex(0xC98A52);
    Blob(canvas, 14, 50, 5, 7, kWhite);
    Legs(canvas, {22, 30, 52, 60}, 60, 97, 6, coat);
    Blob(canvas, 38, 56, 25, 13, coat);
    canvas.Polygon({52, 54, 62, 30, 74, 32, 66, 62});
    Solid(canvas, coat);
    for (const auto& [x1, y1, x2, y2] : {std::tuple{66.0, 22.0, 56.0, 2.0},
                                         {61.0, 12.0, 50.0, 10.0},
                                         {72.0, 22.0, 80.0, 2.0},
                                         {76.0, 12.0, 88.0, 10.0}}) {
        Band(canvas, x1, y1, x2, y2, kTan, 3);
    }
    TiltedBlob(canvas, 60, 24, 8, 4, -0.5, coat);
    TiltedBlob(canvas, 78, 32, 13, 8, 0.4, coat);
    Dot(canvas, 88, 38, 3, kInk);
    for (const auto& [x, y] : {std::pair{28.0, 50.0}, {38.0, 47.0}, {48.0, 50.0}}) {
        Dot(canvas, x, y, 2.5, kWhite);
    }
    Eye(canvas, 76, 29, 2.6);
}

// A squirrel sitting up on its log with an acorn, its huge tail curled behind.
void Squirrel(Canvas& canvas) {
    const Colour fur = Colour::Hex(0xD9733A);
    CurvedBand(canvas, {44, 88, 6, 84, 4, 40, 30, 22}, fur, 20);
    Blob(canvas, 32, 22, 12, 10, fur);
    Blob(canvas, 58, 68, 18, 24, fur);
    Blob(canvas, 62, 72, 10, 16, Palette::kCream);
    Blob(canvas, 62, 94, 13, 4, fur);
    canvas.Polygon({56, 30, 58, 12, 68, 26});
    Solid(canvas, fur);
    Blob(canvas, 66, 38, 15, 13, fur);
    Eye(canvas, 72, 34, 3);
    Dot(canvas, 80, 40, 2.5, kInk);
    Blob(canvas, 76, 62, 6, 7, Palette::kBrown);
    Blob(canvas, 76, 56, 7, 3.5, kDarkBrown);
    Dot(canvas, 70, 62, 3.5, fur.Darker(0.85));
}

// A red toadstool with white spots and a friendly face.
void Toadstool(Canvas& canvas) {
    canvas.RoundedBox(38, 50, 24, 44, 10);
    Solid(canvas, Palette::kCream);
    cairo_new_path(canvas.Context());
    cairo_arc(canvas.Context(), 50, 54, 42, kPi, 2 * kPi);
    cairo_close_path(canvas.Context());
    Solid(canvas, Palette::kRed);
    for (const auto& [x, y, r] :
         {std::tuple{30.0, 40.0, 6.0}, {52.0, 26.0, 7.0}, {72.0, 42.0, 5.0}})
        Dot(canvas, x, y, r, kWhite);
    Eyes(canvas, 50, 70, 10, 2.5);
}

// A big brown bear on all fours, with a hump on its shoulders.
void Bear(Canvas& canvas) {
    const Colour fur = Colour::Hex(0x8A5A3A);
    Legs(canvas, {20, 34, 58, 72}, 60, 96, 14, fur);
    Blob(canvas, 56, 40, 18, 13, fur);
    Blob(canvas, 44, 58, 36, 22, fur);
    Blob(canvas, 74, 38, 5, 5, fur);
    Blob(canvas, 80, 52, 15, 14, fur);
    Blob(canvas, 92, 58, 7, 6, kTan);
    Dot(canvas, 97, 55, 3, kInk);
    Eye(canvas, 82, 47, 3);
}

// The scene's colours: soft so that the animals stand out on them.
constexpr Colour kSoftInk = Colour::Hex(0x5F6B58);
constexpr Colour kBark = Colour::Hex(0xB48A66);
constexpr Colour kLeaves = Colour::Hex(0x7CC47A);

void SoftTrunk(Canvas& canvas, double x, double top, double bottom, double width, Colour bark) {
    canvas.RoundedBox(x - width / 2, top, width, bottom - top, width * 0.3);
    canvas.FillAndOutline(bark, kSoftInk, 2.5);
    Line(canvas, x - width * 0.15, top + 60, x - width * 0.15, top + 120, bark.Darker(0.85), 3);
}

// Far trees, pale as if in mist, then the nearer trees and the leafy roof.
void Trees(Canvas& canvas) {
    const Colour far = Colour::Hex(0xC8E2BE);
    for (const double x : {90.0, 200.0, 420.0, 540.0, 610.0}) {
        SoftTrunk(canvas, x, -10, 330, 18, far.Darker(0.85));
    }
    for (double x = -40; x < SceneKit::kWidth + 60; x += 110) {
        canvas.Circle(x, 20 + (static_cast<int32_t>(x) % 220 == 70 ? 30 : 0), 80);
    }
    canvas.FillAndOutline(kLeaves, kSoftInk, 2.5);
    SoftTrunk(canvas, 250, -10, 350, 36, kBark);
}

// The two near trunks stand in front of everything, one with the owl's branch.
void NearTrees(Canvas& canvas) {
    SoftTrunk(canvas, 24, -10, 440, 48, kBark);
    SoftTrunk(canvas, 744, -10, 440, 56, kBark);
    canvas.Polygon({724, 318, 570, 328, 570, 340, 724, 346});
    canvas.FillAndOutline(kBark, kSoftInk, 2.5);
    for (const double turn : {-2.2, -1.2}) Leaf(canvas, 574, 332, 22, turn, Colour::Hex(0x9AD68A));
}

// The squirrel's fallen log.
void Log(Canvas& canvas) {
    canvas.RoundedBox(500, 470, 150, 34, 16);
    canvas.FillAndOutline(kBark, kSoftInk, 2.5);
    canvas.Ellipse(650, 487, 12, 17);
    canvas.FillAndOutline(Colour::Hex(0xE6C8A0), kSoftInk, 2.5);
    canvas.Ellipse(650, 487, 5, 8);
    canvas.StrokePath(kBark, 2);
}

void Path(Canvas& canvas) {
    cairo_t* context = canvas.Context();
    cairo_move_to(context, 470, 330);
    cairo_curve_to(context, 420, 420, 560, 520, 420, SceneKit::kHeight + 10);
    canvas.StrokePath(Colour::Hex(0xD9BE92), 54);
}

// The heap of fallen leaves the hedgehog snuffles in.
void LeafPile(Canvas& canvas) {
    uint32_t seed = 5;
    for (int32_t leaf = 0; leaf < 26; ++leaf) {
        seed = seed * 1103515245u + 12345u;
        const double x = 30 + (seed >> 8) % 140;
        seed = seed * 1103515245u + 12345u;
        const double y = 480 + (seed >> 8) % 30;
        const Colour colour = leaf % 2 == 0 ? Colour::Hex(0xF2B36B) : Colour::Hex(0xE88A5A);
        canvas.Ellipse(x, y, 9, 5);
        canvas.FillAndOutline(colour, kSoftInk, 1.5);
    }
}

// Ferns along the front and white flowers in the grass.
void Undergrowth(Canvas& canvas) {
    for (const auto& [x, y] : {std::pair{330.0, 560.0}, {600.0, 560.0}, {820.0, 560.0}}) {
        for (const double turn : {-2.6, -2.0, -1.2, -0.6}) {
            Leaf(canvas, x, y, 40, turn, Colour::Hex(0x8ED07A));
        }
    }
    for (const auto& [x, y] : {std::pair{160.0, 380.0}, {540.0, 380.0}, {300.0, 470.0}}) {
        SceneKit::Daisy(canvas, x, y, Palette::kWhite);
    }
}

// Small things to find: a snail at the foot of a tree, a bird's nest with eggs.
void SnailAndNest(Canvas& canvas) {
    canvas.Circle(40, 428, 8);
    canvas.FillAndOutline(Colour::Hex(0xF5C0C8), kSoftInk, 2);
    Line(canvas, 28, 438, 50, 438, kTan, 4);
    canvas.Ellipse(250, 160, 22, 9);
    canvas.FillAndOutline(Colour::Hex(0xC9A070), kSoftInk, 2);
    for (const double x : {242.0, 256.0}) Dot(canvas, x, 148, 5, Colour::Hex(0xDDF0FF));
}

void Scene(Canvas& canvas) {
    SceneKit::Sky(canvas, Colour::Hex(0xCDEBCB), Colour::Hex(0xEAF6DE), SceneKit::kHeight);
    Trees(canvas);
    SceneKit::Ground(canvas, 320, Colour::Hex(0xB2DB92), Colour::Hex(0x8CC56A));
    Path(canvas);
    for (const auto& [x, y] : {std::pair{150.0, 340.0}, {560.0, 350.0}, {820.0, 360.0}}) {
        SceneKit::Bush(canvas, x, y, 60, Colour::Hex(0x8ED07A));
    }
    NearTrees(canvas);
    Log(canvas);
    LeafPile(canvas);
    Undergrowth(canvas);
    SnailAndNest(canvas);
}

}  // namespace

PageTheme Themes::Woods() {
    return {"The woods",
            Palette::kDarkGrass,
            Scene,
            {
                {"fox", Fox},
                {"hedgehog", Hedgehog},
                {"owl", Owl},
                {"deer", Deer},
                {"squirrel", Squirrel},
                {"toadstool", Toadstool},
                {"bear", Bear},
            }};
}
