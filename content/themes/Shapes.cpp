// Page 20: shapes. Eight shapes come alive as children in a playground: each has stick
// arms and legs, and each plays somewhere different (a swing, the monkey bars, a
// seesaw, a slide tower, a tree house, a sandpit).

#include "content/themes/Themes.h"

#include <cairo.h>

#include <cstdint>
#include <string>
#include <utility>

#include "content/DesignKit.h"
#include "content/SceneKit.h"
#include "content/SoftScenery.h"

namespace {

using namespace DesignKit;
using namespace SoftScenery;

// ---- The shape children ----

// Arms and legs are plain ink strokes, so that the shape itself stays the body.
constexpr double kLimb = 4.5;

void Limb(Canvas& canvas, double fromX, double fromY, double toX, double toY) {
    Line(canvas, fromX, fromY, toX, toY, kInk, kLimb);
}

void Arm(Canvas& canvas, double fromX, double fromY, double toX, double toY) {
    Limb(canvas, fromX, fromY, toX, toY);
    canvas.Circle(toX, toY, 5);
    canvas.FillAndOutline(kWhite, kInk, 3);
}

// A leg ending in a shoe that points `toward` one side (-1 left, +1 right).
void Leg(Canvas& canvas, double fromX, double fromY, double toX, double toY, double toward) {
    Limb(canvas, fromX, fromY, toX, toY);
    canvas.Ellipse(toX + toward * 3, toY, 7.5, 4.5);
    canvas.FillAndOutline(Palette::kRed.Darker(0.7), kInk, 3);
}

void StandingLegs(Canvas& canvas, double hipY, double spread) {
    PairOf([&](double side) {
        Leg(canvas, 50 + side * spread, hipY, 50 + side * (spread + 2), 94, side);
    });
}

// A face with rosy cheeks: the shapes are children, not things.
void Cheerful(Canvas& canvas, double centreX, double centreY, double size) {
    PairOf([&](double side) {
        Dot(canvas, centreX + side * size * 0.36, centreY + size * 0.06, size * 0.08,
            Palette::kPink.Lighter(0.2));
    });
    Face(canvas, centreX, centreY, size);
}

// Waves with both hands, standing in the sand.
void CircleChild(Canvas& canvas) {
    StandingLegs(canvas, 76, 10);
    PairOf([&](double side) { Arm(canvas, 50 + side * 30, 44, 50 + side * 44, 22); });
    canvas.Circle(50, 44, 34);
    Solid(canvas, Palette::kRed);
    Cheerful(canvas, 50, 46, 40);
}

// Hangs from the monkey bars by both hands, legs dangling.
void SquareChild(Canvas& canvas) {
    PairOf([&](double side) {
        Arm(canvas, 50 + side * 22, 30, 50 + side * 30, 6);
        Leg(canvas, 50 + side * 12, 78, 50 + side * 8, 95, side);
    });
    canvas.RoundedBox(19, 22, 62, 60, 5);
    Solid(canvas, Palette::kBlue);
    Cheerful(canvas, 50, 52, 40);
}

// Holds its arms out to balance on the seesaw.
void TriangleChild(Canvas& canvas) {
    StandingLegs(canvas, 80, 13);
    PairOf([&](double side) { Arm(canvas, 50 + side * 22, 56, 50 + side * 45, 48); });
    canvas.Polygon({50, 4, 92, 82, 8, 82});
    Solid(canvas, Palette::kGreen);
    Cheerful(canvas, 50, 58, 34);
}

// Its lower points are its legs and its side points its arms, one raised in a cheer.
void StarChild(Canvas& canvas) {
    Arm(canvas, 88, 34, 96, 12);
    canvas.Star(50, 52, 48, 21, 5);
    Solid(canvas, Palette::kSun);
    PairOf([&](double side) {
        canvas.Ellipse(50 + side * 30, 93, 8, 4.5);
        canvas.FillAndOutline(Palette::kRed.Darker(0.7), kInk, 3);
    });
    canvas.Circle(5, 37, 5);
    canvas.FillAndOutline(kWhite, kInk, 3);
    Cheerful(canvas, 50, 54, 28);
}

// Sits on a branch, its legs hanging down in front of it.
void HeartChild(Canvas& canvas) {
    Arm(canvas, 16, 40, 4, 60);
    Arm(canvas, 84, 30, 96, 10);
    canvas.Heart(50, 42, 84);
    Solid(canvas, Palette::kPink);
    Leg(canvas, 42, 74, 36, 94, -1);
    Leg(canvas, 58, 74, 66, 92, 1);
    Cheerful(canvas, 50, 38, 40);
}

// Rides the swing, holding its chains up high and kicking its legs forward.
void DiamondChild(Canvas& canvas) {
    PairOf([&](double side) { Arm(canvas, 50 + side * 18, 32, 50 + side * 30, 6); });
    Leg(canvas, 46, 78, 28, 92, -1);
    Leg(canvas, 54, 78, 72, 94, 1);
    canvas.Polygon({50, 12, 84, 50, 50, 88, 16, 50});
    Solid(canvas, Palette::kPurple);
    Cheerful(canvas, 50, 50, 30);
}

// Stands proudly on the tree house, hands on hips.
void HexagonChild(Canvas& canvas) {
    PairOf([&](double side) {
        Limb(canvas, 50 + side * 32, 40, 50 + side * 46, 54);
        Arm(canvas, 50 + side * 46, 54, 50 + side * 34, 64);
    });
    StandingLegs(canvas, 74, 12);
    canvas.Star(50, 44, 38, 38, 3, kPi / 6);
    Solid(canvas, Palette::kOrange);
    Cheerful(canvas, 50, 46, 38);
}

// A crescent with its face on the inside of its curve, holding on to the seesaw.
void CrescentChild(Canvas& canvas) {
    Arm(canvas, 60, 58, 82, 70);
    StandingLegs(canvas, 78, 12);
    cairo_t* context = canvas.Context();
    cairo_new_path(context);
    cairo_arc(context, 52, 44, 40, 0.32 * kPi, 1.68 * kPi);
    cairo_arc_negative(context, 70, 40, 30, 1.5 * kPi, 0.62 * kPi);
    cairo_close_path(context);
    Solid(canvas, kTeal);
    Eyes(canvas, 30, 36, 0, 3.5);
    Grin(canvas, 32, 52, 8);
    Dot(canvas, 22, 48, 3.5, Palette::kPink.Lighter(0.2));
}

// ---- The playground ----

constexpr Colour kLeaves = Colour::Hex(0x9ED98A);

void Backdrop(Canvas& canvas) {
    SunnySky(canvas, Colour::Hex(0xA9DDFB), Colour::Hex(0xE8F7FF), 340, 262, 62, 28);
    SceneKit::Cloud(canvas, 540, 60, 34);
    SceneKit::Cloud(canvas, 175, 110, 24);
    SceneKit::Hill(canvas, 220, 360, 320, 80, Colour::Hex(0xC6ECB4));
    SceneKit::Hill(canvas, 640, 350, 300, 70, Colour::Hex(0xB8E4C8));
}

// A kite far away and two birds: small things for a child to find in the sky.
void SkyDetails(Canvas& canvas) {
    canvas.Polygon({322, 30, 334, 44, 322, 60, 310, 44});
    Soft(canvas, Palette::kRed.Lighter(0.45));
    cairo_t* context = canvas.Context();
    cairo_move_to(context, 322, 60);
    cairo_curve_to(context, 312, 80, 336, 90, 318, 112);
    canvas.StrokePath(kSoftInk, 1.5);
    for (const double x : {455.0, 478.0}) {
        cairo_move_to(context, x - 8, 40 + (x - 455) / 3);
        cairo_line_to(context, x, 46 + (x - 455) / 3);
        cairo_line_to(context, x + 8, 40 + (x - 455) / 3);
    }
    canvas.StrokePath(kSoftInk, 2);
}

void Fence(Canvas& canvas) {
    for (double x = -6; x < SceneKit::kWidth; x += 26) {
        canvas.Polygon({x, 300, x + 8, 292, x + 16, 300, x + 16, 338, x, 338});
    }
    Soft(canvas, Palette::kWhite);
    canvas.RoundedBox(-10, 310, SceneKit::kWidth + 20, 8, 3);
    Soft(canvas, Palette::kWhite);
}

void Grounds(Canvas& canvas) {
    SceneKit::Ground(canvas, 336, Colour::Hex(0xB9E7A0), Colour::Hex(0x8FD47E));
    cairo_t* context = canvas.Context();
    cairo_move_to(context, -10, 512);
    cairo_curve_to(context, 250, 490, 560, 540, 860, 500);
    cairo_line_to(context, 860, 560);
    cairo_curve_to(context, 560, 600, 250, 550, -10, 575);
    cairo_close_path(context);
    Soft(canvas, Colour::Hex(0xF3E2C2));
}

// Hopscotch chalked on the path: numbers for sharp eyes.
void Hopscotch(Canvas& canvas) {
    for (int32_t square = 0; square < 4; ++square) {
        const double x = 600 + square * 40;
        canvas.RoundedBox(x, 514, 36, 30, 3);
        canvas.StrokePath(Palette::kWhite, 2.5);
        canvas.Text(std::to_string(square + 1), x + 18, 530, 16, Palette::kPink.Lighter(0.3));
    }
}

// A skipping rope dropped on the grass.
void SkippingRope(Canvas& canvas) {
    cairo_t* context = canvas.Context();
    cairo_move_to(context, 90, 440);
    cairo_curve_to(context, 140, 500, 190, 400, 240, 452);
    cairo_curve_to(context, 270, 480, 210, 490, 200, 470);
    canvas.StrokePath(Palette::kPurple.Lighter(0.4), 3);
    for (const auto& end : {std::pair{90.0, 440.0}, {200.0, 470.0}}) {
        canvas.RoundedBox(end.first - 5, end.second - 12, 10, 18, 4);
        Soft(canvas, Palette::kSun.Lighter(0.3));
    }
}

void Flowers(Canvas& canvas) {
    const double places[][2] = {{40, 470},  {120, 500}, {250, 478}, {575, 480},
                                {700, 470}, {800, 482}, {160, 560}, {420, 575}};
    int32_t count = 0;
    for (const auto& place : places) {
        const Colour petals = count++ % 2 == 0 ? Palette::kWhite : Palette::kPink.Lighter(0.4);
        SceneKit::Daisy(canvas, place[0], place[1], petals);
    }
}

void Canopy(Canvas& canvas, double x, double y, double radiusX, double radiusY) {
    Puff(canvas,
         {{x - radiusX * 0.45, y + radiusY * 0.2, radiusX * 0.6, radiusY * 0.7},
          {x + radiusX * 0.45, y + radiusY * 0.15, radiusX * 0.6, radiusY * 0.75},
          {x, y - radiusY * 0.25, radiusX * 0.7, radiusY * 0.75}},
         kLeaves);
}

// The tree on the left, with a low branch to sit on (the heart's).
void BranchTree(Canvas& canvas) {
    canvas.Polygon({28, 120, 62, 120, 70, 430, 20, 430});
    Soft(canvas, kWood.Darker(0.85));
    Canopy(canvas, 40, 48, 150, 90);
    Bar(canvas, 30, 182, 122, 180, 12, kWood.Darker(0.85));
    canvas.Ellipse(118, 168, 10, 6);
    Soft(canvas, kLeaves);
}

// Posts, the swing's crossbar and the monkey bars reaching to the slide tower.
void PlayFrame(Canvas& canvas) {
    Bar(canvas, 112, 196, 102, 420, 8, kWood);
    Bar(canvas, 230, 150, 236, 420, 8, kWood);
    Bar(canvas, 104, 198, 232, 198, 9, kWood);
    Bar(canvas, 226, 158, 384, 158, 8, Palette::kBlue.Lighter(0.45));
    for (double x = 246; x < 380; x += 22) Dot(canvas, x, 158, 2.5, kSoftInk);
    // The swing's chains run from the crossbar to the seat the diamond sits on.
    for (const double x : {141.0, 189.0}) Line(canvas, x, 202, x, 312, kSoftInk, 2.5);
    Bar(canvas, 126, 314, 204, 314, 6, Palette::kRed.Lighter(0.4));
}

// The slide tower: the star stands on its deck, the circle plays at the ladder's foot.
void SlideTower(Canvas& canvas) {
    Bar(canvas, 490, 190, 572, 398, 16, Palette::kRed.Lighter(0.35));
    Line(canvas, 496, 200, 572, 393, Palette::kRed.Lighter(0.6), 5);
    for (const double x : {374.0, 466.0}) Bar(canvas, x, 80, x, 405, 8, kWood);
    for (double y = 210; y < 400; y += 26) Bar(canvas, 378, y, 462, y, 4, kWood.Lighter(0.2));
    Bar(canvas, 364, 186, 500, 186, 9, kWood);
    canvas.Polygon({356, 86, 420, 40, 484, 86});
    Soft(canvas, Palette::kRed.Lighter(0.45));
    Line(canvas, 420, 40, 420, 16, kSoftInk, 2.5);
    canvas.Polygon({420, 16, 444, 22, 420, 28});
    Soft(canvas, Palette::kSun.Lighter(0.3));
}

// The seesaw tips a little towards the crescent's end.
void Seesaw(Canvas& canvas) {
    canvas.Polygon({651, 306, 628, 372, 674, 372});
    Soft(canvas, kWood.Darker(0.9));
    Bar(canvas, 562, 300, 744, 318, 6, Palette::kSun.Lighter(0.35));
    for (const double x : {576.0, 730.0}) {
        Bar(canvas, x, 300 + (x - 562) * 0.1, x, 286 + (x - 562) * 0.1, 3, kSoftInk);
    }
}

// The tree on the right holds a tree house deck (the hexagon's) and a rope ladder.
void TreeHouse(Canvas& canvas) {
    canvas.Polygon({768, 150, 806, 150, 816, 380, 758, 380});
    Soft(canvas, kWood.Darker(0.85));
    Canopy(canvas, 735, 60, 190, 110);
    Bar(canvas, 782, 250, 730, 186, 7, kWood.Darker(0.9));
    Bar(canvas, 596, 180, 824, 180, 10, kWood);
    for (const double x : {818.0, 838.0}) Line(canvas, x, 186, x, 340, kSoftInk, 2.5);
    for (double y = 206; y < 340; y += 22) Line(canvas, 818, y, 838, y, kSoftInk, 3);
}

// The sandpit in front, with a bucket and spade left in it.
void Sandpit(Canvas& canvas) {
    canvas.Polygon({318, 398, 548, 398, 570, 472, 296, 472});
    Soft(canvas, kWood);
    canvas.Polygon({330, 404, 537, 404, 554, 464, 312, 464});
    Soft(canvas, Colour::Hex(0xF8E3A8));
    canvas.Polygon({498, 428, 526, 428, 522, 452, 502, 452});
    Soft(canvas, Palette::kBlue.Lighter(0.5));
    Bar(canvas, 340, 446, 360, 428, 3, Palette::kGreen.Lighter(0.4));
}

void Scene(Canvas& canvas) {
    Backdrop(canvas);
    SkyDetails(canvas);
    Fence(canvas);
    Grounds(canvas);
    Hopscotch(canvas);
    Flowers(canvas);
    SkippingRope(canvas);
    BranchTree(canvas);
    TreeHouse(canvas);
    SlideTower(canvas);
    PlayFrame(canvas);
    Seesaw(canvas);
    Sandpit(canvas);
}

}  // namespace

PageTheme Themes::Shapes() {
    return {"Shapes",
            kTeal,
            Scene,
            {
                {"circle", CircleChild},
                {"square", SquareChild},
                {"triangle", TriangleChild},
                {"star", StarChild},
                {"heart", HeartChild},
                {"diamond", DiamondChild},
                {"hexagon", HexagonChild},
                {"crescent", CrescentChild},
            }};
}
