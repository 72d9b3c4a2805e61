// Page 22: letters and numbers. A nursery full of things a child learns letters and
// numbers with, each its own object: blocks, a clock, a die, a number balloon, an
// abacus, a magnet letter, a chalk slate and an alphabet book.

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

// ---- The stickers ----

// A cube seen from the front and a little above, its front face `side` wide at (x, y).
void Cube(Canvas& canvas, double x, double y, double side, Colour colour) {
    const double depth = side * 0.3;
    canvas.Polygon({x, y, x + depth, y - depth, x + side + depth, y - depth, x + side, y});
    Solid(canvas, colour.Lighter(0.4));
    canvas.Polygon({x + side, y, x + side + depth, y - depth, x + side + depth, y + side - depth,
                    x + side, y + side});
    Solid(canvas, colour.Darker(0.78));
    canvas.RoundedBox(x, y, side, side, 3);
    Solid(canvas, colour);
}

void LetterBlock(Canvas& canvas, double x, double y, Colour colour, const char* letter) {
    constexpr double kSide = 36;
    Cube(canvas, x, y, kSide, colour);
    canvas.OutlinedText(letter, x + kSide / 2, y + kSide / 2 + 1, 26, kWhite, kInk, 3);
}

// Two blocks side by side and one on top of them.
void AbcBlocks(Canvas& canvas) {
    LetterBlock(canvas, 4, 60, Palette::kRed, "A");
    LetterBlock(canvas, 44, 60, Palette::kBlue, "B");
    LetterBlock(canvas, 24, 24, Palette::kGreen, "C");
}

// A twin-bell alarm clock on its little feet.
void AlarmClock(Canvas& canvas) {
    PairOf([&](double side) {
        Band(canvas, 50 + side * 22, 80, 50 + side * 30, 94, kGrey, 4);
        cairo_new_path(canvas.Context());
        cairo_arc(canvas.Context(), 50 + side * 28, 22, 14, kPi + side * 0.25,
                  2 * kPi + side * 0.25);
        cairo_close_path(canvas.Context());
        Solid(canvas, Palette::kSun);
    });
    Band(canvas, 50, 18, 50, 8, kGrey, 4);
    canvas.Circle(50, 54, 38);
    Solid(canvas, Palette::kRed);
    canvas.Circle(50, 54, 29);
    Solid(canvas, kWhite);
    const std::pair<const char*, std::pair<double, double>> numbers[] = {
        {"12", {50, 34}}, {"3", {71, 55}}, {"6", {50, 75}}, {"9", {29, 55}}};
    for (const auto& [text, place] : numbers)
        canvas.Text(text, place.first, place.second, 11, kInk);
    Line(canvas, 50, 54, 50, 38, kInk, 4);
    Line(canvas, 50, 54, 63, 60, kInk, 4);
    Dot(canvas, 50, 54, 3.5, Palette::kRed);
}

// A die lying on the floor: five on its front, one on top and two on its side.
void Die(Canvas& canvas) {
    Cube(canvas, 8, 34, 62, Palette::kRed);
    const double pips[][2] = {{21, 47}, {57, 47}, {39, 65}, {21, 83}, {57, 83}};
    for (const auto& pip : pips) Dot(canvas, pip[0], pip[1], 6, kWhite);
    canvas.Ellipse(58, 24, 7, 4);
    canvas.FillPath(kWhite);
    for (const auto& pip : {std::pair{76.0, 44.0}, {84.0, 72.0}}) {
        canvas.Ellipse(pip.first, pip.second, 3.5, 6);
        canvas.FillPath(kWhite);
    }
}

// A shiny foil balloon shaped like a 3, its string running down out of the picture.
void NumberBalloon(Canvas& canvas) {
    cairo_t* context = canvas.Context();
    cairo_move_to(context, 50, 86);
    cairo_curve_to(context, 40, 92, 56, 95, 46, 100);
    canvas.StrokePath(kInk, 2.5);
    canvas.Polygon({50, 76, 57, 88, 43, 88});
    Solid(canvas, Palette::kPink);
    canvas.OutlinedText("3", 50, 40, 96, Palette::kPink.Lighter(0.15), kInk, 8);
    Line(canvas, 34, 12, 48, 8, kWhite, 4);
    Line(canvas, 60, 44, 64, 38, kWhite, 3);
}

// A wooden counting frame: four rows of beads, some counted over to the right.
void Abacus(Canvas& canvas) {
    PairOf([&](double side) {
        canvas.RoundedBox(50 + side * 40 - 10, 88, 20, 8, 3);
        Solid(canvas, kDarkBrown);
    });
    canvas.RoundedBox(8, 6, 84, 84, 6);
    Solid(canvas, Palette::kBrown);
    canvas.RoundedBox(17, 15, 66, 66, 3);
    Solid(canvas, Palette::kCream);
    const Colour beads[] = {Palette::kRed, Palette::kSun, Palette::kBlue, Palette::kGreen};
    for (int32_t row = 0; row < 4; ++row) {
        const double y = 24 + row * 16;
        Line(canvas, 17, y, 83, y, kGrey, 2.5);
        for (int32_t bead = 0; bead < 5; ++bead) {
            const double x = bead < row + 1 ? 76 - bead * 11 : 24 + (bead - row - 1) * 11;
            canvas.Ellipse(x, y, 5.5, 6.5);
            canvas.FillAndOutline(beads[row], kInk, 2.5);
        }
    }
}

// A chunky plastic letter A that sticks to the board.
void LetterMagnet(Canvas& canvas) {
    canvas.OutlinedText("A", 50, 52, 118, Palette::kPurple, kInk, 9);
    Line(canvas, 30, 80, 44, 26, kWhite.Lighter(0.2), 4);
}

// A chalk slate hung up by its string, a sum chalked on it.
void ChalkSlate(Canvas& canvas) {
    Line(canvas, 14, 34, 50, 6, kInk, 3);
    Line(canvas, 50, 6, 86, 34, kInk, 3);
    canvas.RoundedBox(2, 30, 96, 62, 7);
    Solid(canvas, Palette::kOrange);
    canvas.RoundedBox(12, 40, 76, 42, 3);
    canvas.FillAndOutline(Colour::Hex(0x4F7670), kInk, 3);
    canvas.Text("1+1=2", 50, 61, 20, kWhite);
    canvas.RoundedBox(64, 87, 20, 7, 3);
    canvas.FillAndOutline(kWhite, kInk, 2);
}

// An alphabet book standing open, A on one page and B on the other.
void AbcBook(Canvas& canvas) {
    cairo_t* context = canvas.Context();
    cairo_move_to(context, 50, 24);
    cairo_curve_to(context, 34, 12, 14, 12, 2, 18);
    cairo_line_to(context, 4, 90);
    cairo_curve_to(context, 18, 84, 36, 86, 50, 96);
    cairo_curve_to(context, 64, 86, 82, 84, 96, 90);
    cairo_line_to(context, 98, 18);
    cairo_curve_to(context, 86, 12, 66, 12, 50, 24);
    cairo_close_path(context);
    Solid(canvas, kTeal);
    PairOf([&](double side) {
        cairo_move_to(context, 50, 28);
        cairo_curve_to(context, 50 + side * 16, 18, 50 + side * 34, 18, 50 + side * 42, 22);
        cairo_line_to(context, 50 + side * 42, 82);
        cairo_curve_to(context, 50 + side * 32, 80, 50 + side * 16, 82, 50, 90);
        cairo_close_path(context);
        Solid(canvas, kWhite);
    });
    canvas.OutlinedText("A", 30, 52, 38, Palette::kRed, kInk, 3);
    canvas.OutlinedText("B", 70, 52, 38, Palette::kBlue, kInk, 3);
}

// ---- The nursery ----

void Room(Canvas& canvas) {
    SceneKit::Room(canvas, Colour::Hex(0xFFF0D6), Colour::Hex(0xEBC99A), 400);
    canvas.Ellipse(540, 505, 320, 68);
    Soft(canvas, Colour::Hex(0xCFE8F7));
    canvas.Ellipse(540, 505, 270, 48);
    canvas.StrokePath(Palette::kWhite, 4);
}

// Pale paper cards with the alphabet's first letters along the top of the wall.
void Frieze(Canvas& canvas) {
    const Colour cards[] = {Palette::kPink, Palette::kSun, Palette::kSky, Palette::kGreen};
    const char* letters[] = {"a", "b", "c", "d", "e", "f", "g", "h", "i", "j", "k", "l"};
    cairo_t* context = canvas.Context();
    cairo_move_to(context, -10, 14);
    cairo_curve_to(context, 280, 34, 560, 34, 860, 14);
    canvas.StrokePath(kSoftInk, 2);
    for (int32_t card = 0; card < 12; ++card) {
        const double x = 20 + card * 70.0;
        canvas.RoundedBox(x, 24, 44, 46, 4);
        Soft(canvas, cards[card % 4].Lighter(0.6));
        canvas.Text(letters[card], x + 22, 46, 26, cards[card % 4].Darker(0.9));
    }
}

// A window with a bird outside, and a child's drawing pinned to the wall.
void WallThings(Canvas& canvas) {
    SceneKit::Window(canvas, 650, 96, 170, 140);
    cairo_t* context = canvas.Context();
    cairo_move_to(context, 690, 130);
    cairo_line_to(context, 698, 136);
    cairo_line_to(context, 706, 130);
    canvas.StrokePath(kSoftInk, 2);
    canvas.RoundedBox(430, 96, 80, 96, 3);
    Soft(canvas, Palette::kWhite);
    Dot(canvas, 445, 94, 4, Palette::kRed.Lighter(0.3));
    canvas.Circle(492, 118, 11);
    canvas.FillPath(Palette::kSun.Lighter(0.3));
    canvas.Polygon({446, 160, 470, 138, 494, 160, 494, 182, 446, 182});
    canvas.FillPath(Palette::kRed.Lighter(0.5));
    Line(canvas, 436, 184, 504, 184, Palette::kGreen.Lighter(0.4), 4);
}

// The low cupboard the abacus stands on, with a pot of pencils.
void Cupboard(Canvas& canvas) {
    SceneKit::Box(canvas, -10, 376, 132, 82, kWood);
    canvas.RoundedBox(-14, 366, 140, 12, 4);
    Soft(canvas, kWood.Darker(0.9));
    for (const double y : {396.0, 424.0}) {
        canvas.RoundedBox(6, y, 100, 22, 3);
        Soft(canvas, kWood.Lighter(0.3));
        Dot(canvas, 56, y + 11, 3.5, kSoftInk);
    }
    for (const auto& [x, colour] :
         {std::pair{104.0, Palette::kRed}, {110.0, Palette::kBlue}, {116.0, Palette::kGreen}}) {
        Line(canvas, x, 358, x - 2, 344, colour.Lighter(0.3), 4);
    }
    canvas.RoundedBox(98, 348, 22, 20, 3);
    Soft(canvas, Palette::kSky.Lighter(0.4));
}

// The nail the slate hangs from, and the shelf the alarm clock stands on.
void HangersAndShelf(Canvas& canvas) {
    Dot(canvas, 159, 244, 4, kSoftInk);
    canvas.RoundedBox(500, 277, 150, 10, 3);
    Soft(canvas, kWood);
    for (const double x : {520.0, 628.0}) {
        canvas.Polygon({x - 4, 287, x + 4, 287, x + 4, 305});
        Soft(canvas, kWood.Darker(0.9));
    }
    const Colour spines[] = {Palette::kGreen, Palette::kPink, Palette::kSky};
    for (int32_t book = 0; book < 3; ++book) {
        canvas.RoundedBox(616 + book * 10, 240 + book * 4, 9, 37 - book * 4, 2);
        Soft(canvas, spines[book].Lighter(0.4));
    }
}

// The little chair the number balloon is tied to.
void ChairWithBalloonString(Canvas& canvas) {
    for (const double x : {334.0, 406.0})
        Bar(canvas, x, 338, x, 470, 5, Palette::kSun.Lighter(0.3));
    canvas.RoundedBox(326, 334, 88, 26, 6);
    Soft(canvas, Palette::kSun.Lighter(0.3));
    canvas.RoundedBox(320, 404, 100, 12, 4);
    Soft(canvas, Palette::kSun.Lighter(0.1));
    cairo_t* context = canvas.Context();
    cairo_move_to(context, 361, 195);
    cairo_curve_to(context, 350, 250, 380, 290, 366, 338);
    canvas.StrokePath(kSoftInk, 1.8);
}

// The easel's white board, with a marker sun drawn on it, for the magnet letter.
void Easel(Canvas& canvas) {
    for (const auto& [foot, top] : {std::pair{682.0, 730.0}, {808.0, 760.0}}) {
        Bar(canvas, top, 330, foot, 548, 5, kWood);
    }
    canvas.RoundedBox(686, 340, 116, 122, 5);
    Soft(canvas, kWood);
    canvas.RoundedBox(694, 348, 100, 106, 3);
    Soft(canvas, Palette::kWhite);
    canvas.Circle(782, 362, 7);
    canvas.StrokePath(Palette::kOrange.Lighter(0.4), 2);
    canvas.RoundedBox(680, 462, 128, 10, 3);
    Soft(canvas, kWood.Darker(0.9));
    Line(canvas, 700, 460, 718, 460, Palette::kBlue.Lighter(0.3), 4);
}

// A height chart of numbers up the wall.
void HeightChart(Canvas& canvas) {
    canvas.RoundedBox(246, 96, 36, 250, 4);
    Soft(canvas, Palette::kGreen.Lighter(0.7));
    for (int32_t mark = 1; mark <= 5; ++mark) {
        const double y = 346 - mark * 46.0;
        Line(canvas, 246, y, 260, y, kSoftInk, 2);
        canvas.Text(std::to_string(mark), 270, y, 16, Palette::kGreen.Darker(0.8));
    }
}

// Crayons and a drawing on the floor: something to find at the front of the room.
void FloorThings(Canvas& canvas) {
    canvas.Polygon({40, 500, 150, 486, 166, 556, 52, 572});
    Soft(canvas, Palette::kWhite);
    cairo_t* context = canvas.Context();
    cairo_move_to(context, 66, 540);
    cairo_curve_to(context, 90, 500, 110, 560, 140, 516);
    canvas.StrokePath(Palette::kPurple.Lighter(0.4), 3);
    const Colour crayons[] = {Palette::kRed, Palette::kGreen, Palette::kBlue};
    for (int32_t crayon = 0; crayon < 3; ++crayon) {
        const double x = 190 + crayon * 22.0;
        Bar(canvas, x, 540, x + 26, 526 + crayon * 6.0, 5, crayons[crayon].Lighter(0.35));
    }
}

void Scene(Canvas& canvas) {
    Room(canvas);
    Frieze(canvas);
    WallThings(canvas);
    HeightChart(canvas);
    HangersAndShelf(canvas);
    Cupboard(canvas);
    Easel(canvas);
    ChairWithBalloonString(canvas);
    FloorThings(canvas);
}

}  // namespace

PageTheme Themes::Blocks() {
    return {"Letters and numbers",
            Palette::kBlue,
            Scene,
            {
                {"abc blocks", AbcBlocks},
                {"alarm clock", AlarmClock},
                {"dice", Die},
                {"number balloon", NumberBalloon},
                {"abacus", Abacus},
                {"letter magnet", LetterMagnet},
                {"chalk slate", ChalkSlate},
                {"abc book", AbcBook},
            }};
}
