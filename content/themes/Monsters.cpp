// Page 25: friendly monsters. Twelve monsters, each its own kind of body, in a valley of
// their own: a meadow ridge, a humped bridge over a stream, a pond and a tree stump.

#include "content/themes/Themes.h"

#include <cairo.h>

#include <cmath>
#include <cstdint>
#include <initializer_list>
#include <utility>

#include "content/DesignKit.h"
#include "content/SceneKit.h"
#include "content/SoftScenery.h"

namespace {

using namespace DesignKit;
using namespace SoftScenery;

// ---- Monster parts ----

constexpr Colour kMouth = Colour::Hex(0x6B2444);

void Eye(Canvas& canvas, double x, double y, double radius) {
    canvas.Circle(x, y, radius);
    canvas.FillAndOutline(kWhite, kInk, 3);
    Eyes(canvas, x + radius * 0.15, y + radius * 0.1, 0, radius * 0.5);
}

// An eye on a stalk of the body's colour.
void StalkEye(Canvas& canvas, double fromX, double fromY, double toX, double toY, double radius,
              Colour skin) {
    Band(canvas, fromX, fromY, toX, toY, skin, 5);
    Eye(canvas, toX, toY, radius);
}

// A wide open mouth with two white fangs hanging from its top corners.
void FangMouth(Canvas& canvas, double centreX, double y, double halfWidth, double depth) {
    cairo_t* context = canvas.Context();
    cairo_new_path(context);
    cairo_move_to(context, centreX - halfWidth, y);
    cairo_curve_to(context, centreX - halfWidth, y + depth * 1.3, centreX + halfWidth,
                   y + depth * 1.3, centreX + halfWidth, y);
    cairo_close_path(context);
    canvas.FillAndOutline(kMouth, kInk, 3);
    PairOf([&](double side) {
        const double x = centreX + side * halfWidth * 0.5;
        canvas.Polygon({x - 3.5, y + 1, x + 3.5, y + 1, x, y + 8});
        canvas.FillPath(kWhite);
    });
}

void Foot(Canvas& canvas, double x, double y, Colour skin) {
    canvas.Ellipse(x, y, 10, 5.5);
    Solid(canvas, skin.Darker(0.75));
}

// A closed outline round an ellipse whose edge goes in and out `points` times: short
// for fur, long for spikes.
void Jagged(Canvas& canvas, double centreX, double centreY, double radiusX, double radiusY,
            int32_t points, double depth) {
    cairo_t* context = canvas.Context();
    cairo_new_sub_path(context);
    for (int32_t corner = 0; corner < points * 2; ++corner) {
        const double reach = corner % 2 == 0 ? 1.0 : 1.0 - depth;
        const double angle = corner * kPi / points - kPi / 2;
        cairo_line_to(context, centreX + std::cos(angle) * radiusX * reach,
                      centreY + std::sin(angle) * radiusY * reach);
    }
    cairo_close_path(context);
}

// A bendy limb or tail: a curve drawn as an outlined band.
void Curl(Canvas& canvas, std::initializer_list<double> xy, double width, Colour colour) {
    cairo_t* context = canvas.Context();
    for (const auto& [line, lineWidth] :
         {std::pair{kInk, width + 2 * kOutline - 1}, std::pair{colour, width}}) {
        const double* point = xy.begin();
        cairo_move_to(context, point[0], point[1]);
        cairo_curve_to(context, point[2], point[3], point[4], point[5], point[6], point[7]);
        canvas.StrokePath(line, lineWidth);
    }
}

// ---- The monsters ----

// Swims in the pond: a crested dome with five curling tentacles.
void WaterMonster(Canvas& canvas) {
    const Colour skin = kTeal;
    for (const double x : {14.0, 32.0, 50.0, 68.0, 86.0}) {
        const double out = (x - 50) / 36;
        Curl(canvas, {50 + (x - 50) * 0.5, 56, x + out * 10, 70, x - 8, 84, x + 4, 94}, 8,
             skin.Darker(0.85));
    }
    for (const double x : {36.0, 50.0, 64.0}) {
        canvas.Polygon({x - 7, 14, x, 0, x + 7, 14});
        Solid(canvas, Palette::kOrange);
    }
    canvas.Ellipse(50, 38, 36, 28);
    Solid(canvas, skin);
    PairOf([&](double side) { Eye(canvas, 50 + side * 14, 32, 9); });
    FangMouth(canvas, 50, 50, 14, 8);
}

// Tall and shaggy all over, with furry arms and big feet.
void FurryMonster(Canvas& canvas) {
    const Colour skin = Palette::kBlue;
    PairOf([&](double side) {
        Jagged(canvas, 50 + side * 37, 60, 9, 18, 8, 0.2);
        Solid(canvas, skin.Darker(0.85));
        Foot(canvas, 50 + side * 16, 92, skin);
    });
    Jagged(canvas, 50, 48, 34, 44, 22, 0.1);
    Solid(canvas, skin);
    PairOf([&](double side) { Eye(canvas, 50 + side * 12, 32, 10); });
    canvas.Ellipse(50, 58, 10, 7);
    Solid(canvas, kMouth);
    canvas.RoundedBox(45, 52, 10, 8, 2);
    canvas.FillAndOutline(kWhite, kInk, 2);
}

// A wobbly jelly with one huge eye and its tongue out, dripping at its edges.
void OneEyedBlob(Canvas& canvas) {
    const Colour skin = kLime;
    cairo_t* context = canvas.Context();
    cairo_new_path(context);
    cairo_move_to(context, 6, 86);
    cairo_curve_to(context, 6, 20, 30, 6, 50, 6);
    cairo_curve_to(context, 70, 6, 94, 20, 94, 86);
    cairo_curve_to(context, 94, 98, 84, 98, 80, 88);
    cairo_curve_to(context, 72, 96, 64, 96, 58, 90);
    cairo_curve_to(context, 50, 98, 40, 98, 34, 90);
    cairo_curve_to(context, 26, 98, 16, 98, 16, 88);
    cairo_curve_to(context, 12, 96, 6, 94, 6, 86);
    cairo_close_path(context);
    Solid(canvas, skin);
    Eye(canvas, 50, 38, 19);
    canvas.Ellipse(56, 72, 7, 9);
    Solid(canvas, Palette::kPink);
    Grin(canvas, 50, 66, 16);
    Dot(canvas, 26, 24, 4, kWhite);
}

// A squat, sturdy monster with curving bull horns and tusks.
void HornedMonster(Canvas& canvas) {
    const Colour skin = Palette::kRed;
    PairOf([&](double side) {
        canvas.Polygon(
            {50 + side * 16, 96, 50 + side * 16, 80, 50 + side * 30, 80, 50 + side * 32, 96});
        Solid(canvas, skin.Darker(0.8));
        cairo_t* context = canvas.Context();
        cairo_new_path(context);
        cairo_move_to(context, 50 + side * 20, 40);
        cairo_curve_to(context, 50 + side * 40, 36, 50 + side * 50, 22, 50 + side * 44, 4);
        cairo_curve_to(context, 50 + side * 38, 20, 50 + side * 30, 26, 50 + side * 14, 30);
        cairo_close_path(context);
        Solid(canvas, Palette::kCream);
    });
    canvas.RoundedBox(12, 28, 76, 58, 18);
    Solid(canvas, skin);
    PairOf([&](double side) {
        Eye(canvas, 50 + side * 14, 46, 8);
        Line(canvas, 50 + side * 6, 35, 50 + side * 22, 33, kInk, 4);
    });
    cairo_new_path(canvas.Context());
    cairo_arc(canvas.Context(), 50, 62, 16, 0.1 * kPi, 0.9 * kPi);
    canvas.StrokePath(kInk, 3.5);
    PairOf([&](double side) {
        canvas.Polygon({50 + side * 10, 76, 50 + side * 16, 76, 50 + side * 14, 64});
        canvas.FillAndOutline(kWhite, kInk, 2);
    });
}

// A round, spotty monster waving both arms, with bobbles on its feelers.
void SpottyMonster(Canvas& canvas) {
    const Colour skin = Palette::kPink;
    PairOf([&](double side) {
        Band(canvas, 50 + side * 10, 30, 50 + side * 22, 6, skin, 4);
        canvas.Circle(50 + side * 22, 6, 5.5);
        Solid(canvas, Palette::kSun);
        Band(canvas, 50 + side * 28, 56, 50 + side * 44, 38, skin, 6);
        Foot(canvas, 50 + side * 16, 92, skin);
    });
    canvas.Circle(50, 58, 33);
    Solid(canvas, skin);
    const double spots[][3] = {{30, 50, 5}, {70, 72, 6}, {36, 78, 4}, {72, 44, 4}, {58, 84, 3.5}};
    for (const auto& spot : spots) Dot(canvas, spot[0], spot[1], spot[2], Palette::kPurple);
    PairOf([&](double side) { Eye(canvas, 50 + side * 11, 50, 8); });
    Grin(canvas, 50, 70, 11);
}

// An egg-shaped, stripy monster with a tuft of hair, waving hello.
void StripyMonster(Canvas& canvas) {
    const Colour skin = Palette::kSun;
    for (const double turn : {-2.1, -1.57, -1.05}) Leaf(canvas, 50, 22, 26, turn, Palette::kOrange);
    PairOf([&](double side) { Foot(canvas, 50 + side * 14, 93, Palette::kOrange); });
    Band(canvas, 24, 58, 8, 70, skin, 6);
    Band(canvas, 76, 52, 92, 34, skin, 6);
    cairo_t* context = canvas.Context();
    canvas.Ellipse(50, 54, 30, 38);
    cairo_save(context);
    cairo_clip_preserve(context);
    canvas.FillPath(skin);
    for (const double y : {48.0, 66.0, 84.0}) {
        cairo_rectangle(context, 10, y, 80, 8);
        canvas.FillPath(Palette::kOrange);
    }
    cairo_restore(context);
    canvas.Ellipse(50, 54, 30, 38);
    canvas.StrokePath(kInk, kOutline);
    PairOf([&](double side) { Eye(canvas, 50 + side * 11, 30, 8); });
    FangMouth(canvas, 50, 40, 9, 5);
}

// A ball of big spikes on two small feet.
void SpikyMonster(Canvas& canvas) {
    const Colour skin = Palette::kPurple;
    PairOf([&](double side) { Foot(canvas, 50 + side * 16, 92, skin); });
    Jagged(canvas, 50, 48, 46, 44, 13, 0.3);
    Solid(canvas, skin);
    canvas.Circle(50, 52, 24);
    canvas.FillPath(skin.Lighter(0.35));
    PairOf([&](double side) { Eye(canvas, 50 + side * 10, 46, 7); });
    FangMouth(canvas, 50, 58, 10, 6);
}

// A wide, bean-shaped monster looking every way at once with three eyes on stalks.
void ThreeEyedMonster(Canvas& canvas) {
    const Colour skin = Palette::kOrange;
    PairOf([&](double side) {
        Foot(canvas, 50 + side * 22, 92, skin);
        StalkEye(canvas, 50 + side * 18, 46, 50 + side * 34, 16, 9, skin);
    });
    StalkEye(canvas, 50, 44, 50, 10, 9, skin);
    canvas.RoundedBox(8, 40, 84, 50, 25);
    Solid(canvas, skin);
    FangMouth(canvas, 50, 60, 22, 10);
}

// A tall monster that is mostly mouth, teeth, tongue and all.
void BigMouth(Canvas& canvas) {
    const Colour skin = Palette::kGreen;
    PairOf([&](double side) {
        Band(canvas, 50 + side * 30, 52, 50 + side * 44, 66, skin, 7);
        Foot(canvas, 50 + side * 16, 93, skin);
    });
    canvas.RoundedBox(18, 6, 64, 84, 30);
    Solid(canvas, skin);
    PairOf([&](double side) { Eye(canvas, 50 + side * 11, 22, 7); });
    canvas.Ellipse(50, 58, 24, 22);
    Solid(canvas, kMouth);
    canvas.Ellipse(50, 72, 14, 8);
    canvas.FillPath(Palette::kPink);
    for (int32_t tooth = 0; tooth < 5; ++tooth) {
        const double x = 34 + tooth * 8;
        canvas.Polygon(
            {x - 4, 40 + std::abs(tooth - 2) * 1.5, x + 4, 40 + std::abs(tooth - 2) * 1.5, x, 48});
        canvas.FillPath(kWhite);
    }
}

// Two heads on one body, one grinning and one surprised.
void TwoHeadedMonster(Canvas& canvas) {
    const Colour skin = Colour::Hex(0x7ED6A8);
    PairOf([&](double side) {
        Foot(canvas, 50 + side * 16, 93, skin);
        Band(canvas, 50 + side * 12, 56, 50 + side * 24, 34, skin, 12);
        canvas.Circle(50 + side * 26, 26, 20);
        Solid(canvas, skin);
    });
    canvas.Ellipse(50, 68, 32, 24);
    Solid(canvas, skin);
    PairOf([&](double side) { Eye(canvas, 24 + side * 8, 22, 6); });
    Grin(canvas, 24, 34, 8);
    Eye(canvas, 76, 22, 9);
    canvas.Ellipse(76, 38, 4, 5);
    Solid(canvas, kMouth);
}

// A little round body up on very long legs, one arm waving.
void LongLegs(Canvas& canvas) {
    const Colour skin = Palette::kSky;
    PairOf([&](double side) {
        Band(canvas, 50 + side * 9, 44, 50 + side * 22, 90, skin, 5);
        Foot(canvas, 50 + side * 24, 92, skin);
    });
    Band(canvas, 28, 32, 8, 12, skin, 5);
    Band(canvas, 72, 34, 90, 52, skin, 5);
    for (const double x : {42.0, 50.0, 58.0}) {
        canvas.Polygon({x - 5, 12, x, 0, x + 5, 12});
        Solid(canvas, Palette::kPink);
    }
    canvas.Circle(50, 30, 22);
    Solid(canvas, skin);
    PairOf([&](double side) { Eye(canvas, 50 + side * 9, 26, 6.5); });
    Grin(canvas, 50, 40, 7);
}

// Flies on wide bat wings, its pointed tail behind it.
void WingedMonster(Canvas& canvas) {
    const Colour skin = Colour::Hex(0xE86FB0);
    PairOf([&](double side) {
        canvas.Polygon({50 + side * 18, 40, 50 + side * 48, 14, 50 + side * 46, 48, 50 + side * 36,
                        42, 50 + side * 30, 56, 50 + side * 20, 52});
        Solid(canvas, Palette::kPurple);
        canvas.Polygon({50 + side * 8, 34, 50 + side * 16, 18, 50 + side * 18, 36});
        Solid(canvas, Palette::kSun);
    });
    Curl(canvas, {54, 70, 66, 92, 80, 84, 84, 94}, 4, skin);
    canvas.Polygon({80, 88, 94, 90, 86, 100});
    Solid(canvas, skin);
    canvas.Circle(50, 52, 24);
    Solid(canvas, skin);
    PairOf([&](double side) { Eye(canvas, 50 + side * 9, 48, 7); });
    FangMouth(canvas, 50, 60, 9, 6);
}

// ---- The monsters' valley ----

constexpr Colour kMeadow = Colour::Hex(0xB5E59A);
constexpr Colour kWater = Colour::Hex(0xA8DCF5);
constexpr Colour kStone = Colour::Hex(0xD8CFE6);

void Backdrop(Canvas& canvas) {
    SunnySky(canvas, Colour::Hex(0xD9C8F5), Colour::Hex(0xFBEFFF), 320, 120, 70, 30);
    SceneKit::Cloud(canvas, 560, 56, 30);
    SceneKit::Cloud(canvas, 250, 96, 22);
    canvas.Polygon({-20, 300, 120, 150, 210, 230, 330, 110, 470, 260, 560, 160, 700, 300});
    Soft(canvas, Colour::Hex(0xC9B6EC));
    canvas.Polygon({520, 300, 690, 120, 860, 290});
    Soft(canvas, Colour::Hex(0xBFD2F2));
    // The monsters' cave in the far mountain.
    cairo_new_path(canvas.Context());
    cairo_arc(canvas.Context(), 352, 166, 20, kPi, 2 * kPi);
    cairo_close_path(canvas.Context());
    Soft(canvas, Colour::Hex(0x8E7DB4));
}

// The meadow the ridge monsters stand on runs from the boulder to the stream.
void Meadow(Canvas& canvas) {
    cairo_t* context = canvas.Context();
    cairo_move_to(context, -10, 270);
    cairo_curve_to(context, 100, 290, 160, 292, 234, 289);
    cairo_curve_to(context, 300, 286, 340, 280, 386, 282);
    cairo_curve_to(context, 430, 284, 460, 290, 520, 290);
    cairo_curve_to(context, 600, 296, 720, 300, 860, 288);
    cairo_line_to(context, 860, 600);
    cairo_line_to(context, -10, 600);
    cairo_close_path(context);
    Soft(canvas, kMeadow);
}

// The stream comes from under the bridge and widens into the water monster's pond.
void StreamAndPond(Canvas& canvas) {
    canvas.Polygon({600, 292, 720, 292, 700, 350, 560, 350});
    Soft(canvas, kWater);
    canvas.Ellipse(592, 380, 156, 62);
    Soft(canvas, kWater);
    canvas.Polygon({602, 294, 718, 294, 700, 352, 562, 352});
    canvas.FillPath(kWater);
    cairo_t* context = canvas.Context();
    for (const auto& [x, y] :
         {std::pair{490.0, 380.0}, {680.0, 420.0}, {530.0, 404.0}, {606.0, 406.0}}) {
        cairo_move_to(context, x - 16, y);
        cairo_curve_to(context, x - 8, y - 5, x + 8, y - 5, x + 16, y);
    }
    canvas.StrokePath(kWhite, 3);
    for (const auto& [x, y] : {std::pair{706.0, 370.0}, {480.0, 416.0}}) {
        canvas.Ellipse(x, y, 16, 7);
        Soft(canvas, Palette::kGreen.Lighter(0.45));
    }
}

// The humped stone bridge over the stream, running off the right of the page.
void Bridge(Canvas& canvas) {
    cairo_t* context = canvas.Context();
    cairo_move_to(context, 480, 298);
    cairo_curve_to(context, 560, 256, 760, 248, 860, 270);
    cairo_line_to(context, 860, 300);
    cairo_curve_to(context, 800, 296, 760, 300, 740, 304);
    cairo_curve_to(context, 720, 250, 600, 250, 580, 304);
    cairo_close_path(context);
    Soft(canvas, kStone);
    cairo_move_to(context, 484, 290);
    cairo_curve_to(context, 560, 250, 760, 244, 860, 264);
    canvas.StrokePath(kStone.Darker(0.8), 6);
    for (double x = 500; x < 850; x += 48) {
        const double top = 262 - std::sin((x - 480) / 380 * kPi) * 10;
        Bar(canvas, x, top, x, top - 26, 4, kWood);
    }
    cairo_move_to(context, 500, 244);
    cairo_curve_to(context, 580, 214, 760, 208, 860, 230);
    canvas.StrokePath(kSoftInk, 7);
    cairo_move_to(context, 500, 244);
    cairo_curve_to(context, 580, 214, 760, 208, 860, 230);
    canvas.StrokePath(kWood, 3);
}

// The boulder the long-legged monster stands on and the stump the horned one stands on.
void BoulderAndStump(Canvas& canvas) {
    canvas.Polygon({-10, 262, 10, 252, 90, 252, 112, 270, 116, 320, -10, 320});
    Soft(canvas, kStone.Darker(0.92));
    canvas.Polygon({82, 346, 166, 346, 172, 420, 76, 420});
    Soft(canvas, kWood.Darker(0.85));
    canvas.Ellipse(124, 346, 42, 8);
    Soft(canvas, kWood.Lighter(0.3));
    canvas.Ellipse(124, 346, 20, 4);
    canvas.StrokePath(kWood.Darker(0.8), 2);
}

// A leaning tree with a puffy, spotted top: the valley's own kind of tree.
void PuffTree(Canvas& canvas, double x, double groundY, double height) {
    Bar(canvas, x, groundY, x + 12, groundY - height, 8, kWood.Darker(0.85));
    const double top = groundY - height - 18;
    Puff(canvas, {{x - 10, top + 8, 22, 22}, {x + 30, top + 6, 22, 22}, {x + 12, top - 10, 26, 26}},
         kTeal.Lighter(0.55));
    for (const auto& [dx, dy] : {std::pair{-12.0, 8.0}, {16.0, -14.0}, {32.0, 8.0}}) {
        Dot(canvas, x + dx, top + dy, 4, kWhite.Darker(0.97));
    }
}

// Flowers, pebbles, tufts of grass and footprints at the front of the page.
void Foreground(Canvas& canvas) {
    const double flowers[][2] = {{170, 470}, {260, 520}, {460, 500},
                                 {720, 520}, {800, 470}, {120, 560}};
    for (const auto& flower : flowers) SceneKit::Daisy(canvas, flower[0], flower[1], kWhite);
    for (const auto& [x, y] : {std::pair{300.0, 470.0}, {560.0, 540.0}, {790.0, 420.0}}) {
        canvas.Ellipse(x, y, 14, 8);
        Soft(canvas, kStone);
        cairo_t* context = canvas.Context();
        for (const double lean : {-8.0, 0.0, 8.0}) {
            cairo_move_to(context, x - 24, y + 6);
            cairo_line_to(context, x - 24 + lean, y - 10 + std::abs(lean) / 2);
        }
        canvas.StrokePath(kMeadow.Darker(0.75), 2.5);
    }
    for (int32_t step = 0; step < 4; ++step) {
        const double x = 420 + step * 34.0, y = 560 - step * 10.0 + (step % 2) * 12;
        canvas.Ellipse(x, y, 8, 5);
        canvas.FillPath(kMeadow.Darker(0.85));
    }
}

// A wooden signpost saying who lives here.
void Signpost(Canvas& canvas) {
    Bar(canvas, 70, 560, 70, 500, 6, kWood.Darker(0.85));
    canvas.Polygon({22, 476, 112, 476, 126, 492, 112, 508, 22, 508});
    Soft(canvas, kWood);
    canvas.Text("boo!", 70, 492, 18, kSoftInk);
}

void Scene(Canvas& canvas) {
    Backdrop(canvas);
    Meadow(canvas);
    PuffTree(canvas, 160, 292, 100);
    PuffTree(canvas, 290, 286, 50);
    StreamAndPond(canvas);
    Bridge(canvas);
    BoulderAndStump(canvas);
    Foreground(canvas);
    Signpost(canvas);
}

}  // namespace

PageTheme Themes::Monsters() {
    return {"Friendly monsters",
            Palette::kPurple,
            Scene,
            {
                {"water monster", WaterMonster},
                {"furry monster", FurryMonster},
                {"one-eyed blob", OneEyedBlob},
                {"horned monster", HornedMonster},
                {"spotty monster", SpottyMonster},
                {"stripy monster", StripyMonster},
                {"spiky monster", SpikyMonster},
                {"three eyes", ThreeEyedMonster},
                {"big mouth", BigMouth},
                {"two heads", TwoHeadedMonster},
                {"long legs", LongLegs},
                {"winged monster", WingedMonster},
            }};
}
