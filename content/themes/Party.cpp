// Page 4: the birthday party.

#include "content/themes/Themes.h"

#include <cairo.h>

#include <cmath>
#include <cstdint>
#include <string>
#include <tuple>
#include <vector>

#include "content/DesignKit.h"
#include "content/Furniture.h"
#include "content/SceneKit.h"

namespace {

using namespace DesignKit;

// A wrapped box with a big two-loop bow: the shape every child knows as a present.
void Present(Canvas& canvas) {
    canvas.RoundedBox(14, 46, 72, 48, 4);
    Solid(canvas, Palette::kRed);
    for (const auto& [x, y] : {std::tuple{26.0, 60.0}, {72.0, 62.0}, {28.0, 84.0}, {74.0, 84.0}})
        Dot(canvas, x, y, 4, Palette::kRed.Lighter(0.5));
    canvas.RoundedBox(8, 34, 84, 18, 4);
    Solid(canvas, Palette::kRed.Darker(0.85));
    canvas.RoundedBox(43, 34, 14, 60, 1);
    Solid(canvas, Palette::kSun);
    PairOf([&](double side) {
        canvas.Polygon({50, 30, 50 + side * 34, 8, 50 + side * 30, 32});
        Solid(canvas, Palette::kSun);
    });
    canvas.Circle(50, 30, 8);
    Solid(canvas, Palette::kOrange);
}

// Three round balloons whose strings meet in one knot at the bottom, to tie to a chair.
void BalloonBunch(Canvas& canvas) {
    const std::tuple<double, double, Colour> balloons[] = {
        {28, 28, Palette::kRed}, {72, 26, Palette::kBlue}, {50, 46, Palette::kGreen}};
    for (const auto& [x, y, colour] : balloons) Line(canvas, x, y + 26, 50, 96, kInk, 2.5);
    for (const auto& [x, y, colour] : balloons) {
        canvas.Polygon({x, y + 22, x - 5, y + 30, x + 5, y + 30});
        Solid(canvas, colour);
        canvas.Ellipse(x, y, 20, 24);
        Solid(canvas, colour);
        canvas.Ellipse(x - 8, y - 10, 4, 7);
        canvas.FillPath(colour.Lighter(0.6));
    }
}

// A shiny foil heart on a curly ribbon.
void HeartBalloon(Canvas& canvas) {
    cairo_t* context = canvas.Context();
    cairo_move_to(context, 50, 66);
    cairo_curve_to(context, 30, 76, 74, 82, 56, 88);
    cairo_curve_to(context, 44, 92, 60, 98, 62, 98);
    canvas.StrokePath(kInk, 2.5);
    canvas.Heart(50, 36, 64);
    Solid(canvas, Palette::kPink);
    canvas.Heart(38, 22, 14);
    canvas.FillPath(Palette::kPink.Lighter(0.6));
    canvas.Polygon({50, 66, 44, 74, 56, 74});
    Solid(canvas, Palette::kPink.Darker(0.85));
}

// A striped cone with a pompom on its point and a zig-zag brim.
void PartyHat(Canvas& canvas) {
    canvas.Polygon({50, 16, 84, 88, 16, 88});
    Solid(canvas, Palette::kPurple);
    for (const double t : {0.35, 0.6, 0.85}) {
        const double y = 16 + t * 72;
        const double half = t * 34 - 3;
        Band(canvas, 50 - half, y, 50 + half, y - 8, Palette::kSun, 4);
    }
    std::vector<double> brim;
    for (int32_t tooth = 0; tooth <= 8; ++tooth) {
        brim.insert(brim.end(), {12 + tooth * 9.5, tooth % 2 == 0 ? 86.0 : 96.0});
    }
    brim.insert(brim.end(), {88, 84, 12, 84});
    canvas.Polygon(brim);
    Solid(canvas, Palette::kPink);
    canvas.Star(50, 12, 12, 7, 8);
    Solid(canvas, Palette::kSun);
}

// A two-tier cake with three lit candles.
void BirthdayCake(Canvas& canvas) {
    canvas.Ellipse(50, 92, 46, 6);
    Solid(canvas, kWhite);
    canvas.RoundedBox(8, 58, 84, 32, 6);
    Solid(canvas, Palette::kPink);
    canvas.RoundedBox(24, 36, 52, 24, 6);
    Solid(canvas, Palette::kCream);
    for (const double x : {16.0, 30.0, 44.0, 58.0, 72.0, 86.0}) Dot(canvas, x, 72, 4, kWhite);
    for (const double x : {34.0, 50.0, 66.0}) {
        canvas.RoundedBox(x - 3, 18, 6, 18, 2);
        Solid(canvas, Palette::kBlue);
        canvas.Ellipse(x, 10, 4, 7);
        Solid(canvas, Palette::kSun);
    }
}

// A red and white striped tub heaped with popped corn.
void Popcorn(Canvas& canvas) {
    for (const auto& [x, y] : {std::tuple{30.0, 38.0},
                               {44.0, 28.0},
                               {58.0, 26.0},
                               {70.0, 36.0},
                               {50.0, 16.0},
                               {36.0, 20.0},
                               {64.0, 14.0}}) {
        canvas.Circle(x, y, 11);
        Solid(canvas, Palette::kCream);
    }
    canvas.Polygon({18, 42, 82, 42, 72, 96, 28, 96});
    Solid(canvas, kWhite);
    for (const double x : {30.0, 50.0, 70.0}) {
        canvas.Polygon(
            {x - 6, 44, x + 6, 44, x + 4 - (x - 50) * 0.15, 94, x - 4 - (x - 50) * 0.15, 94});
        canvas.FillPath(Palette::kRed);
    }
    canvas.Polygon({18, 42, 82, 42, 72, 96, 28, 96});
    canvas.StrokePath(kInk, kOutline);
}

// A frosted cupcake in a paper case, a cherry on top.
void Cupcake(Canvas& canvas) {
    canvas.Polygon({24, 56, 76, 56, 68, 94, 32, 94});
    Solid(canvas, Palette::kBlue.Lighter(0.4));
    for (const double x : {38.0, 50.0, 62.0}) Line(canvas, x, 60, x, 90, kInk, 2);
    cairo_t* context = canvas.Context();
    cairo_move_to(context, 16, 60);
    cairo_curve_to(context, 10, 40, 30, 30, 40, 32);
    cairo_curve_to(context, 44, 14, 66, 16, 66, 32);
    cairo_curve_to(context, 82, 30, 92, 46, 84, 60);
    cairo_close_path(context);
    Solid(canvas, Palette::kPink);
    canvas.Circle(54, 14, 9);
    Solid(canvas, Palette::kRed);
    Line(canvas, 56, 6, 64, 0, kInk, 2.5);
}

// A wobbly moulded jelly on a plate.
void Jelly(Canvas& canvas) {
    canvas.Ellipse(50, 88, 46, 9);
    Solid(canvas, kWhite);
    cairo_t* context = canvas.Context();
    cairo_move_to(context, 14, 86);
    cairo_curve_to(context, 20, 60, 22, 40, 30, 26);
    cairo_line_to(context, 70, 26);
    cairo_curve_to(context, 78, 40, 80, 60, 86, 86);
    cairo_close_path(context);
    Solid(canvas, Palette::kGreen);
    for (const double x : {36.0, 50.0, 64.0}) Line(canvas, x, 30, x + (x - 50) * 0.4, 84, kLime, 4);
    canvas.Ellipse(50, 26, 20, 5);
    Solid(canvas, kLime);
    canvas.Circle(50, 14, 8);
    Solid(canvas, Palette::kRed);
}

// A donkey pinata with paper fringes, hanging by its string.
void Pinata(Canvas& canvas) {
    Line(canvas, 46, 0, 46, 40, kInk, 2.5);
    for (const double x : {20.0, 34.0, 54.0, 68.0}) {
        canvas.RoundedBox(x - 5, 64, 11, 32, 3);
        Solid(canvas, Palette::kOrange);
    }
    canvas.Polygon({2, 54, 14, 44, 14, 64});
    Solid(canvas, Palette::kPink);
    canvas.Polygon({62, 54, 72, 24, 88, 26, 82, 54});
    Solid(canvas, Palette::kSun);
    canvas.Ellipse(86, 30, 13, 10);
    Solid(canvas, Palette::kSun);
    PairOf([&](double side) {
        canvas.Ellipse(80 + side * 5, 10, 4, 10);
        Solid(canvas, Palette::kSun);
    });
    Dot(canvas, 86, 26, 3, kInk);
    canvas.RoundedBox(8, 36, 74, 34, 12);
    Solid(canvas, Palette::kSun);
    for (const auto& [y, colour] :
         {std::tuple{46.0, Palette::kPink}, {56.0, Palette::kBlue}, {64.0, Palette::kGreen}})
        Line(canvas, 12, y, 78, y, colour, 5);
}

// A paper bag with a rope handle and tissue paper peeping out.
void GiftBag(Canvas& canvas) {
    cairo_t* context = canvas.Context();
    cairo_new_path(context);
    cairo_arc(context, 50, 40, 24, kPi, 2 * kPi);
    canvas.StrokePath(kInk, 4.5);
    canvas.Polygon({32, 40, 40, 22, 50, 36, 60, 20, 68, 40});
    Solid(canvas, Palette::kSky);
    canvas.Polygon({16, 38, 84, 38, 88, 96, 12, 96});
    Solid(canvas, Palette::kPurple);
    canvas.Heart(50, 68, 26);
    Solid(canvas, Palette::kPink);
}

// Flags on a sagging string across the top of the wall.
void Bunting(Canvas& canvas, double y) {
    cairo_t* context = canvas.Context();
    cairo_move_to(context, 0, y);
    cairo_curve_to(context, 280, y + 40, 560, y + 40, SceneKit::kWidth, y);
    canvas.StrokePath(kInk, 3);
    const Colour flags[] = {Palette::kRed, Palette::kSun, Palette::kBlue, Palette::kGreen,
                            Palette::kPurple};
    for (int32_t flag = 0; flag < 14; ++flag) {
        const double x = 30 + flag * 60.0;
        const double t = x / SceneKit::kWidth;
        const double top = y + 4 * 30 * t * (1 - t);
        canvas.Polygon({x - 16, top, x + 16, top, x, top + 28});
        canvas.FillAndOutline(flags[flag % 5].Lighter(0.35), kInk, 2.5);
    }
}

// The long party table with its cloth, and the cake stand on it.
void PartyTable(Canvas& canvas) {
    for (const double x : {250.0, 450.0}) SceneKit::Box(canvas, x, 330, 14, 92, Furniture::kWood);
    SceneKit::Box(canvas, 236, 308, 240, 14, Furniture::kWood);
    cairo_t* context = canvas.Context();
    cairo_move_to(context, 236, 318);
    for (double x = 236; x < 476; x += 30)
        cairo_curve_to(context, x, 352, x + 30, 352, x + 30, 318);
    cairo_close_path(context);
    canvas.FillAndOutline(Colour::Hex(0xFFF4B8), kInk, 3);
    SceneKit::Box(canvas, 392, 280, 10, 28, kWhite);
    SceneKit::Box(canvas, 376, 302, 42, 7, kWhite);
    canvas.Ellipse(397, 279, 48, 6);
    canvas.FillAndOutline(kWhite, kInk, 3);
}

// A little round table in front, for the birthday cake.
void CakeTable(Canvas& canvas) {
    SceneKit::Box(canvas, 496, 512, 14, 56, Furniture::kWood);
    canvas.Ellipse(503, 572, 34, 8);
    canvas.FillAndOutline(Furniture::kWood, kInk, 3);
    canvas.Ellipse(503, 508, 62, 12);
    canvas.FillAndOutline(Palette::kPaleSky, kInk, 3);
}

// The wall shelf for the party hat, with a little pot plant beside it.
void HatShelf(Canvas& canvas) {
    Furniture::WallShelf(canvas, 540, 194, 160);
    canvas.Polygon({664, 192, 690, 192, 686, 172, 668, 172});
    canvas.FillAndOutline(Palette::kOrange.Lighter(0.4), kInk, 2.5);
    for (const double turn : {-2.0, -1.6, -1.2}) {
        SceneKit::Daisy(canvas, 677 + std::cos(turn) * 14, 170 + std::sin(turn) * 14,
                        Palette::kWhite);
    }
}

// The pinata's string comes down from a hook in the ceiling.
void CeilingHook(Canvas& canvas) {
    Line(canvas, 710, 0, 710, 380, kInk, 2.5);
    canvas.Circle(710, 4, 6);
    canvas.FillAndOutline(kLightGrey, kInk, 2);
}

// A mouse peeping out of its hole at the bottom of the wall: a small thing to find.
void MouseHole(Canvas& canvas) {
    cairo_t* context = canvas.Context();
    cairo_new_path(context);
    cairo_arc(context, 610, 400, 22, kPi, 2 * kPi);
    cairo_close_path(context);
    canvas.FillAndOutline(Colour::Hex(0x6B4A52), kInk, 2.5);
    canvas.Ellipse(604, 392, 9, 7);
    canvas.FillAndOutline(kLightGrey, kInk, 2);
    Dot(canvas, 600, 390, 1.6, kInk);
    canvas.Circle(610, 385, 4);
    canvas.FillAndOutline(kSoftPink, kInk, 1.5);
}

// "HAPPY BIRTHDAY" in paper letters on the wall.
void Banner(Canvas& canvas) {
    const char* letters = "HAPPY";
    for (int32_t letter = 0; letter < 5; ++letter) {
        const double x = 300 + letter * 40.0;
        canvas.Polygon({x - 17, 74, x + 17, 74, x + 17, 112, x, 120, x - 17, 112});
        canvas.FillAndOutline(kWhite, kInk.Lighter(0.4), 2);
        canvas.Text(std::string(1, letters[letter]), x, 95, 24, Palette::kPink.Darker(0.9));
    }
    canvas.Text("BIRTHDAY", 380, 150, 28, Palette::kPurple.Lighter(0.3));
}

// Curly paper streamers hanging down the wall from the bunting.
void Streamers(Canvas& canvas) {
    cairo_t* context = canvas.Context();
    for (const auto& [x, colour] : {std::tuple{790.0, Palette::kSky},
                                    {820.0, Palette::kSun},
                                    {270.0, Palette::kGreen},
                                    {520.0, Palette::kSky}}) {
        cairo_move_to(context, x, 24);
        for (double y = 24; y < 190; y += 40) {
            cairo_curve_to(context, x + 14, y + 10, x + 14, y + 30, x, y + 40);
        }
        canvas.StrokePath(colour.Lighter(0.4), 5);
    }
}

// Paper confetti scattered on the floor boards.
void Confetti(Canvas& canvas) {
    const Colour colours[] = {Palette::kSun, Palette::kBlue, Palette::kPink, Palette::kGreen};
    for (int32_t bit = 0; bit < 40; ++bit) {
        const double x = std::fmod(bit * 211.0 + 37, SceneKit::kWidth);
        const double y = 440 + std::fmod(bit * 53.0, 140);
        canvas.RoundedBox(x, y, 7, 4, 1);
        canvas.FillPath(colours[bit % 4].Lighter(0.3));
    }
}

void Scene(Canvas& canvas) {
    SceneKit::Room(canvas, Colour::Hex(0xFFD3E2), Colour::Hex(0xEBC795), 400);
    SceneKit::Window(canvas, 110, 60, 140, 120);
    SceneKit::Cloud(canvas, 160, 110, 18);
    Banner(canvas);
    Streamers(canvas);
    Bunting(canvas, 16);
    CeilingHook(canvas);
    HatShelf(canvas);
    MouseHole(canvas);
    // A round rug under the cake table.
    Furniture::Rug(canvas, 500, 548, 210, 40, Colour::Hex(0xC9E6C0));
    Confetti(canvas);
    Furniture::Chair(canvas, 24, 282, 70);
    Furniture::Chair(canvas, 750, 322, 74);
    PartyTable(canvas);
    CakeTable(canvas);
}

}  // namespace

PageTheme Themes::Party() {
    return {"The birthday party",
            Palette::kPink,
            Scene,
            {
                {"present", Present},
                {"balloons", BalloonBunch},
                {"party hat", PartyHat},
                {"birthday cake", BirthdayCake},
                {"popcorn", Popcorn},
                {"cupcake", Cupcake},
                {"jelly", Jelly},
                {"pinata", Pinata},
                {"heart balloon", HeartBalloon},
                {"gift bag", GiftBag},
            }};
}
