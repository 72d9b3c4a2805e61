// Page 16: little creatures.

#include "content/themes/Themes.h"

#include <cairo.h>

#include <cmath>
#include <cstdint>
#include <tuple>
#include <utility>

#include "content/DesignKit.h"
#include "content/SceneKit.h"

namespace {

using namespace DesignKit;
using SceneKit::kHeight;
using SceneKit::kWidth;

// A butterfly with wide patterned wings and curled feelers, seen from above.
void Butterfly(Canvas& canvas) {
    cairo_t* context = canvas.Context();
    for (const double side : {-1.0, 1.0}) {
        cairo_new_path(context);
        cairo_move_to(context, 50 + side * 4, 30);
        cairo_line_to(context, 50 + side * 12, 4);
        canvas.StrokePath(kInk, 3);
        Dot(canvas, 50 + side * 13, 4, 4, kInk);
        cairo_new_path(context);
        cairo_move_to(context, 50, 48);
        cairo_curve_to(context, 50 + side * 20, 4, 50 + side * 52, 6, 50 + side * 46, 30);
        cairo_curve_to(context, 50 + side * 44, 44, 50 + side * 30, 50, 50, 52);
        Solid(canvas, Palette::kBlue);
        cairo_new_path(context);
        cairo_move_to(context, 50, 52);
        cairo_curve_to(context, 50 + side * 40, 52, 50 + side * 42, 92, 50 + side * 20, 90);
        cairo_curve_to(context, 50 + side * 10, 88, 50 + side * 6, 70, 50, 60);
        Solid(canvas, Palette::kPurple);
        Dot(canvas, 50 + side * 30, 28, 8, Palette::kSun);
        Dot(canvas, 50 + side * 24, 72, 5, kWhite);
    }
    canvas.Ellipse(50, 56, 6, 26);
    Solid(canvas, kInk);
}

void Ladybird(Canvas& canvas) {
    canvas.Circle(50, 24, 14);
    Solid(canvas, kInk);
    canvas.Circle(50, 58, 34);
    Solid(canvas, Palette::kRed);
    Line(canvas, 50, 26, 50, 92, kInk, 3);
    for (const auto& [x, y] : {std::pair{34.0, 48.0}, {66.0, 48.0}, {36.0, 72.0}, {64.0, 72.0}})
        Dot(canvas, x, y, 6, kInk);
    Eyes(canvas, 50, 20, 12, 3);
    Dot(canvas, 44, 18, 1.5, kWhite);
}

void Bee(Canvas& canvas) {
    for (const double x : {38.0, 58.0}) {
        canvas.Ellipse(x, 26, 12, 16);
        Solid(canvas, Palette::kPaleSky);
    }
    canvas.Ellipse(50, 58, 38, 28);
    Solid(canvas, Palette::kSun);
    for (const double x : {50.0, 70.0}) Line(canvas, x, 34, x, 82, kInk, 8);
    canvas.Polygon({86, 56, 98, 58, 86, 62});
    Solid(canvas, kInk);
    Face(canvas, 28, 58, 30);
}

void Snail(Canvas& canvas) {
    canvas.RoundedBox(8, 72, 84, 16, 8);
    Solid(canvas, Palette::kPink.Lighter(0.3));
    canvas.Circle(58, 50, 30);
    Solid(canvas, Palette::kOrange);
    cairo_t* context = canvas.Context();
    cairo_new_path(context);
    for (double angle = 0; angle < 4 * kPi; angle += 0.2) {
        cairo_line_to(context, 58 + std::cos(angle) * angle * 2, 50 + std::sin(angle) * angle * 2);
    }
    canvas.StrokePath(kInk, 3);
    Line(canvas, 16, 72, 10, 50, kInk, 3);
    Line(canvas, 22, 72, 26, 50, kInk, 3);
    Dot(canvas, 10, 50, 4, kInk);
    Dot(canvas, 26, 50, 4, kInk);
}

void Caterpillar(Canvas& canvas) {
    for (int32_t part = 4; part >= 0; --part) {
        canvas.Circle(82 - part * 15, 64 - (part % 2) * 6, 13);
        Solid(canvas, part % 2 == 0 ? kLime : Palette::kGreen);
    }
    canvas.Circle(20, 48, 16);
    Solid(canvas, kLime);
    Line(canvas, 14, 34, 8, 20, kInk, 3);
    Line(canvas, 26, 34, 30, 20, kInk, 3);
    Face(canvas, 20, 48, 26);
}

// A grasshopper facing left: a long green body, a big bent jumping leg and long feelers.
void Grasshopper(Canvas& canvas) {
    cairo_t* context = canvas.Context();
    for (const double x : {26.0, 40.0}) Line(canvas, x, 60, x - 6, 82, kInk, 3.5);
    cairo_new_path(context);
    cairo_move_to(context, 18, 40);
    cairo_curve_to(context, 4, 20, 20, 8, 40, 4);
    cairo_move_to(context, 22, 38);
    cairo_curve_to(context, 20, 20, 40, 14, 58, 16);
    canvas.StrokePath(kInk, 3);
    cairo_new_path(context);
    cairo_move_to(context, 22, 44);
    cairo_curve_to(context, 40, 38, 80, 40, 96, 54);
    cairo_curve_to(context, 80, 66, 40, 66, 22, 60);
    cairo_close_path(context);
    Solid(canvas, kLime);
    cairo_new_path(context);
    cairo_move_to(context, 34, 46);
    cairo_curve_to(context, 56, 40, 80, 42, 92, 52);
    cairo_line_to(context, 40, 54);
    cairo_close_path(context);
    Solid(canvas, Palette::kGreen);
    Band(canvas, 88, 22, 76, 86, Palette::kGreen, 4);
    Line(canvas, 76, 86, 88, 88, kInk, 4);
    cairo_new_path(context);
    cairo_move_to(context, 48, 54);
    cairo_curve_to(context, 50, 36, 74, 20, 88, 16);
    cairo_curve_to(context, 96, 20, 94, 30, 88, 30);
    cairo_curve_to(context, 76, 40, 66, 54, 48, 54);
    Solid(canvas, Palette::kGreen);
    canvas.Ellipse(20, 50, 14, 13);
    Solid(canvas, kLime);
    Eyes(canvas, 16, 46, 0, 4);
    Grin(canvas, 14, 58, 4);
}

// A round spider hanging from its silk thread, legs bent out on both sides.
void Spider(Canvas& canvas) {
    cairo_t* context = canvas.Context();
    Line(canvas, 50, 0, 50, 40, kInk, 2.5);
    PairOf([&](double side) {
        for (const auto& [y, reach] :
             {std::pair{48.0, -14.0}, {56.0, -4.0}, {64.0, 6.0}, {70.0, 16.0}}) {
            cairo_move_to(context, 50 + side * 14, y);
            cairo_line_to(context, 50 + side * 38, y - 14 + reach * 0.4);
            cairo_line_to(context, 50 + side * 46, y + 6 + reach);
        }
        canvas.StrokePath(kInk, 5);
    });
    canvas.Circle(50, 60, 22);
    Solid(canvas, Palette::kPurple);
    canvas.Circle(50, 42, 13);
    Solid(canvas, Palette::kPurple);
    Eyes(canvas, 50, 40, 10, 3.6);
    Grin(canvas, 50, 50, 4);
    Dot(canvas, 50, 66, 7, Palette::kPink);
}

// A stag beetle: a shiny split shell and big antler-like jaws.
void StagBeetle(Canvas& canvas) {
    cairo_t* context = canvas.Context();
    PairOf([&](double side) {
        for (const double y : {50.0, 64.0, 78.0}) {
            cairo_move_to(context, 50 + side * 20, y);
            cairo_line_to(context, 50 + side * 38, y + 4);
            cairo_line_to(context, 50 + side * 42, y + 14);
        }
        canvas.StrokePath(kInk, 4.5);
        cairo_new_path(context);
        cairo_move_to(context, 50 + side * 8, 30);
        cairo_curve_to(context, 50 + side * 24, 22, 50 + side * 26, 8, 50 + side * 12, 2);
        canvas.StrokePath(kInk, 12);
        cairo_move_to(context, 50 + side * 8, 30);
        cairo_curve_to(context, 50 + side * 24, 22, 50 + side * 26, 8, 50 + side * 12, 2);
        canvas.StrokePath(Palette::kBrown, 5);
    });
    canvas.Ellipse(50, 66, 24, 30);
    Solid(canvas, Colour::Hex(0x8B3A2E));
    Line(canvas, 50, 42, 50, 94, kInk, 3);
    canvas.Ellipse(42, 58, 5, 10);
    canvas.FillPath(Colour::Hex(0xC8705E));
    canvas.RoundedBox(34, 24, 32, 20, 9);
    Solid(canvas, Colour::Hex(0x5E2A22));
    Eyes(canvas, 50, 33, 14, 3.2);
}

void Dragonfly(Canvas& canvas) {
    for (const double side : {-1.0, 1.0}) {
        canvas.Ellipse(50 + side * 24, 30, 22, 9);
        canvas.Ellipse(50 + side * 22, 50, 20, 8);
        canvas.FillAndOutline(Palette::kPaleSky, kInk, 3);
    }
    canvas.RoundedBox(44, 24, 12, 72, 6);
    Solid(canvas, kTeal);
    canvas.Circle(50, 18, 11);
    Solid(canvas, kTeal);
    Eyes(canvas, 50, 17, 10, 3);
}

constexpr Colour kWood = Colour::Hex(0xD9B48A);
constexpr Colour kStem = Colour::Hex(0x5DB84E);

// A stem drawn as a soft outlined band, from (x1, y1) curving to (x2, y2).
void Stem(Canvas& canvas, double x1, double y1, double x2, double y2, double width) {
    cairo_t* context = canvas.Context();
    for (const auto& [colour, line] : {std::pair{kInk, width + 5}, {kStem, width}}) {
        cairo_move_to(context, x1, y1);
        cairo_curve_to(context, x1, (y1 + y2) / 2, x2, (y1 + y2) / 2, x2, y2);
        canvas.StrokePath(colour, line);
    }
}

// Sky, a far tree and a little kite, behind the garden fence.
void Background(Canvas& canvas) {
    SceneKit::Sky(canvas, Colour::Hex(0xCDEBFF), Colour::Hex(0xF1FAE6), kHeight);
    SceneKit::Cloud(canvas, 330, 50, 30);
    SceneKit::Cloud(canvas, 800, 120, 22);
    cairo_t* context = canvas.Context();
    canvas.Polygon({470, 40, 482, 26, 494, 40, 482, 58});
    cairo_set_source_rgba(context, 0.95, 0.45, 0.45, 0.6);
    cairo_fill(context);
    cairo_move_to(context, 482, 58);
    cairo_curve_to(context, 470, 90, 500, 110, 486, 140);
    canvas.StrokePath(Colour::Hex(0x9AA0B0), 1.5);
    SceneKit::Hill(canvas, 200, 380, 300, 90, Colour::Hex(0xB9E3A0));
    SceneKit::Hill(canvas, 700, 390, 260, 100, Colour::Hex(0xA9DB8E));
}

void GrassTuft(Canvas& canvas, double x, double y) {
    cairo_t* context = canvas.Context();
    for (const double lean : {-14.0, -6.0, 4.0, 12.0}) {
        cairo_move_to(context, x, y);
        cairo_curve_to(context, x, y - 12, x + lean, y - 18, x + lean * 1.5, y - 26);
    }
    canvas.StrokePath(Palette::kDarkGrass, 3);
}

// A garden fence across the middle: the beetle walks along its top rail.
void Fence(Canvas& canvas) {
    for (const double y : {334.0, 390.0}) {
        SceneKit::Box(canvas, -10, y, kWidth + 20, 14, kWood);
    }
    for (double x = 20; x < kWidth; x += 96) {
        canvas.Polygon({x, 300, x + 11, 288, x + 22, 300, x + 22, 450, x, 450});
        canvas.FillAndOutline(kWood.Lighter(0.2), kInk, 3);
        GrassTuft(canvas, x + 11, 452);
    }
}

// A branch reaching in from the left, with the web the spider has let itself down from.
void BranchAndWeb(Canvas& canvas) {
    cairo_t* context = canvas.Context();
    for (const auto& [colour, width] : {std::pair{kInk, 17.0}, {Palette::kBrown, 12.0}}) {
        cairo_move_to(context, -10, 40);
        cairo_curve_to(context, 80, 60, 160, 40, 260, 70);
        canvas.StrokePath(colour, width);
    }
    DesignKit::Leaf(canvas, 200, 60, 40, 1.2, Palette::kGreen.Lighter(0.2));
    DesignKit::Leaf(canvas, 110, 52, 36, -1.9, Palette::kGreen.Lighter(0.2));
    const double centreX = 181;
    const double centreY = 130;
    for (int32_t spoke = 0; spoke < 8; ++spoke) {
        const double angle = spoke * kPi / 4;
        cairo_move_to(context, centreX, centreY);
        cairo_line_to(context, centreX + std::cos(angle) * 70, centreY + std::sin(angle) * 60);
    }
    for (const double radius : {18.0, 36.0, 54.0}) {
        canvas.Ellipse(centreX, centreY, radius * 1.15, radius);
    }
    canvas.StrokePath(Palette::kWhite, 1.8);
    DesignKit::Line(canvas, centreX, centreY, centreX, 248, Palette::kWhite, 1.8);
}

// A pond with reeds in the corner, where the dragonfly hunts.
void Pond(Canvas& canvas) {
    for (const auto& [x, top] : {std::pair{30.0, 320.0}, {150.0, 300.0}, {120.0, 380.0}}) {
        Stem(canvas, x, 520, x + 6, top, 5);
        canvas.RoundedBox(x, top + 20, 12, 40, 6);
        canvas.FillAndOutline(Palette::kBrown, kInk, 3);
    }
    canvas.Ellipse(90, 530, 110, 34);
    canvas.FillAndOutline(Colour::Hex(0x8FD3FF), kInk, 3);
    canvas.Ellipse(60, 524, 20, 6);
    canvas.FillPath(Palette::kWhite.Darker(0.97));
}

// A tall hollyhock the bee is visiting, its blossoms pale so that none looks like a
// sticker, and the plant whose leaf the ladybird sits on.
void Plants(Canvas& canvas) {
    Stem(canvas, 660, 470, 660, 190, 7);
    DesignKit::Leaf(canvas, 660, 360, 46, -0.5, Palette::kGreen.Lighter(0.15));
    for (const auto& [x, y] : {std::pair{660.0, 196.0},
                               {646.0, 226.0},
                               {674.0, 250.0},
                               {648.0, 280.0},
                               {672.0, 308.0}}) {
        canvas.Circle(x, y, 16);
        canvas.FillAndOutline(Palette::kPink.Lighter(0.55), kInk.Lighter(0.4), 2);
        Dot(canvas, x, y, 4, Palette::kSun);
    }
    Stem(canvas, 316, 470, 310, 230, 7);
    cairo_t* context = canvas.Context();
    cairo_move_to(context, 312, 262);
    cairo_curve_to(context, 280, 236, 230, 240, 200, 258);
    cairo_curve_to(context, 240, 272, 290, 274, 312, 262);
    canvas.FillAndOutline(Palette::kGreen.Lighter(0.15), kInk, 3);
    SceneKit::Daisy(canvas, 310, 222, Palette::kPink.Lighter(0.4));
}

// A cut stump for the snail to climb, with pebbles at its foot.
void Stump(Canvas& canvas) {
    canvas.RoundedBox(696, 382, 96, 90, 10);
    canvas.FillAndOutline(Colour::Hex(0xB9773E), kInk, 3);
    canvas.Ellipse(744, 384, 48, 12);
    canvas.FillAndOutline(Colour::Hex(0xE9C28F), kInk, 3);
    canvas.Ellipse(744, 384, 24, 5);
    canvas.StrokePath(Colour::Hex(0xC9A070), 2);
    for (const auto& [x, size] : {std::pair{806.0, 10.0}, {826.0, 7.0}}) {
        canvas.Ellipse(x, 468, size, size * 0.6);
        canvas.FillAndOutline(kLightGrey, kInk, 2);
    }
}

// The lawn in front, with a big fallen leaf under the caterpillar and a few daisies.
void Lawn(Canvas& canvas) {
    SceneKit::Ground(canvas, 450, Palette::kGrass, Palette::kDarkGrass);
    cairo_t* context = canvas.Context();
    cairo_move_to(context, 170, 486);
    cairo_curve_to(context, 190, 456, 260, 456, 290, 484);
    cairo_curve_to(context, 250, 504, 200, 504, 170, 486);
    canvas.FillAndOutline(kLime.Lighter(0.2), kInk, 3);
    DesignKit::Line(canvas, 178, 486, 282, 484, Palette::kGreen, 2);
    for (const auto& [x, y] : {std::pair{400.0, 540.0},
                               {520.0, 500.0},
                               {600.0, 560.0},
                               {760.0, 520.0},
                               {300.0, 560.0},
                               {470.0, 570.0}}) {
        SceneKit::Daisy(canvas, x, y, Palette::kWhite);
    }
}

void Scene(Canvas& canvas) {
    Background(canvas);
    BranchAndWeb(canvas);
    Fence(canvas);
    Plants(canvas);
    Stump(canvas);
    Lawn(canvas);
    Pond(canvas);
}

}  // namespace

PageTheme Themes::Bugs() {
    return {"Little creatures",
            Palette::kGreen,
            Scene,
            {
                {"butterfly", Butterfly},
                {"ladybird", Ladybird},
                {"bee", Bee},
                {"snail", Snail},
                {"caterpillar", Caterpillar},
                {"grasshopper", Grasshopper},
                {"spider", Spider},
                {"dragonfly", Dragonfly},
                {"stag beetle", StagBeetle},
            }};
}
