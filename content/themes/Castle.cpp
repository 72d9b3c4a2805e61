// Page 10: the fairy-tale castle.

#include "content/themes/Themes.h"

#include <cairo.h>

#include <cstdint>
#include <tuple>

#include "content/DesignKit.h"
#include "content/SceneKit.h"

namespace {

using namespace DesignKit;

constexpr Colour kStone = Colour::Hex(0xD8D2EC);
constexpr Colour kVelvet = Colour::Hex(0xD8344F);

// A golden crown with three jewels, resting on a tasselled velvet cushion.
void Crown(Canvas& canvas) {
    canvas.RoundedBox(6, 70, 88, 24, 10);
    Solid(canvas, kVelvet);
    PairOf([&](double side) {
        Band(canvas, 50 + side * 42, 86, 50 + side * 46, 96, Palette::kSun, 3);
    });
    canvas.Polygon({16, 74, 14, 22, 32, 44, 50, 10, 68, 44, 86, 22, 84, 74});
    Solid(canvas, Palette::kSun);
    for (const auto& [x, y] : {std::tuple{14.0, 20.0}, {50.0, 8.0}, {86.0, 20.0}})
        Dot(canvas, x, y, 5, Palette::kPink);
    for (const auto& [x, colour] :
         {std::tuple{30.0, Palette::kRed}, {50.0, Palette::kBlue}, {70.0, Palette::kGreen}})
        Dot(canvas, x, 60, 6, colour);
}

// A white unicorn standing side on: four legs, a flowing mane and tail, a golden horn.
void Unicorn(Canvas& canvas) {
    const Colour mane = Palette::kPurple.Lighter(0.3);
    cairo_t* context = canvas.Context();
    cairo_move_to(context, 20, 42);
    cairo_curve_to(context, 2, 44, 2, 70, 8, 76);
    cairo_curve_to(context, 12, 64, 14, 54, 22, 50);
    cairo_close_path(context);
    Solid(canvas, mane);
    for (const double x : {26.0, 38.0, 60.0, 72.0}) {
        canvas.RoundedBox(x - 5, 56, 10, 36, 4);
        Solid(canvas, kWhite);
        canvas.RoundedBox(x - 6, 88, 12, 8, 3);
        Solid(canvas, Palette::kPink);
    }
    canvas.Polygon({64, 52, 70, 20, 84, 18, 82, 54});
    Solid(canvas, kWhite);
    canvas.Ellipse(48, 52, 32, 16);
    Solid(canvas, kWhite);
    cairo_move_to(context, 68, 24);
    cairo_curve_to(context, 70, 8, 90, 6, 96, 22);
    cairo_line_to(context, 94, 30);
    cairo_curve_to(context, 86, 30, 80, 26, 76, 32);
    cairo_close_path(context);
    Solid(canvas, kWhite);
    canvas.Polygon({78, 14, 94, 0, 88, 16});
    Solid(canvas, Palette::kSun);
    canvas.Polygon({72, 16, 72, 4, 78, 14});
    Solid(canvas, kWhite);
    cairo_move_to(context, 70, 12);
    cairo_curve_to(context, 56, 20, 60, 40, 62, 52);
    cairo_line_to(context, 70, 44);
    cairo_curve_to(context, 66, 34, 70, 24, 76, 16);
    cairo_close_path(context);
    Solid(canvas, mane);
    Dot(canvas, 84, 18, 2.5, kInk);
    Dot(canvas, 92, 26, 1.5, kInk);
}

// A green frog sitting up, its big eyes on top of its head and its toes spread.
void Frog(Canvas& canvas) {
    const Colour skin = Palette::kGreen;
    PairOf([&](double side) {
        canvas.Ellipse(50 + side * 30, 74, 16, 18);
        Solid(canvas, skin);
        canvas.Ellipse(50 + side * 34, 92, 14, 5);
        Solid(canvas, skin);
        canvas.Circle(50 + side * 20, 20, 14);
        Solid(canvas, skin);
    });
    canvas.Ellipse(50, 62, 30, 32);
    Solid(canvas, skin);
    canvas.Ellipse(50, 70, 18, 20);
    canvas.FillPath(kLime);
    canvas.Ellipse(50, 40, 36, 20);
    Solid(canvas, skin);
    PairOf([&](double side) {
        canvas.Circle(50 + side * 20, 18, 9);
        Solid(canvas, kWhite);
        Dot(canvas, 50 + side * 19, 19, 4.5, kInk);
        canvas.RoundedBox(50 + side * 12 - 5, 84, 10, 12, 4);
        Solid(canvas, skin);
    });
    cairo_t* context = canvas.Context();
    cairo_new_path(context);
    cairo_arc(context, 50, 36, 20, 0.2 * kPi, 0.8 * kPi);
    canvas.StrokePath(kInk, 3);
    Dot(canvas, 30, 46, 4, kSoftPink);
    Dot(canvas, 70, 46, 4, kSoftPink);
}

// A round tower with a pointed roof and a pennant flying from its tip.
void Tower(Canvas& canvas, double x, double top, double width, double bottom) {
    SceneKit::Box(canvas, x, top, width, bottom - top, kStone.Darker(0.95));
    canvas.Polygon({x - 8, top, x + width / 2, top - width * 1.1, x + width + 8, top});
    canvas.FillAndOutline(Palette::kPurple.Lighter(0.3), kInk, 3);
    const double tip = top - width * 1.1;
    Line(canvas, x + width / 2, tip, x + width / 2, tip - 22, kInk, 2.5);
    canvas.Polygon(
        {x + width / 2, tip - 22, x + width / 2 + 22, tip - 16, x + width / 2, tip - 10});
    canvas.FillAndOutline(Palette::kPink, kInk, 2);
    canvas.RoundedBox(x + width / 2 - 7, top + 24, 14, 24, 7);
    canvas.FillAndOutline(Palette::kSun.Lighter(0.4), kInk, 2.5);
}

// The castle on the right: a walled keep with its gate over the moat, a tower either side.
void CastleWalls(Canvas& canvas) {
    canvas.Ellipse(712, 392, 170, 22);
    canvas.FillAndOutline(Palette::kSky.Lighter(0.2), kInk, 3);
    SceneKit::Box(canvas, 610, 200, 200, 180, kStone);
    for (double x = 612; x < 800; x += 28) SceneKit::Box(canvas, x, 184, 18, 20, kStone);
    for (const auto& [x, y] : {std::tuple{640.0, 236.0}, {760.0, 236.0}, {700.0, 220.0}}) {
        canvas.RoundedBox(x - 8, y, 16, 26, 8);
        canvas.FillAndOutline(Palette::kSun.Lighter(0.4), kInk, 2.5);
    }
    canvas.RoundedBox(676, 290, 48, 90, 24);
    canvas.FillAndOutline(Palette::kBrown, kInk, 3);
    canvas.Polygon({676, 380, 724, 380, 740, 412, 660, 412});
    canvas.FillAndOutline(Palette::kBrown.Lighter(0.3), kInk, 3);
    Tower(canvas, 576, 130, 54, 384);
    Tower(canvas, 790, 130, 54, 384);
}

// The wishing well the frog sits on, under its little roof.
void WishingWell(Canvas& canvas) {
    for (const double x : {140.0, 244.0}) SceneKit::Box(canvas, x, 96, 12, 160, Palette::kBrown);
    canvas.Polygon({120, 104, 196, 62, 272, 104});
    canvas.FillAndOutline(Palette::kRed.Lighter(0.3), kInk, 3);
    Line(canvas, 146, 112, 250, 112, kInk, 3);
    SceneKit::Box(canvas, 128, 198, 128, 104, kStone.Darker(0.9));
    for (const auto& [x, y] : {std::tuple{132.0, 224.0},
                               {186.0, 224.0},
                               {158.0, 254.0},
                               {212.0, 254.0},
                               {132.0, 280.0},
                               {186.0, 280.0}}) {
        canvas.RoundedBox(x, y, 50, 22, 4);
        canvas.StrokePath(kStone.Darker(0.7), 2);
    }
    // A snail on the well's wall: something small to find.
    canvas.Circle(236, 272, 7);
    canvas.FillAndOutline(Palette::kOrange.Lighter(0.3), kInk, 1.5);
    canvas.Ellipse(232, 281, 12, 3);
    canvas.FillAndOutline(kTan, kInk, 1.5);
}

// The stone plinth in front, where the crown is kept on its cushion.
void Plinth(Canvas& canvas) {
    SceneKit::Box(canvas, 436, 352, 100, 14, kStone.Darker(0.9));
    SceneKit::Box(canvas, 450, 364, 72, 70, kStone);
    SceneKit::Box(canvas, 436, 430, 100, 14, kStone.Darker(0.9));
    canvas.Polygon({486, 444, 520, 444, 700, 412, 660, 412});
    canvas.FillPath(Palette::kRed.Lighter(0.5));
}

// Round trees and birds on the far hill, and flowers in the near grass.
void Countryside(Canvas& canvas) {
    for (const auto& [x, y] : {std::tuple{270.0, 190.0}, {330.0, 150.0}, {560.0, 160.0}}) {
        SceneKit::Box(canvas, x - 4, y, 8, 24, Palette::kBrown);
        canvas.Circle(x, y - 6, 18);
        canvas.FillAndOutline(Palette::kDarkGrass.Lighter(0.3), kInk, 2.5);
    }
    cairo_t* context = canvas.Context();
    for (const auto& [x, y] : {std::tuple{300.0, 60.0}, {330.0, 44.0}, {90.0, 40.0}}) {
        cairo_move_to(context, x - 10, y);
        cairo_curve_to(context, x - 6, y - 6, x - 2, y - 6, x, y);
        cairo_curve_to(context, x + 2, y - 6, x + 6, y - 6, x + 10, y);
    }
    canvas.StrokePath(kInk.Lighter(0.3), 2.5);
    for (const auto& [x, y] : {std::tuple{60.0, 420.0},
                               {300.0, 470.0},
                               {200.0, 540.0},
                               {620.0, 520.0},
                               {780.0, 480.0},
                               {540.0, 570.0},
                               {90.0, 520.0}}) {
        SceneKit::Daisy(canvas, x, y, Palette::kPink);
    }
    SceneKit::Bush(canvas, 40, 350, 70, Palette::kGreen.Lighter(0.25));
    SceneKit::Bush(canvas, 330, 380, 60, Palette::kGreen.Lighter(0.25));
}

// The sandy path from the castle gate winding down out of the page.
void Path(Canvas& canvas) {
    cairo_t* context = canvas.Context();
    cairo_move_to(context, 680, 410);
    cairo_curve_to(context, 640, 470, 420, 470, 300, 600);
    cairo_line_to(context, 420, 600);
    cairo_curve_to(context, 500, 500, 700, 480, 724, 410);
    cairo_close_path(context);
    canvas.FillAndOutline(kTan.Lighter(0.3), kInk, 2.5);
}

// A low wooden fence along the front of the meadow.
void Fence(Canvas& canvas) {
    for (const double y : {534.0, 556.0}) SceneKit::Box(canvas, -10, y, 270, 9, kTan);
    for (double x = 10; x < 260; x += 40) {
        canvas.Polygon({x, 588, x, 520, x + 8, 512, x + 16, 520, x + 16, 588});
        canvas.FillAndOutline(kTan.Lighter(0.2), kInk, 2.5);
    }
}

void Scene(Canvas& canvas) {
    SceneKit::Sky(canvas, Colour::Hex(0xF7C8E8), Colour::Hex(0xFFF0F6), SceneKit::kHeight);
    SceneKit::Cloud(canvas, 170, 40, 30);
    SceneKit::Cloud(canvas, 700, 44, 26);
    // The unicorn's hill, its top right under the unicorn's hooves.
    SceneKit::Hill(canvas, 452, 420, 330, 310, Palette::kGrass.Lighter(0.3));
    SceneKit::Ground(canvas, 300, Palette::kGrass, Palette::kDarkGrass);
    Path(canvas);
    Countryside(canvas);
    CastleWalls(canvas);
    WishingWell(canvas);
    Plinth(canvas);
    Fence(canvas);
}

}  // namespace

PageTheme Themes::Castle() {
    return {"The fairy-tale castle",
            Palette::kPurple,
            Scene,
            {
                {"crown", Crown},
                {"unicorn", Unicorn},
                {"frog", Frog},
            }};
}
