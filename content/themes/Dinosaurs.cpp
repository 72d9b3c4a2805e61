// Page 23: dinosaurs.

#include "content/themes/Themes.h"

#include <cairo.h>

#include <initializer_list>
#include <tuple>
#include <utility>

#include "content/DesignKit.h"
#include "content/SceneKit.h"

namespace {

using namespace DesignKit;
using SceneKit::kHeight;

// Pillar legs from `top` down to the ground line of the design.
void Legs(Canvas& canvas, std::initializer_list<double> xs, double top, double width, Colour skin) {
    for (const double x : xs) {
        canvas.RoundedBox(x - width / 2, top, width, 94 - top, width * 0.4);
        Solid(canvas, skin.Darker(0.85));
    }
}

// A tail tapering from the body at (fromX, fromY) to a point at (toX, toY).
void Tail(Canvas& canvas, double fromX, double fromY, double toX, double toY, double thickness,
          Colour skin) {
    canvas.Polygon({fromX, fromY - thickness, toX, toY, fromX, fromY + thickness});
    Solid(canvas, skin);
}

// A small head with its eye towards the way the dinosaur faces (-1 left, +1 right).
void Head(Canvas& canvas, double x, double y, double radiusX, double radiusY, double facing,
          Colour skin) {
    canvas.Ellipse(x, y, radiusX, radiusY);
    Solid(canvas, skin);
    Eyes(canvas, x + facing * 2.5, y - 2.5, 0, 2.6);
}

// A tall long-neck on pillar legs, its small head high up at the end of its neck.
void Brachiosaurus(Canvas& canvas) {
    const Colour skin = Palette::kGreen;
    Tail(canvas, 26, 64, 2, 84, 9, skin);
    Legs(canvas, {26, 38}, 66, 11, skin);
    Legs(canvas, {56, 68}, 60, 12, skin);
    Band(canvas, 62, 58, 80, 14, skin, 14);
    canvas.Ellipse(44, 62, 28, 18);
    Solid(canvas, skin);
    Head(canvas, 84, 12, 14, 9, 1, skin);
    for (const auto& [x, y] : {std::pair{36.0, 56.0}, {50.0, 52.0}, {44.0, 66.0}}) {
        Dot(canvas, x, y, 3.5, kLime);
    }
}

// The big hunter on two strong legs: a huge head full of teeth and tiny arms.
void TRex(Canvas& canvas) {
    const Colour skin = Palette::kRed;
    canvas.Polygon({34, 48, 2, 92, 44, 70});
    Solid(canvas, skin);
    for (const double x : {38.0, 58.0}) {
        Band(canvas, x, 70, x - 2, 90, skin.Darker(0.85), 8);
        canvas.RoundedBox(x - 10, 86, 18, 8, 4);
        Solid(canvas, skin.Darker(0.85));
    }
    canvas.Ellipse(48, 58, 20, 24);
    Solid(canvas, skin);
    canvas.Ellipse(52, 64, 10, 16);
    canvas.FillPath(Palette::kCream);
    Band(canvas, 64, 54, 74, 60, skin, 4);
    canvas.RoundedBox(40, 6, 56, 32, 12);
    Solid(canvas, skin);
    canvas.Polygon({58, 28, 96, 28, 96, 32, 58, 32});
    canvas.FillPath(kInk);
    for (const double x : {66.0, 76.0, 86.0}) {
        canvas.Polygon({x, 28, x + 5, 28, x + 2.5, 34});
        canvas.FillPath(kWhite);
    }
    Eyes(canvas, 62, 16, 0, 3.6);
    Dot(canvas, 88, 14, 2, kInk);
}

// A plated back: big diamond plates along an arched back and spikes at the end of the tail.
void Stegosaurus(Canvas& canvas) {
    const Colour skin = Palette::kPurple;
    for (const auto& [x, height] :
         {std::tuple{26.0, 20.0}, {40.0, 28.0}, {54.0, 30.0}, {68.0, 24.0}, {80.0, 16.0}}) {
        const double base = 54 - (height - 16) * 0.4;
        canvas.Polygon({x - 8, base, x, base - height, x + 8, base, x, base + 6});
        Solid(canvas, Palette::kOrange);
    }
    for (const double x : {92.0, 98.0}) {
        canvas.Polygon({x - 6, 64, x, 46, x + 1, 66});
        Solid(canvas, Palette::kCream);
    }
    Tail(canvas, 76, 66, 98, 64, 8, skin);
    Legs(canvas, {28, 40, 62, 74}, 70, 11, skin);
    cairo_t* context = canvas.Context();
    cairo_new_path(context);
    cairo_move_to(context, 14, 74);
    cairo_curve_to(context, 22, 36, 74, 32, 86, 66);
    cairo_curve_to(context, 70, 84, 30, 84, 14, 74);
    Solid(canvas, skin);
    Head(canvas, 12, 76, 11, 8, -1, skin);
}

// Three horns over a beak and a great frill behind the head.
void Triceratops(Canvas& canvas) {
    const Colour skin = Palette::kBlue;
    Tail(canvas, 22, 62, 2, 70, 9, skin);
    Legs(canvas, {24, 38, 52, 62}, 68, 12, skin);
    canvas.Ellipse(40, 62, 28, 20);
    Solid(canvas, skin);
    canvas.Star(64, 44, 30, 27, 14, 0.1);
    Solid(canvas, Palette::kOrange);
    canvas.Circle(64, 44, 16);
    canvas.FillPath(Palette::kSun);
    canvas.Ellipse(80, 58, 16, 13);
    Solid(canvas, skin);
    canvas.Polygon({92, 56, 99, 66, 88, 70});
    Solid(canvas, Palette::kCream.Darker(0.9));
    for (const auto& [rootX, tipX, tipY] :
         {std::tuple{72.0, 92.0, 22.0}, {82.0, 99.0, 30.0}, {90.0, 97.0, 44.0}}) {
        canvas.Polygon({rootX - 4, 52, tipX, tipY, rootX + 4, 54});
        Solid(canvas, Palette::kCream);
    }
    Eyes(canvas, 78, 54, 0, 3);
}

// A flying reptile on wide skin wings, with a long beak and a crest behind its head.
void Pterodactyl(Canvas& canvas) {
    const Colour skin = Palette::kOrange;
    cairo_t* context = canvas.Context();
    PairOf([&](double side) {
        cairo_new_path(context);
        cairo_move_to(context, 50, 44);
        cairo_line_to(context, 50 + side * 48, 26);
        cairo_curve_to(context, 50 + side * 40, 40, 50 + side * 36, 44, 50 + side * 30, 50);
        cairo_curve_to(context, 50 + side * 24, 50, 50 + side * 18, 56, 50 + side * 12, 64);
        cairo_close_path(context);
        Solid(canvas, skin);
    });
    for (const double x : {44.0, 56.0}) Band(canvas, x, 66, x, 76, skin.Darker(0.85), 3);
    canvas.Ellipse(50, 56, 10, 16);
    Solid(canvas, skin.Lighter(0.3));
    canvas.Polygon({48, 26, 24, 10, 44, 34});
    Solid(canvas, Palette::kRed);
    canvas.Polygon({56, 26, 94, 34, 56, 38});
    Solid(canvas, Palette::kSun);
    canvas.Circle(52, 32, 10);
    Solid(canvas, skin);
    Eyes(canvas, 54, 29, 0, 2.6);
}

// A low armoured back with spikes along its sides and a bony club at the end of the tail.
void Ankylosaurus(Canvas& canvas) {
    const Colour skin = Colour::Hex(0xD6A64B);
    // The club tail swings high, the way it warns others off.
    Band(canvas, 24, 64, 10, 30, skin, 7);
    canvas.Ellipse(10, 26, 9, 8);
    Solid(canvas, skin.Darker(0.8));
    Legs(canvas, {26, 38, 64, 76}, 72, 11, skin);
    for (const double x : {18.0, 32.0, 46.0, 60.0, 74.0, 86.0}) {
        canvas.Polygon({x - 5, 70, x, 84, x + 5, 70});
        Solid(canvas, Palette::kCream);
    }
    cairo_t* context = canvas.Context();
    cairo_new_path(context);
    cairo_move_to(context, 12, 74);
    cairo_curve_to(context, 16, 32, 84, 32, 90, 74);
    cairo_close_path(context);
    Solid(canvas, skin);
    for (const auto& [x, y] : {std::pair{30.0, 54.0},
                               {44.0, 46.0},
                               {58.0, 46.0},
                               {72.0, 54.0},
                               {38.0, 64.0},
                               {52.0, 60.0},
                               {66.0, 64.0}}) {
        canvas.Polygon({x - 5, y + 4, x, y - 6, x + 5, y + 4});
        Solid(canvas, Palette::kBrown);
    }
    Head(canvas, 90, 72, 10, 8, 1, skin);
}

// A duck-billed dinosaur with a long crest sweeping back from its head.
void Duckbill(Canvas& canvas) {
    const Colour skin = Palette::kPink;
    Tail(canvas, 34, 58, 2, 46, 9, skin);
    for (const double x : {40.0, 52.0}) {
        Band(canvas, x, 66, x - 4, 90, skin.Darker(0.85), 8);
    }
    Band(canvas, 58, 54, 72, 28, skin, 10);
    canvas.Ellipse(46, 60, 20, 15);
    Solid(canvas, skin);
    Band(canvas, 62, 64, 68, 74, skin, 3);
    Band(canvas, 72, 22, 46, 6, Palette::kOrange, 6);
    canvas.RoundedBox(78, 24, 20, 10, 5);
    Solid(canvas, Palette::kSun);
    Head(canvas, 76, 26, 12, 9, 1, skin);
    for (const double x : {38.0, 48.0}) Line(canvas, x, 48, x - 2, 56, skin.Darker(0.75), 3);
}

// A fish hunter with a tall ribbed sail on its back and a long crocodile snout.
void Spinosaurus(Canvas& canvas) {
    const Colour skin = kTeal;
    cairo_t* context = canvas.Context();
    cairo_new_path(context);
    cairo_move_to(context, 30, 54);
    cairo_curve_to(context, 28, 0, 74, 0, 74, 54);
    cairo_close_path(context);
    Solid(canvas, Palette::kRed);
    for (const double x : {40.0, 52.0, 64.0}) {
        Line(canvas, 52, 54, x, 14, Palette::kRed.Darker(0.8), 3);
    }
    Tail(canvas, 70, 58, 98, 80, 8, skin);
    for (const double x : {44.0, 60.0}) {
        Band(canvas, x, 66, x + 2, 90, skin.Darker(0.85), 8);
    }
    canvas.Ellipse(52, 60, 24, 15);
    Solid(canvas, skin);
    canvas.RoundedBox(2, 38, 30, 11, 5);
    Solid(canvas, skin);
    canvas.Circle(28, 42, 10);
    Solid(canvas, skin);
    Band(canvas, 32, 52, 28, 46, skin, 8);
    Line(canvas, 4, 46, 22, 46, kInk, 2);
    Eyes(canvas, 26, 39, 0, 2.6);
}

// A sea reptile swimming: flippers, a round body and a long neck curving out of the water.
void Plesiosaur(Canvas& canvas) {
    const Colour skin = Colour::Hex(0x5BA7E8);
    for (const auto& [x, turn] : {std::pair{34.0, 2.4}, {70.0, 0.6}}) {
        Leaf(canvas, x, 80, 24, turn, skin.Darker(0.85));
    }
    Tail(canvas, 76, 72, 98, 70, 7, skin);
    canvas.Ellipse(54, 72, 28, 15);
    Solid(canvas, skin);
    cairo_t* context = canvas.Context();
    for (const auto& [colour, width] : {std::pair{kInk, 20.0}, {skin, 12.0}}) {
        cairo_move_to(context, 40, 68);
        cairo_curve_to(context, 20, 60, 40, 30, 22, 18);
        canvas.StrokePath(colour, width);
    }
    canvas.Ellipse(20, 14, 12, 9);
    Solid(canvas, skin);
    Eyes(canvas, 16, 11, 0, 2.6);
    Grin(canvas, 14, 20, 4);
    canvas.Ellipse(54, 76, 18, 6);
    canvas.FillPath(skin.Lighter(0.5));
}

// A speckled egg with a baby dinosaur looking out of its broken top.
void DinoEgg(Canvas& canvas) {
    const Colour skin = Palette::kGreen;
    canvas.Circle(50, 34, 18);
    Solid(canvas, skin);
    Eyes(canvas, 50, 32, 14, 3.2);
    Grin(canvas, 50, 42, 5);
    cairo_t* context = canvas.Context();
    cairo_new_path(context);
    cairo_move_to(context, 22, 52);
    cairo_line_to(context, 32, 44);
    cairo_line_to(context, 42, 54);
    cairo_line_to(context, 52, 44);
    cairo_line_to(context, 62, 54);
    cairo_line_to(context, 72, 44);
    cairo_line_to(context, 78, 52);
    cairo_curve_to(context, 84, 90, 60, 96, 50, 96);
    cairo_curve_to(context, 40, 96, 16, 90, 22, 52);
    cairo_close_path(context);
    Solid(canvas, Palette::kCream);
    for (const double x : {36.0, 58.0, 48.0}) Dot(canvas, x, x == 48.0 ? 84 : 70, 4, skin);
}

constexpr Colour kRock = Colour::Hex(0xC79A7A);
constexpr Colour kFarRock = Colour::Hex(0xDDB89A);
constexpr Colour kMeadow = Colour::Hex(0xA8D86E);

void Volcano(Canvas& canvas, double x, double base, double width, double height) {
    canvas.Polygon({x - width / 2, base, x - width * 0.12, base - height, x + width * 0.12,
                    base - height, x + width / 2, base});
    canvas.FillAndOutline(Colour::Hex(0xB09080), kInk, 3);
    canvas.Polygon({x - width * 0.12, base - height, x + width * 0.12, base - height,
                    x + width * 0.2, base - height * 0.72, x, base - height * 0.8, x - width * 0.2,
                    base - height * 0.7});
    canvas.FillAndOutline(Palette::kOrange, kInk, 3);
    for (const double puff : {0.0, 1.0, 2.0}) {
        canvas.Circle(x + puff * 18 - 10, base - height - 22 - puff * 20, 14 + puff * 4);
    }
    canvas.FillAndOutline(Palette::kWhite.Darker(0.92), kInk.Lighter(0.5), 2.5);
}

void Fern(Canvas& canvas, double x, double y) {
    for (const double turn : {-2.4, -1.9, -1.57, -1.2, -0.7}) {
        Leaf(canvas, x, y, 46, turn, Palette::kDarkGrass);
    }
}

// A palm-like tree with a scaly trunk and drooping fronds.
void Cycad(Canvas& canvas, double x, double ground, double height) {
    canvas.Polygon({x - 8, ground, x - 4, ground - height, x + 4, ground - height, x + 8, ground});
    canvas.FillAndOutline(Colour::Hex(0xA8743E), kInk, 3);
    for (const double turn : {-2.9, -2.3, -1.6, -0.9, -0.3}) {
        Leaf(canvas, x, ground - height, 60, turn + 0.15, Palette::kGreen.Lighter(0.1));
    }
}

// Warm sky, a smoking volcano far off and flying reptiles small in the distance.
void Distance(Canvas& canvas) {
    SceneKit::Sky(canvas, Colour::Hex(0xFFD9A0), Colour::Hex(0xFFF1D6), kHeight);
    Volcano(canvas, 560, 230, 240, 150);
    SceneKit::Cloud(canvas, 320, 40, 24);
    cairo_t* context = canvas.Context();
    for (const auto& [x, y] : {std::pair{470.0, 40.0}, {500.0, 58.0}, {790.0, 30.0}}) {
        cairo_move_to(context, x - 12, y);
        cairo_line_to(context, x, y + 5);
        cairo_line_to(context, x + 12, y);
    }
    canvas.StrokePath(kInk.Lighter(0.4), 2.5);
    SceneKit::Hill(canvas, 420, 262, 130, 56, kMeadow.Lighter(0.15));
    SceneKit::Hill(canvas, 720, 240, 190, 66, kMeadow.Lighter(0.1));
}

// The plain, with a track of footprints and ferns and trees along it.
void Plain(Canvas& canvas) {
    SceneKit::Ground(canvas, 250, kMeadow, Colour::Hex(0x6FB04A));
    cairo_t* context = canvas.Context();
    for (const auto& [x, y] : {std::pair{330.0, 560.0},
                               {376.0, 530.0},
                               {420.0, 566.0},
                               {466.0, 538.0},
                               {700.0, 560.0},
                               {746.0, 534.0}}) {
        canvas.Ellipse(x, y, 9, 6);
        for (const double toe : {-8.0, 0.0, 8.0}) canvas.Circle(x + toe, y - 9, 3);
    }
    cairo_set_source_rgba(context, 0.3, 0.5, 0.2, 0.35);
    cairo_fill(context);
    Cycad(canvas, 810, 320, 110);
    Cycad(canvas, 660, 410, 70);
    for (const auto& [x, y] :
         {std::pair{230.0, 560.0}, {630.0, 575.0}, {800.0, 470.0}, {420.0, 330.0}}) {
        Fern(canvas, x, y);
    }
}

// A rock of two steps on the left: the armoured dinosaur on its top, the nest on its
// lower step, and a lake at its foot.
void RockAndLake(Canvas& canvas) {
    canvas.Polygon({132, 100, 142, 90, 244, 92, 256, 102, 262, 268, 122, 268});
    canvas.FillAndOutline(kRock, kInk, 3);
    canvas.Polygon({96, 290, 108, 266, 240, 264, 252, 280, 262, 380, 96, 380});
    canvas.FillAndOutline(kFarRock, kInk, 3);
    canvas.Polygon({140, 90, 246, 92, 240, 100, 144, 100});
    canvas.FillPath(kMeadow);
    for (const auto& [x, y] : {std::pair{160.0, 150.0}, {210.0, 190.0}, {190.0, 230.0}}) {
        DesignKit::Line(canvas, x, y, x + 30, y + 8, kRock.Darker(0.8), 3);
    }
    canvas.Ellipse(178, 266, 46, 10);
    canvas.FillAndOutline(Colour::Hex(0xC8A060), kInk, 3);
    canvas.Ellipse(70, 420, 120, 44);
    canvas.FillAndOutline(Palette::kSky, kInk, 3);
    canvas.Ellipse(150, 440, 30, 5);
    canvas.FillPath(Palette::kPaleSky);
    // Ripples where the swimmer breaks the water.
    cairo_t* context = canvas.Context();
    for (const auto& [x, y] : {std::pair{14.0, 420.0}, {112.0, 416.0}, {60.0, 438.0}}) {
        cairo_move_to(context, x - 14, y);
        cairo_curve_to(context, x - 6, y - 6, x + 6, y - 6, x + 14, y);
    }
    canvas.StrokePath(Palette::kWhite, 3);
}

void Scene(Canvas& canvas) {
    Distance(canvas);
    Plain(canvas);
    RockAndLake(canvas);
}

}  // namespace

PageTheme Themes::Dinosaurs() {
    return {"Dinosaurs",
            Palette::kGreen,
            Scene,
            {
                {"brachiosaurus", Brachiosaurus},
                {"t. rex", TRex},
                {"stegosaurus", Stegosaurus},
                {"triceratops", Triceratops},
                {"pterodactyl", Pterodactyl},
                {"dinosaur egg", DinoEgg},
                {"ankylosaurus", Ankylosaurus},
                {"duckbill dino", Duckbill},
                {"spinosaurus", Spinosaurus},
                {"plesiosaur", Plesiosaur},
            }};
}
