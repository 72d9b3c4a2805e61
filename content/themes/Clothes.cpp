// Page 24: the bedroom on washing day. Through the window the washing dries on two
// lines in the garden; inside, clothes hang in the wardrobe and on hooks, the wellies
// wait on the mat and the cap sits on the chair.

#include "content/themes/Themes.h"

#include <cairo.h>

#include <cstdint>
#include <functional>
#include <utility>
#include <vector>

#include "content/DesignKit.h"
#include "content/SceneKit.h"
#include "content/SoftScenery.h"
#include "content/StickerSpot.h"

namespace {

using namespace DesignKit;

// The stickers of the page by sticker index, for the scene to put their places under them.
constexpr int32_t kJumper = 6;
constexpr int32_t kScarf = 7;
constexpr int32_t kRaincoat = 41;
constexpr int32_t kWellies = 89;
constexpr int32_t kMittens = 158;
constexpr int32_t kShorts = 159;
constexpr int32_t kBowTie = 180;
constexpr int32_t kPyjamas = 181;
constexpr int32_t kDress = 182;
constexpr int32_t kCap = 183;
constexpr int32_t kSocks = 210;
constexpr int32_t kTShirt = 212;

// Where the line runs through a peg, from the top of the design.
constexpr double kPegGrip = 8;

// A wooden peg that holds a garment on the washing line.
void Peg(Canvas& canvas, double x, double top) {
    canvas.RoundedBox(x - 4, top, 8, 20, 3);
    Solid(canvas, kTan);
}

// Draws `draw` clipped to the current path, then outlines the path: stripes and
// patches that stay inside a garment.
void Patterned(Canvas& canvas, Colour fill, const std::function<void()>& draw) {
    cairo_t* context = canvas.Context();
    cairo_path_t* outline = cairo_copy_path(context);
    canvas.FillPath(fill);
    cairo_save(context);
    cairo_append_path(context, outline);
    cairo_clip(context);
    draw();
    cairo_restore(context);
    cairo_append_path(context, outline);
    canvas.StrokePath(kInk, kOutline);
    cairo_path_destroy(outline);
}

// A coat hanger: its hook goes over a rail or a peg, its wooden bar sits in the shoulders.
void Hanger(Canvas& canvas, double barY) {
    cairo_t* context = canvas.Context();
    cairo_move_to(context, 50, barY);
    cairo_line_to(context, 56, 10);
    cairo_arc_negative(context, 50, 9, 6, 0, -1.1 * kPi);
    canvas.StrokePath(kInk, 4);
    Band(canvas, 50, barY, 10, barY + 14, kTan, 4);
    Band(canvas, 50, barY, 90, barY + 14, kTan, 4);
}

void TShirt(Canvas& canvas) {
    canvas.Polygon({30, 12, 42, 12, 50, 20, 58, 12, 70, 12, 96, 36, 82,
                    50, 74, 44, 74, 96, 26, 96, 26, 44, 18, 50, 4,  36});
    Solid(canvas, Palette::kOrange);
    cairo_new_path(canvas.Context());
    cairo_arc(canvas.Context(), 50, 12, 9, 0.15 * kPi, 0.85 * kPi);
    canvas.StrokePath(kInk, 3);
    canvas.Star(50, 62, 18, 8, 5);
    Solid(canvas, kWhite);
    Peg(canvas, 34, 2);
    Peg(canvas, 66, 2);
}

// One striped sock with its foot to the right, pegged at the top of its leg.
void Sock(Canvas& canvas, double left, double top) {
    canvas.Polygon({left, top, left + 24, top, left + 24, top + 42, left + 40, top + 48, left + 46,
                    top + 60, left + 38, top + 70, left + 12, top + 70, left, top + 58});
    Patterned(canvas, Palette::kSun, [&] {
        for (const double y : {top + 8, top + 20, top + 32}) {
            Line(canvas, left - 2, y, left + 26, y, Palette::kRed, 6);
        }
        canvas.Circle(left + 46, top + 62, 12);
        canvas.FillPath(Palette::kRed);
        canvas.Circle(left + 2, top + 66, 11);
        canvas.FillPath(Palette::kRed);
    });
    Peg(canvas, left + 12, top - 12);
}

void Socks(Canvas& canvas) {
    Sock(canvas, 50, 24);
    Sock(canvas, 6, 14);
}

void Shorts(Canvas& canvas) {
    canvas.Polygon({12, 14, 88, 14, 96, 84, 58, 84, 50, 48, 42, 84, 4, 84});
    Solid(canvas, Palette::kBlue);
    Line(canvas, 13, 26, 87, 26, Palette::kBlue.Darker(0.7), 3);
    for (const double side : {-1.0, 1.0}) {
        Line(canvas, 50 + side * 22, 26, 50 + side * 34, 44, kInk, 3);
        Line(canvas, 50 + side * 40, 74, 50 + side * 44, 84, kWhite, 4);
    }
    Line(canvas, 50, 26, 50, 44, kInk, 3);
    Band(canvas, 44, 30, 40, 42, kWhite, 2);
    Band(canvas, 56, 30, 60, 42, kWhite, 2);
    Peg(canvas, 20, 0);
    Peg(canvas, 80, 0);
}

// A pyjama top over its trousers, dotted with stars and moons for the night.
void Pyjamas(Canvas& canvas) {
    const Colour lilac = Palette::kPurple.Lighter(0.4);
    canvas.Polygon({30, 50, 70, 50, 80, 98, 56, 98, 50, 70, 44, 98, 20, 98});
    Patterned(canvas, lilac, [&] {
        for (const double x : {26.0, 38.0, 62.0, 74.0}) Line(canvas, x, 50, x, 100, kWhite, 3);
    });
    canvas.Polygon({30, 10, 42, 10, 50, 18, 58, 10, 70, 10, 96, 52, 84,
                    60, 72, 34, 72, 66, 28, 66, 28, 34, 16, 60, 4,  52});
    Patterned(canvas, lilac, [&] {
        for (const auto& [x, y] : {std::pair{38.0, 32.0}, {62.0, 50.0}, {14.0, 50.0}}) {
            canvas.Star(x, y, 6, 3, 5);
            canvas.FillPath(Palette::kSun);
        }
        for (const auto& [x, y] : {std::pair{62.0, 30.0}, {38.0, 54.0}, {86.0, 50.0}}) {
            canvas.Circle(x, y, 5);
            canvas.FillPath(Palette::kSun);
            canvas.Circle(x + 2.5, y - 2, 4.5);
            canvas.FillPath(lilac);
        }
    });
    canvas.Polygon({42, 10, 50, 18, 44, 24, 36, 12});
    Solid(canvas, kWhite);
    canvas.Polygon({58, 10, 50, 18, 56, 24, 64, 12});
    Solid(canvas, kWhite);
    for (const double y : {32.0, 44.0, 56.0}) Dot(canvas, 50, y, 2.5, kInk);
    Peg(canvas, 34, 0);
    Peg(canvas, 66, 0);
}

// A pair of mittens on their string, each with its thumb and a ribbed cuff.
void Mittens(Canvas& canvas) {
    cairo_move_to(canvas.Context(), 24, 36);
    cairo_line_to(canvas.Context(), 50, 8);
    cairo_line_to(canvas.Context(), 76, 36);
    canvas.StrokePath(kInk, 3);
    PairOf([&canvas](double side) {
        const double centre = 50 + side * 26;
        canvas.Ellipse(centre + side * 16, 62, 7, 12);
        Solid(canvas, kLime);
        canvas.RoundedBox(centre - 16, 40, 32, 56, 16);
        Solid(canvas, kLime);
        canvas.RoundedBox(centre - 17, 30, 34, 16, 4);
        Solid(canvas, kWhite);
        for (const double x : {centre - 8, centre, centre + 8}) {
            Line(canvas, x, 33, x, 43, kLightGrey, 2.5);
        }
        canvas.Heart(centre, 70, 14);
        Solid(canvas, Palette::kRed);
    });
    Peg(canvas, 50, 0);
}

// A party dress on its hanger: puffed sleeves, a sash at the waist and a frilled hem.
void Dress(Canvas& canvas) {
    Hanger(canvas, 20);
    for (double x = 12; x <= 88; x += 9.5) {
        canvas.Circle(x, 90, 6);
        Solid(canvas, kWhite);
    }
    canvas.Polygon({34, 26, 44, 30, 56, 30, 66, 26, 66, 52, 92, 90, 8, 90, 34, 52});
    Patterned(canvas, Palette::kPink, [&] {
        for (const auto& [x, y] : {std::pair{30.0, 76.0},
                                   {50.0, 68.0},
                                   {70.0, 76.0},
                                   {50.0, 84.0},
                                   {40.0, 40.0},
                                   {60.0, 40.0}}) {
            Dot(canvas, x, y, 3.5, kWhite);
        }
    });
    PairOf([&canvas](double side) {
        canvas.Ellipse(50 + side * 22, 32, 9, 8);
        Solid(canvas, Palette::kPink);
    });
    Band(canvas, 34, 52, 66, 52, Palette::kPurple, 4);
    canvas.Polygon({50, 52, 40, 44, 40, 60});
    Solid(canvas, Palette::kPurple);
    canvas.Polygon({50, 52, 60, 44, 60, 60});
    Solid(canvas, Palette::kPurple);
}

// A yellow raincoat on its hanging loop, its hood down behind the collar.
void Raincoat(Canvas& canvas) {
    canvas.Circle(50, 6, 5);
    canvas.StrokePath(kInk, 3);
    canvas.Ellipse(50, 18, 20, 10);
    Solid(canvas, Palette::kSun.Darker(0.85));
    PairOf([&canvas](double side) {
        canvas.Polygon({50 + side * 16, 18, 50 + side * 38, 30, 50 + side * 46, 82, 50 + side * 32,
                        84, 50 + side * 26, 44});
        Solid(canvas, Palette::kSun);
    });
    canvas.Polygon({32, 18, 68, 18, 84, 96, 16, 96});
    Solid(canvas, Palette::kSun);
    Line(canvas, 50, 30, 50, 95, kInk, 3);
    for (const double y : {42.0, 58.0, 74.0}) {
        canvas.RoundedBox(53, y - 3, 12, 6, 3);
        Solid(canvas, kDarkBrown);
    }
    PairOf([&canvas](double side) {
        canvas.Polygon({50, 30, 50 + side * 16, 16, 50 + side * 20, 30});
        Solid(canvas, kWhite);
        canvas.RoundedBox(side < 0 ? 24 : 60, 70, 16, 6, 2);
        Solid(canvas, Palette::kSun);
    });
}

// A baseball cap from the side, sitting on its rim with its peak to the right.
void Cap(Canvas& canvas) {
    cairo_t* context = canvas.Context();
    cairo_new_path(context);
    cairo_save(context);
    cairo_translate(context, 44, 84);
    cairo_scale(context, 38, 58);
    cairo_arc(context, 0, 0, 1, kPi, 2 * kPi);
    cairo_restore(context);
    cairo_close_path(context);
    Patterned(canvas, Palette::kNight.Lighter(0.25), [&] {
        canvas.Star(62, 56, 11, 5, 5);
        canvas.FillPath(Palette::kSun);
        Line(canvas, 2, 80, 90, 80, Palette::kRed, 8);
        cairo_move_to(context, 44, 26);
        cairo_curve_to(context, 30, 40, 26, 64, 28, 84);
        canvas.StrokePath(kInk, 2.5);
    });
    cairo_move_to(context, 62, 80);
    cairo_curve_to(context, 78, 72, 96, 74, 98, 84);
    cairo_curve_to(context, 90, 94, 70, 94, 58, 90);
    cairo_close_path(context);
    Solid(canvas, Palette::kRed);
    canvas.Ellipse(44, 26, 7, 4);
    Solid(canvas, Palette::kRed);
}

// One welly boot, its foot to the right, standing on its sole.
void Boot(Canvas& canvas, double left, double top, Colour colour) {
    canvas.Polygon({left, top, left + 30, top, left + 32, top + 50, left + 48, top + 56, left + 56,
                    top + 70, left, top + 70});
    Solid(canvas, colour);
    canvas.RoundedBox(left - 3, top + 66, 62, 10, 4);
    Solid(canvas, kTyre);
    canvas.RoundedBox(left - 4, top - 4, 38, 12, 5);
    Solid(canvas, Palette::kSun);
    Dot(canvas, left + 40, top + 60, 3, kWhite);
}

void Wellies(Canvas& canvas) {
    Boot(canvas, 38, 14, Palette::kGreen.Darker(0.8));
    Boot(canvas, 8, 20, Palette::kGreen);
}

// A bow tie with white spots, lying on its knot.
void BowTie(Canvas& canvas) {
    cairo_t* context = canvas.Context();
    PairOf([&](double side) {
        cairo_move_to(context, 50, 58);
        cairo_curve_to(context, 50 + side * 20, 36, 50 + side * 34, 24, 50 + side * 44, 32);
        cairo_curve_to(context, 50 + side * 48, 50, 50 + side * 48, 74, 50 + side * 44, 90);
        cairo_curve_to(context, 50 + side * 34, 98, 50 + side * 20, 84, 50, 64);
        cairo_close_path(context);
        Patterned(canvas, Palette::kPurple, [&] {
            for (const auto& [x, y] :
                 {std::pair{26.0, 44.0}, {20.0, 70.0}, {36.0, 62.0}, {30.0, 86.0}, {14.0, 50.0}}) {
                Dot(canvas, 50 + side * (50 - x), y, 4, kWhite);
            }
        });
    });
    canvas.RoundedBox(40, 46, 20, 30, 7);
    Solid(canvas, Palette::kPurple.Darker(0.8));
}

// A long striped scarf folded over a peg, one fringed end hanging far below the other.
void Scarf(Canvas& canvas) {
    cairo_t* context = canvas.Context();
    auto drape = [context] {
        cairo_move_to(context, 30, 84);
        cairo_curve_to(context, 26, 60, 38, 42, 37, 22);
        cairo_arc(context, 50, 22, 13, kPi, 2 * kPi);
        cairo_curve_to(context, 63, 36, 70, 44, 76, 54);
    };
    cairo_save(context);
    cairo_set_line_cap(context, CAIRO_LINE_CAP_BUTT);
    for (const double x : {20.0, 26.0, 32.0, 38.0}) Line(canvas, x, 84, x - 1, 98, kInk, 4);
    for (const double x : {70.0, 76.0, 82.0, 88.0}) Line(canvas, x, 50, x - 6, 66, kInk, 4);
    drape();
    canvas.StrokePath(kInk, 32);
    drape();
    canvas.StrokePath(kTeal, 24);
    drape();
    canvas.DashedStroke(kWhite, 24, 8);
    cairo_restore(context);
}

// A knitted jumper on its hanger, its long sleeves hanging down by its sides.
void Jumper(Canvas& canvas) {
    Hanger(canvas, 16);
    PairOf([&canvas](double side) {
        canvas.Polygon({50 + side * 28, 28, 50 + side * 36, 34, 50 + side * 48, 80, 50 + side * 34,
                        84, 50 + side * 26, 52});
        Solid(canvas, Palette::kRed);
        canvas.RoundedBox(side < 0 ? 1 : 83, 78, 16, 12, 4);
        Solid(canvas, Palette::kRed.Darker(0.8));
    });
    canvas.Polygon({22, 30, 40, 22, 60, 22, 78, 30, 76, 86, 24, 86});
    Patterned(canvas, Palette::kRed, [&] {
        std::vector<double> zigzag;
        for (int32_t step = 0; step <= 10; ++step) {
            zigzag.push_back(20 + step * 6.0);
            zigzag.push_back(step % 2 == 0 ? 50 : 58);
        }
        cairo_move_to(canvas.Context(), zigzag[0], zigzag[1]);
        for (size_t i = 2; i < zigzag.size(); i += 2) {
            cairo_line_to(canvas.Context(), zigzag[i], zigzag[i + 1]);
        }
        canvas.StrokePath(kWhite, 4);
        for (const double x : {34.0, 50.0, 66.0}) Dot(canvas, x, 70, 3, kWhite);
    });
    canvas.RoundedBox(22, 82, 56, 14, 4);
    Solid(canvas, Palette::kRed.Darker(0.8));
    canvas.Ellipse(50, 24, 11, 5);
    Solid(canvas, Palette::kRed.Darker(0.8));
}

constexpr double kFloorY = 470;
constexpr double kWindowLeft = 404;
constexpr double kWindowRight = 828;
constexpr double kSillY = 268;
constexpr double kLinePostLeft = 442;
constexpr double kLinePostRight = 800;

// A small snail climbing the garden fence.
void Snail(Canvas& canvas, double x, double y) {
    canvas.RoundedBox(x - 12, y + 2, 26, 7, 3.5);
    SoftScenery::Soft(canvas, Palette::kSun.Lighter(0.5));
    canvas.Circle(x, y, 8);
    SoftScenery::Soft(canvas, Palette::kOrange.Lighter(0.35));
    cairo_t* context = canvas.Context();
    cairo_new_path(context);
    cairo_arc(context, x, y, 4, 0, 1.5 * kPi);
    canvas.StrokePath(SoftScenery::kSoftInk, 1.5);
    Line(canvas, x + 11, y + 2, x + 14, y - 6, SoftScenery::kSoftInk, 1.5);
}

// The garden behind the window: sky, hills, a fence with a snail, and the line posts.
void Garden(Canvas& canvas) {
    cairo_t* context = canvas.Context();
    cairo_save(context);
    cairo_rectangle(context, kWindowLeft, 0, kWindowRight - kWindowLeft, kSillY);
    cairo_clip(context);
    canvas.VerticalGradient(kWindowLeft, 0, kWindowRight - kWindowLeft, kSillY, Palette::kSky,
                            Palette::kPaleSky);
    SceneKit::Cloud(canvas, 600, 140, 22);
    SceneKit::Hill(canvas, 520, 250, 170, 60, Palette::kGrass.Lighter(0.45));
    SceneKit::Hill(canvas, 760, 250, 140, 50, Palette::kGrass.Lighter(0.3));
    canvas.Circle(470, 150, 26);
    SoftScenery::Soft(canvas, Palette::kDarkGrass.Lighter(0.35));
    canvas.RoundedBox(466, 170, 8, 60, 2);
    SoftScenery::Soft(canvas, Palette::kBrown.Lighter(0.3));
    for (double x = kWindowLeft + 6; x < kWindowRight; x += 22) {
        canvas.Polygon({x, 226, x + 8, 218, x + 16, 226, x + 16, kSillY, x, kSillY});
        SoftScenery::Soft(canvas, kWhite.Darker(0.95));
    }
    Snail(canvas, 614, 244);
    cairo_restore(context);
    for (const double x : {kLinePostLeft, kLinePostRight}) {
        canvas.RoundedBox(x - 5, -10, 10, kSillY + 10, 3);
        SoftScenery::Soft(canvas, Palette::kBrown.Lighter(0.25));
    }
}

// A line from post to post through the pegs of the clothes that hang on it.
void WashingLine(Canvas& canvas, double leftY, const std::vector<PagePoint>& pegs, double rightY) {
    cairo_t* context = canvas.Context();
    cairo_move_to(context, kLinePostLeft, leftY);
    for (const PagePoint& peg : pegs) cairo_line_to(context, peg.x, peg.y);
    cairo_line_to(context, kLinePostRight, rightY);
    canvas.StrokePath(SoftScenery::kSoftInk, 3);
}

void WashingLines(Canvas& canvas) {
    WashingLine(
        canvas, 6,
        {StickerSpot::OnPage(kTShirt, 34, kPegGrip), StickerSpot::OnPage(kTShirt, 66, kPegGrip),
         StickerSpot::OnPage(kSocks, 18, 2 + kPegGrip),
         StickerSpot::OnPage(kSocks, 62, 12 + kPegGrip), StickerSpot::OnPage(kShorts, 20, kPegGrip),
         StickerSpot::OnPage(kShorts, 80, kPegGrip)},
        30);
    WashingLine(
        canvas, 168,
        {StickerSpot::OnPage(kPyjamas, 34, kPegGrip), StickerSpot::OnPage(kPyjamas, 66, kPegGrip),
         StickerSpot::OnPage(kMittens, 50, kPegGrip)},
        166);
}

// The window onto the garden, with its sill and curtains drawn back.
void Window(Canvas& canvas) {
    Garden(canvas);
    WashingLines(canvas);
    canvas.RoundedBox(kWindowLeft - 10, -20, kWindowRight - kWindowLeft + 20, kSillY + 20, 6);
    canvas.StrokePath(kWhite, 14);
    canvas.RoundedBox(kWindowLeft - 18, kSillY, kWindowRight - kWindowLeft + 36, 16, 4);
    SoftScenery::Soft(canvas, kWhite);
    for (const double x : {kWindowLeft - 24, kWindowRight - 6}) {
        canvas.Polygon({x, -5, x + 30, -5, x + 22, 120, x + 30, 250, x, 250});
        SoftScenery::Soft(canvas, Palette::kPink.Lighter(0.55));
    }
}

// A brass hook on the wall or a door; `hook` is where a loop or a hanger goes over it.
void WallHook(Canvas& canvas, PagePoint hook) {
    canvas.RoundedBox(hook.x - 6, hook.y - 24, 12, 18, 4);
    SoftScenery::Soft(canvas, Palette::kSun.Darker(0.85));
    Line(canvas, hook.x, hook.y - 10, hook.x, hook.y + 2, SoftScenery::kSoftInk, 4);
}

// The open wardrobe: the dress hangs on its rail, with a hat box on top.
void Wardrobe(Canvas& canvas) {
    const Colour wood = Colour::Hex(0xE2B98C);
    canvas.RoundedBox(6, 92, 150, 392, 6);
    SoftScenery::Soft(canvas, wood);
    canvas.RoundedBox(18, 106, 126, 290, 4);
    SoftScenery::Soft(canvas, wood.Darker(0.8));
    const double railY = StickerSpot::OnPage(kDress, 50, 9).y;
    Line(canvas, 18, railY, 144, railY, SoftScenery::kSoftInk, 7);
    Line(canvas, 18, railY, 144, railY, kLightGrey, 4);
    canvas.RoundedBox(18, 410, 126, 60, 4);
    SoftScenery::Soft(canvas, wood.Lighter(0.2));
    Dot(canvas, 81, 440, 5, SoftScenery::kSoftInk);
    canvas.RoundedBox(36, 56, 80, 36, 6);
    SoftScenery::Soft(canvas, Palette::kSky.Lighter(0.4));
    Line(canvas, 36, 66, 116, 66, Palette::kPink.Lighter(0.3), 4);
}

// The bedroom door, the raincoat's hook on it.
void Door(Canvas& canvas) {
    canvas.RoundedBox(254, 104, 146, 372, 4);
    SoftScenery::Soft(canvas, kWhite);
    canvas.RoundedBox(264, 114, 126, 356, 3);
    SoftScenery::Soft(canvas, Colour::Hex(0xB8D4EE));
    for (const auto& [top, height] : {std::pair{130.0, 130.0}, {280.0, 170.0}}) {
        canvas.RoundedBox(278, top, 98, height, 4);
        SoftScenery::Soft(canvas, Colour::Hex(0xC8DFF3));
    }
    canvas.Circle(378, 310, 7);
    SoftScenery::Soft(canvas, Palette::kSun.Darker(0.85));
    WallHook(canvas, StickerSpot::OnPage(kRaincoat, 50, 2));
}

// A little wooden chair: the cap sits on its seat.
void Chair(Canvas& canvas) {
    const Colour wood = Colour::Hex(0xD9A066).Lighter(0.2);
    const double seatY = StickerSpot::OnPage(kCap, 50, 94).y;
    for (const double x : {164.0, 238.0}) {
        canvas.RoundedBox(x, 352, 10, seatY - 352, 3);
        SoftScenery::Soft(canvas, wood);
        canvas.RoundedBox(x, seatY, 10, 548 - seatY, 3);
        SoftScenery::Soft(canvas, wood);
    }
    canvas.RoundedBox(158, 350, 96, 16, 5);
    SoftScenery::Soft(canvas, wood);
    canvas.RoundedBox(156, seatY, 100, 12, 4);
    SoftScenery::Soft(canvas, wood);
}

// The chest of drawers under the window: the bow tie lies on top, by a pot plant.
void ChestOfDrawers(Canvas& canvas) {
    const Colour wood = Colour::Hex(0xF3D9B1);
    const double topY = StickerSpot::OnPage(kBowTie, 50, 94).y;
    canvas.RoundedBox(428, topY, 184, 486 - topY, 4);
    SoftScenery::Soft(canvas, wood);
    for (const double y : {topY + 16, topY + 52}) {
        canvas.RoundedBox(440, y, 160, 30, 4);
        SoftScenery::Soft(canvas, wood.Lighter(0.3));
        Dot(canvas, 520, y + 15, 4, SoftScenery::kSoftInk);
    }
    canvas.RoundedBox(420, topY - 4, 200, 12, 4);
    SoftScenery::Soft(canvas, wood.Darker(0.92));
    for (const double turn : {-0.9, -0.5, -0.1}) {
        Leaf(canvas, 590, topY - 34, 22, turn * kPi, Palette::kGreen.Lighter(0.35));
    }
    canvas.Polygon({578, topY - 36, 602, topY - 36, 598, topY - 4, 582, topY - 4});
    SoftScenery::Soft(canvas, Palette::kOrange.Lighter(0.35));
}

// The laundry basket under the hooks, and the mat the wellies stand on.
void FloorThings(Canvas& canvas) {
    canvas.Ellipse(180, 556, 150, 24);
    SoftScenery::Soft(canvas, Palette::kSky.Lighter(0.5));
    canvas.Ellipse(180, 556, 110, 15);
    SoftScenery::Soft(canvas, Palette::kPink.Lighter(0.6));
    const double matY = StickerSpot::OnPage(kWellies, 50, 94).y;
    canvas.RoundedBox(346, matY - 14, 124, 32, 8);
    SoftScenery::Soft(canvas, Palette::kRed.Lighter(0.5));
    canvas.RoundedBox(356, matY - 8, 104, 20, 6);
    canvas.StrokePath(Palette::kRed.Lighter(0.75), 3);
    canvas.RoundedBox(486, 548, 346, 34, 8);
    SoftScenery::Soft(canvas, Palette::kGreen.Lighter(0.6));
    for (double x = 506; x < 820; x += 40) Line(canvas, x, 552, x, 578, kWhite, 8);
    canvas.Polygon({668, 466, 792, 466, 780, 540, 680, 540});
    SoftScenery::Soft(canvas, Palette::kSun.Lighter(0.45));
    for (const double y : {486.0, 506.0, 526.0}) {
        Line(canvas, 674, y, 786, y, Palette::kBrown.Lighter(0.45), 3);
    }
    canvas.Ellipse(730, 466, 64, 10);
    SoftScenery::Soft(canvas, Palette::kSun.Lighter(0.3));
}

// A mouse peeping out of its hole in the skirting board.
void MouseHole(Canvas& canvas) {
    cairo_t* context = canvas.Context();
    cairo_new_path(context);
    cairo_arc(context, 640, kFloorY, 12, kPi, 2 * kPi);
    cairo_close_path(context);
    canvas.FillPath(SoftScenery::kSoftInk);
    for (const double x : {634.0, 646.0}) Dot(canvas, x, kFloorY - 10, 4, kLightGrey);
    Dot(canvas, 640, kFloorY - 4, 6, kLightGrey);
    Dot(canvas, 640, kFloorY - 1, 1.5, kInk);
}

// A child's painting pinned over the chair.
void Painting(Canvas& canvas) {
    canvas.RoundedBox(172, 96, 68, 84, 3);
    SoftScenery::Soft(canvas, kWhite);
    canvas.Circle(220, 120, 10);
    canvas.FillPath(Palette::kSun.Lighter(0.3));
    canvas.Polygon({184, 168, 184, 146, 198, 134, 212, 146, 212, 168});
    canvas.FillPath(Palette::kRed.Lighter(0.45));
    Line(canvas, 176, 170, 236, 170, Palette::kGrass.Lighter(0.3), 4);
    Dot(canvas, 206, 96, 3, Palette::kRed.Lighter(0.3));
}

// Paper bunting strung along the top of the wall.
void Bunting(Canvas& canvas) {
    const Colour flags[] = {Palette::kRed, Palette::kSun, Palette::kBlue, Palette::kGreen};
    cairo_t* context = canvas.Context();
    cairo_move_to(context, -4, 12);
    cairo_curve_to(context, 120, 44, 270, 44, 386, 12);
    canvas.StrokePath(SoftScenery::kSoftInk, 2);
    for (int32_t flag = 0; flag < 12; ++flag) {
        const double x = 14 + flag * 31.0;
        const double y = 12 + 90 * (x / 390) * (1 - x / 390) + 2;
        canvas.Polygon({x - 10, y, x + 10, y, x, y + 20});
        SoftScenery::Soft(canvas, flags[flag % 4].Lighter(0.5));
    }
}

void Scene(Canvas& canvas) {
    SceneKit::Room(canvas, Colour::Hex(0xFBE7D3), Colour::Hex(0xE9CDA5), kFloorY);
    Bunting(canvas);
    Window(canvas);
    Wardrobe(canvas);
    Door(canvas);
    Painting(canvas);
    Chair(canvas);
    ChestOfDrawers(canvas);
    WallHook(canvas, StickerSpot::OnPage(kScarf, 50, 10));
    WallHook(canvas, StickerSpot::OnPage(kJumper, 50, 5));
    FloorThings(canvas);
    MouseHole(canvas);
}

}  // namespace

PageTheme Themes::Clothes() {
    return {"Washing day",
            Palette::kSky,
            Scene,
            {
                {"jumper", Jumper},
                {"scarf", Scarf},
                {"raincoat", Raincoat},
                {"wellies", Wellies},
                {"mittens", Mittens},
                {"shorts", Shorts},
                {"bow tie", BowTie},
                {"pyjamas", Pyjamas},
                {"dress", Dress},
                {"cap", Cap},
                {"socks", Socks},
                {"t-shirt", TShirt},
            }};
}
