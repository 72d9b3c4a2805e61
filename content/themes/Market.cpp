// Page 3: the fruit and vegetable stall.

#include "content/themes/Themes.h"

#include <cairo.h>

#include <cmath>
#include <cstdint>
#include <utility>

#include "content/DesignKit.h"
#include "content/SceneKit.h"
#include "content/ShapePath.h"

namespace {

using namespace DesignKit;

constexpr Colour kLeafGreen = Palette::kGreen;
constexpr Colour kTomatoRed = Colour::Hex(0xFF4B36);
constexpr Colour kPumpkinOrange = Colour::Hex(0xFF8A1E);

// A short woody stalk rising from (x, y), leaning right.
void Stalk(Canvas& canvas, double x, double y, double length) {
    Band(canvas, x, y, x + length * 0.25, y - length, kDarkBrown, 4);
}

// A pale oval of light on the upper left of a round fruit.
void Shine(Canvas& canvas, double x, double y, double size, Colour colour) {
    canvas.Ellipse(x, y, size, size * 0.6);
    canvas.FillPath(colour.Lighter(0.6));
}

// The apple: a dip at the top for its stalk, a leaf beside it.
void Apple(Canvas& canvas) {
    Stalk(canvas, 50, 30, 22);
    Leaf(canvas, 55, 16, 28, -0.4, kLeafGreen);
    ShapePath::Trace(canvas, {{50, 30},
                              {34, 16, 6, 22, 8, 54},
                              {10, 82, 32, 98, 50, 90},
                              {68, 98, 90, 82, 92, 54},
                              {94, 22, 66, 16, 50, 30}});
    Solid(canvas, Palette::kRed);
    Shine(canvas, 26, 40, 8, Palette::kRed);
    Face(canvas, 50, 62, 38);
}

// The pear: a narrow neck over a wide, round bottom.
void Pear(Canvas& canvas) {
    Stalk(canvas, 50, 18, 14);
    Leaf(canvas, 53, 10, 22, -0.2, kLeafGreen);
    ShapePath::Trace(canvas, {{50, 16},
                              {62, 16, 66, 30, 66, 40},
                              {66, 52, 88, 58, 88, 76},
                              {88, 94, 68, 98, 50, 98},
                              {32, 98, 12, 94, 12, 76},
                              {12, 58, 34, 52, 34, 40},
                              {34, 30, 38, 16, 50, 16}});
    Solid(canvas, kLime);
    Shine(canvas, 28, 70, 6, kLime);
    Face(canvas, 50, 76, 34);
}

// One banana of a bunch: a crescent from the crown at the top, curving out to its tip.
void OneBanana(Canvas& canvas, double x, double turn) {
    cairo_t* context = canvas.Context();
    cairo_save(context);
    cairo_translate(context, x, 12);
    cairo_rotate(context, turn);
    ShapePath::Trace(
        canvas,
        {{-7, 0}, {-30, 34, -16, 80, 28, 84}, {32, 84, 34, 78, 30, 76}, {4, 66, -4, 34, 9, 0}});
    cairo_restore(context);
    Solid(canvas, Palette::kSun);
}

// A bunch of bananas hanging from its stem, all curving the same way.
void Bananas(Canvas& canvas) {
    for (const auto& [x, turn] : {std::pair{46.0, 0.45}, {50.0, 0.12}, {54.0, -0.22}})
        OneBanana(canvas, x, turn);
    canvas.RoundedBox(40, 0, 20, 16, 4);
    Solid(canvas, Colour::Hex(0x8DBB3C));
    Eyes(canvas, 64, 66, 12, 3.2);
}

void Cherries(Canvas& canvas) {
    cairo_t* context = canvas.Context();
    for (const auto& [colour, width] : {std::pair{kInk, 9.0}, {kDarkBrown, 3.0}}) {
        cairo_move_to(context, 28, 66);
        cairo_curve_to(context, 34, 40, 48, 20, 58, 8);
        cairo_move_to(context, 72, 64);
        cairo_curve_to(context, 68, 40, 62, 20, 58, 8);
        canvas.StrokePath(colour, width);
    }
    Leaf(canvas, 58, 10, 30, 0.2, kLeafGreen);
    for (const double x : {26.0, 72.0}) {
        canvas.Circle(x, 76, 21);
        Solid(canvas, Colour::Hex(0xD81E3C));
        Dot(canvas, x - 8, 68, 5, Colour::Hex(0xD81E3C).Lighter(0.6));
        Eyes(canvas, x, 78, 13, 3);
    }
}

void Strawberry(Canvas& canvas) {
    ShapePath::Trace(canvas, {{50, 98}, {8, 72, 4, 24, 50, 24}, {96, 24, 92, 72, 50, 98}});
    Solid(canvas, Palette::kRed);
    for (const auto& [x, y] : {std::pair{30.0, 44.0},
                               {70.0, 44.0},
                               {50.0, 84.0},
                               {28.0, 62.0},
                               {72.0, 62.0},
                               {40.0, 74.0},
                               {60.0, 74.0}})
        Dot(canvas, x, y, 2.4, Palette::kSun);
    canvas.Star(50, 24, 26, 9, 6, kPi / 6);
    Solid(canvas, kLeafGreen);
    Band(canvas, 50, 18, 54, 4, kLeafGreen, 4);
    Eyes(canvas, 50, 52, 18, 3.8);
}

// The orange: a full round with a dimpled peel and a leaf on its short stem.
void Orange(Canvas& canvas) {
    Stalk(canvas, 50, 16, 10);
    Leaf(canvas, 53, 10, 30, -0.25, kLeafGreen);
    canvas.Circle(50, 57, 40);
    Solid(canvas, Palette::kOrange);
    Shine(canvas, 30, 38, 8, Palette::kOrange);
    for (int32_t row = 0; row < 4; ++row) {
        for (int32_t column = 0; column < 5; ++column) {
            const double x = 22 + column * 14 + (row % 2) * 7;
            const double y = 34 + row * 15;
            if (std::hypot(x - 50, y - 57) < 34) Dot(canvas, x, y, 1.6, Colour::Hex(0xD9731C));
        }
    }
    Face(canvas, 50, 64, 36);
}

// The lemon: a pointed oval with a nub at each end, lying at a slant.
void Lemon(Canvas& canvas) {
    cairo_t* context = canvas.Context();
    cairo_save(context);
    cairo_translate(context, 50, 52);
    cairo_rotate(context, -0.35);
    ShapePath::Trace(canvas, {{-48, 0},
                              {-44, -4, -40, -6, -36, -10},
                              {-24, -36, 24, -36, 36, -10},
                              {40, -6, 44, -4, 48, 0},
                              {44, 4, 40, 6, 36, 10},
                              {24, 36, -24, 36, -36, 10},
                              {-40, 6, -44, 4, -48, 0}});
    cairo_restore(context);
    Solid(canvas, Colour::Hex(0xFFE03A));
    Shine(canvas, 34, 42, 7, Colour::Hex(0xFFE03A));
    Leaf(canvas, 70, 26, 24, -1.2, kLeafGreen);
    Face(canvas, 50, 56, 34);
}

// The tomato: flatter than it is tall, with a green star of sepals on top.
void Tomato(Canvas& canvas) {
    ShapePath::Trace(canvas, {{50, 28},
                              {64, 22, 96, 28, 96, 58},
                              {96, 86, 70, 94, 50, 92},
                              {30, 94, 4, 86, 4, 58},
                              {4, 28, 36, 22, 50, 28}});
    Solid(canvas, kTomatoRed);
    Line(canvas, 30, 32, 26, 46, kTomatoRed.Darker(0.8), 2.5);
    Line(canvas, 70, 32, 74, 46, kTomatoRed.Darker(0.8), 2.5);
    canvas.Star(50, 28, 24, 7, 6, kPi / 2);
    Solid(canvas, kLeafGreen);
    Band(canvas, 50, 26, 53, 12, kLeafGreen, 4);
    Face(canvas, 50, 64, 36);
}

void Grapes(Canvas& canvas) {
    Stalk(canvas, 50, 22, 18);
    Leaf(canvas, 54, 10, 32, 0.25, kLeafGreen);
    const double rows[][2] = {{4, 30}, {4, 46}, {3, 61}, {2, 75}, {1, 89}};
    for (const auto& row : rows) {
        const auto count = static_cast<int32_t>(row[0]);
        for (int32_t i = 0; i < count; ++i) {
            const double x = 50 + (i - (count - 1) / 2.0) * 17;
            canvas.Circle(x, row[1], 10);
            Solid(canvas, Palette::kPurple);
            Dot(canvas, x - 3.5, row[1] - 3.5, 2.5, Palette::kPurple.Lighter(0.5));
        }
    }
    Eyes(canvas, 50, 48, 16, 3.2);
}

// A thick slice of watermelon standing on its rind.
void Watermelon(Canvas& canvas) {
    cairo_t* context = canvas.Context();
    const auto halfMoon = [&](double radiusX, double radiusY) {
        cairo_new_path(context);
        cairo_save(context);
        cairo_translate(context, 50, 22);
        cairo_scale(context, radiusX, radiusY);
        cairo_arc(context, 0, 0, 1, 0, kPi);
        cairo_restore(context);
        cairo_close_path(context);
    };
    halfMoon(48, 72);
    Solid(canvas, Colour::Hex(0x2E9E44));
    halfMoon(40, 62);
    canvas.FillPath(Colour::Hex(0xE9F7C8));
    halfMoon(36, 57);
    canvas.FillPath(Colour::Hex(0xFF5E6C));
    for (const auto& [x, y] : {std::pair{30.0, 36.0},
                               {70.0, 36.0},
                               {40.0, 62.0},
                               {60.0, 62.0},
                               {50.0, 72.0},
                               {26.0, 50.0},
                               {74.0, 50.0}})
        canvas.Ellipse(x, y, 2.2, 3.6);
    canvas.FillPath(kInk);
    Eyes(canvas, 50, 38, 18, 3.8);
}

void Pineapple(Canvas& canvas) {
    for (const double turn : {-0.75, -0.38, 0.0, 0.38, 0.75}) {
        Leaf(canvas, 50, 36, 38 - std::abs(turn) * 12, -kPi / 2 + turn, kLeafGreen);
    }
    const auto body = [&canvas] { canvas.Ellipse(50, 65, 27, 33); };
    body();
    Solid(canvas, Colour::Hex(0xFFC42E));
    // The criss-cross of the skin stays inside the fruit.
    cairo_t* context = canvas.Context();
    cairo_save(context);
    body();
    cairo_clip(context);
    for (int32_t i = -4; i <= 4; ++i) {
        Line(canvas, 30 + i * 12, 34, 70 + i * 12, 98, Palette::kOrange, 2.5);
        Line(canvas, 70 + i * 12, 34, 30 + i * 12, 98, Palette::kOrange, 2.5);
    }
    cairo_restore(context);
    body();
    canvas.StrokePath(kInk, kOutline);
    Face(canvas, 50, 66, 38);
}

// A carrot lying on a slant, its feathery top to the upper right.
void Carrot(Canvas& canvas) {
    for (const double turn : {-1.3, -0.8, -0.3}) Leaf(canvas, 72, 28, 30, turn, kLeafGreen);
    ShapePath::Trace(canvas, {{60, 16}, {74, 18, 84, 28, 84, 40}, {12, 94}});
    Solid(canvas, Palette::kOrange);
    for (const auto& [x, y] : {std::pair{50.0, 48.0}, {40.0, 62.0}, {30.0, 76.0}})
        Line(canvas, x, y, x + 7, y + 6, kInk, 2.5);
    Eyes(canvas, 66, 36, 12, 3.2);
}

// The pumpkin: wide and ribbed, with a thick stem.
void Pumpkin(Canvas& canvas) {
    Band(canvas, 50, 36, 54, 16, Colour::Hex(0x6B8E23), 6);
    Leaf(canvas, 56, 22, 26, -0.3, kLeafGreen);
    for (const auto& [x, width] :
         {std::pair{26.0, 22.0}, {74.0, 22.0}, {38.0, 22.0}, {62.0, 22.0}, {50.0, 20.0}}) {
        canvas.Ellipse(x, 64, width, 32);
        Solid(canvas, kPumpkinOrange);
    }
    Face(canvas, 50, 64, 36);
}

// ---- The stall around the produce ----

constexpr Colour kWood = Colour::Hex(0xD9A066);
constexpr Colour kCrateWood = Colour::Hex(0xE8C08A);
constexpr Colour kWoodLine = Colour::Hex(0x9C7650);
constexpr Colour kBackBoard = Colour::Hex(0xE0BE92);

// A slatted crate whose rim is at `rimY`, a heap of soft-coloured produce just showing.
void Crate(Canvas& canvas, double x, double rimY, double width, double height, Colour produce) {
    for (double bump = x + 8; bump < x + width - 4; bump += 16) canvas.Circle(bump, rimY + 2, 9);
    canvas.FillAndOutline(produce.Lighter(0.45), produce.Darker(0.7), 1.5);
    canvas.RoundedBox(x, rimY, width, height, 3);
    canvas.FillAndOutline(kCrateWood, kWoodLine, 2.5);
    cairo_t* context = canvas.Context();
    for (double y = rimY + height / 3; y < rimY + height - 2; y += height / 3)
        cairo_rectangle(context, x + 2, y - 1, width - 4, 3);
    canvas.FillPath(kWoodLine.Lighter(0.3));
}

// A wicker basket with its rim at `rimY`.
void Basket(Canvas& canvas, double centreX, double rimY, double width) {
    canvas.Polygon({centreX - width / 2, rimY, centreX + width / 2, rimY, centreX + width * 0.4,
                    rimY + 30, centreX - width * 0.4, rimY + 30});
    canvas.FillAndOutline(Colour::Hex(0xD8A860), kInk, 2.5);
    for (double y = rimY + 8; y < rimY + 30; y += 8)
        DesignKit::Line(canvas, centreX - width * 0.45, y, centreX + width * 0.45, y,
                        Colour::Hex(0xB88440), 2);
}

// A shelf board from x to x + width with its top at `topY`.
void Shelf(Canvas& canvas, double x, double topY, double width) {
    SceneKit::Box(canvas, x, topY, width, 14, kWood);
}

// A hook on the bar under the awning with a string down to `endY`.
void Hanger(Canvas& canvas, double x, double endY) {
    DesignKit::Line(canvas, x, 24, x, endY, kDarkBrown.Lighter(0.3), 2.5);
    DesignKit::Dot(canvas, x, 26, 4, kInk.Lighter(0.3));
}

// The street behind the stall: sky, the roofs of far houses and another stall's awning.
void Street(Canvas& canvas) {
    SceneKit::Sky(canvas, Colour::Hex(0xBFE6FF), Colour::Hex(0xEAF7FF), 300);
    for (const auto& [x, height] :
         {std::pair{110.0, 150.0}, {250.0, 120.0}, {600.0, 160.0}, {720.0, 130.0}}) {
        canvas.Polygon({x - 8, 302 - height, x + 55, 262 - height, x + 118, 302 - height});
        canvas.FillAndOutline(Colour::Hex(0xE8A899), Colour::Hex(0xC98B7E), 2);
        canvas.RoundedBox(x, 300 - height, 110, height + 10, 4);
        canvas.FillAndOutline(Colour::Hex(0xF4D9C6), Colour::Hex(0xC9A58F), 2);
        for (const double wx : {x + 18, x + 62})
            SceneKit::Box(canvas, wx, 320 - height, 30, 26, Colour::Hex(0xD9EEFA));
    }
    SceneKit::Cloud(canvas, 520, 70, 26);
    // A kite far away over the roofs.
    canvas.Polygon({470, 110, 480, 96, 490, 110, 480, 126});
    canvas.FillAndOutline(Colour::Hex(0xFFB5C8), Colour::Hex(0xC98BA0), 1.5);
    DesignKit::Line(canvas, 480, 126, 500, 170, Colour::Hex(0xC98BA0), 1.2);
}

// The striped edge of the awning along the top of the page, and the bar that holds hooks.
void Awning(Canvas& canvas) {
    for (int32_t stripe = 0; stripe < 16; ++stripe) {
        const double x = stripe * 56.0 - 8;
        canvas.Polygon({x, -4, x + 56, -4, x + 56, 10, x + 28, 20, x, 10});
        canvas.FillAndOutline(stripe % 2 == 0 ? Colour::Hex(0xF58A87) : Palette::kWhite, kInk, 2.5);
    }
    SceneKit::Box(canvas, -10, 18, 864, 8, kWood.Darker(0.9));
}

// The back of the stall: two long shelves of crates, a top shelf and a chalk price board.
void Shelves(Canvas& canvas) {
    for (const double x : {-8.0, 828.0}) SceneKit::Box(canvas, x, 10, 24, 440, kWood);
    // Mid-toned boards, so that the faint places of pale fruit still show on them.
    canvas.RoundedBox(14, 180, 816, 270, 6);
    canvas.FillAndOutline(kBackBoard, kInk, 2.5);
    cairo_t* context = canvas.Context();
    for (double x = 74; x < 830; x += 60) {
        cairo_move_to(context, x, 182);
        cairo_line_to(context, x, 448);
    }
    canvas.StrokePath(kBackBoard.Darker(0.93), 2);
    Shelf(canvas, -10, 158, 96);
    Crate(canvas, 40, 262, 110, 40, Colour::Hex(0xC8A07A));
    Crate(canvas, 190, 262, 104, 40, Palette::kRed);
    Crate(canvas, 330, 262, 120, 40, Palette::kSun);
    Crate(canvas, 528, 258, 100, 40, Palette::kOrange);
    Shelf(canvas, 14, 300, 816);
    Crate(canvas, 40, 370, 110, 46, Palette::kPurple);
    Crate(canvas, 180, 372, 120, 44, kLeafGreen);
    Crate(canvas, 340, 368, 100, 48, Palette::kSun);
    Crate(canvas, 476, 370, 100, 46, kLime);
    Crate(canvas, 600, 370, 100, 46, kLeafGreen);
    Crate(canvas, 716, 354, 100, 62, Palette::kRed);
    Shelf(canvas, 14, 416, 816);
    canvas.RoundedBox(676, 172, 130, 80, 6);
    canvas.FillAndOutline(Colour::Hex(0x4E5D52), kDarkBrown, 5);
    canvas.Text("FRESH", 741, 198, 20, Palette::kWhite);
    canvas.Text("FRUIT", 741, 228, 20, Colour::Hex(0xFFE89A));
}

// Cobbles from `topY` to the bottom of the page.
void Cobbles(Canvas& canvas, double topY) {
    canvas.VerticalGradient(0, topY, SceneKit::kWidth, SceneKit::kHeight - topY,
                            Colour::Hex(0xD8D2C8), Colour::Hex(0xBDB5A8));
    for (double y = topY + 4; y < SceneKit::kHeight; y += 22) {
        const double shift = (static_cast<int32_t>(y) / 22 % 2) * 22;
        for (double x = -shift; x < SceneKit::kWidth; x += 44)
            canvas.RoundedBox(x + 3, y + 3, 38, 16, 7);
    }
    canvas.FillPath(Colour::Hex(0xE2DDD4));
}

// A sack of potatoes slumped on the ground, its top tied.
void Sack(Canvas& canvas, double centreX, double bottomY) {
    ShapePath::Trace(
        canvas, {{centreX - 20, bottomY - 78},
                 {centreX - 56, bottomY - 40, centreX - 60, bottomY, centreX, bottomY},
                 {centreX + 60, bottomY, centreX + 56, bottomY - 40, centreX + 20, bottomY - 78}});
    canvas.FillAndOutline(Colour::Hex(0xDCC29A), Colour::Hex(0x9C8056), 2.5);
    DesignKit::Line(canvas, centreX - 22, bottomY - 70, centreX + 22, bottomY - 70,
                    Colour::Hex(0x9C8056), 4);
    for (const double dx : {-26.0, 0.0, 24.0}) canvas.Circle(centreX + dx, bottomY - 68, 10);
    canvas.FillAndOutline(Colour::Hex(0xE8CFA8), Colour::Hex(0xB39870), 1.5);
}

// A low wooden pallet the big fruit rest on.
void Pallet(Canvas& canvas, double x, double topY, double width) {
    SceneKit::Box(canvas, x, topY, width, 10, kCrateWood);
    for (double leg = x + 6; leg < x + width; leg += (width - 24) / 2)
        SceneKit::Box(canvas, leg, topY + 10, 12, 14, kCrateWood.Darker(0.85));
    SceneKit::Box(canvas, x, topY + 24, width, 10, kCrateWood);
}

// The stall's cat, curled up asleep on the cobbles.
void SleepingCat(Canvas& canvas, double x, double y) {
    const Colour fur = Colour::Hex(0xF2C59A);
    const Colour line = Colour::Hex(0xA67E5C);
    cairo_t* context = canvas.Context();
    cairo_new_path(context);
    cairo_arc(context, x + 8, y + 2, 26, 0.2, 2.6);
    canvas.StrokePath(line, 9);
    cairo_new_path(context);
    cairo_arc(context, x + 8, y + 2, 26, 0.2, 2.6);
    canvas.StrokePath(fur, 5);
    canvas.Ellipse(x, y, 36, 18);
    canvas.FillAndOutline(fur, line, 2);
    canvas.Polygon(
        {x - 42, y - 14, x - 38, y - 30, x - 30, y - 18, x - 22, y - 30, x - 20, y - 12});
    canvas.FillAndOutline(fur, line, 2);
    canvas.Circle(x - 30, y - 6, 14);
    canvas.FillAndOutline(fur, line, 2);
    for (const double eye : {-36.0, -25.0}) {
        cairo_new_path(context);
        cairo_arc(context, x + eye, y - 7, 3, 0.2, kPi - 0.2);
        canvas.StrokePath(line, 1.8);
    }
}

// A sparrow perched on the awning's bar.
void Sparrow(Canvas& canvas, double x, double y) {
    const Colour line = Colour::Hex(0x8C6B52);
    canvas.Polygon({x + 12, y - 8, x + 26, y - 14, x + 22, y - 4});
    canvas.FillAndOutline(Colour::Hex(0xB98E6E), line, 1.5);
    canvas.Ellipse(x, y - 8, 14, 9);
    canvas.FillAndOutline(Colour::Hex(0xD6B396), line, 1.5);
    canvas.Circle(x - 12, y - 16, 7);
    canvas.FillAndOutline(Colour::Hex(0xD6B396), line, 1.5);
    canvas.Polygon({x - 19, y - 17, x - 26, y - 15, x - 19, y - 13});
    canvas.FillPath(Palette::kOrange.Lighter(0.3));
    DesignKit::Dot(canvas, x - 14, y - 18, 1.5, line);
}

// The cobbled ground in front: stacked crates, the sack, the baskets, the pallet and the cat.
void Front(Canvas& canvas) {
    Cobbles(canvas, 430);
    Crate(canvas, 0, 448, 110, 60, Palette::kOrange);
    Crate(canvas, 0, 508, 110, 60, kLeafGreen);
    Sack(canvas, 180, 560);
    Crate(canvas, 648, 480, 104, 60, kTomatoRed);
    Basket(canvas, 304, 554, 110);
    Pallet(canvas, 470, 550, 200);
    SleepingCat(canvas, 790, 560);
}

void Scene(Canvas& canvas) {
    Street(canvas);
    Shelves(canvas);
    Front(canvas);
    Awning(canvas);
    Sparrow(canvas, 560, 18);
    Hanger(canvas, 744, 80);
}

}  // namespace

PageTheme Themes::Market() {
    return {"The fruit and vegetable stall",
            Palette::kRed,
            Scene,
            {
                {"cherries", Cherries},
                {"watermelon", Watermelon},
                {"pumpkin", Pumpkin},
                {"pear", Pear},
                {"strawberry", Strawberry},
                {"orange", Orange},
                {"apple", Apple},
                {"bananas", Bananas},
                {"grapes", Grapes},
                {"lemon", Lemon},
                {"carrot", Carrot},
                {"tomato", Tomato},
                {"pineapple", Pineapple},
            }};
}
