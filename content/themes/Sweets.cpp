// Page 17: the sweet shop.

#include "content/themes/Themes.h"

#include <cairo.h>

#include <cmath>
#include <cstdint>
#include <tuple>
#include <vector>

#include "content/DesignKit.h"
#include "content/Furniture.h"
#include "content/SceneKit.h"

namespace {

using namespace DesignKit;

constexpr Colour kChocolate = Colour::Hex(0x8A5328);
constexpr Colour kGlass = Colour::Hex(0xE3F4FF);

void Lollipop(Canvas& canvas) {
    Band(canvas, 50, 60, 50, 96, kWhite, 5);
    canvas.Circle(50, 38, 32);
    Solid(canvas, Palette::kRed);
    cairo_t* context = canvas.Context();
    cairo_new_path(context);
    for (double angle = 0; angle < 5 * kPi; angle += 0.2) {
        cairo_line_to(context, 50 + std::cos(angle) * angle * 1.8,
                      38 + std::sin(angle) * angle * 1.8);
    }
    canvas.StrokePath(kWhite, 5);
}

// A pink cloud of spun sugar on a paper stick.
void CandyFloss(Canvas& canvas) {
    Band(canvas, 50, 56, 50, 96, kWhite, 6);
    const std::tuple<double, double, double> puffs[] = {{50, 40, 24}, {26, 44, 16}, {74, 44, 16},
                                                        {36, 20, 15}, {64, 20, 15}, {50, 12, 12}};
    for (const auto& [x, y, r] : puffs) canvas.Circle(x, y, r);
    Solid(canvas, kSoftPink);
    for (const auto& [x, y, r] : puffs) canvas.Circle(x, y, r - 2);
    canvas.FillPath(kSoftPink);
    for (const auto& [x, y] : {std::tuple{40.0, 30.0}, {60.0, 44.0}, {30.0, 46.0}})
        Dot(canvas, x, y, 5, kWhite.Lighter(0.5));
}

// A round cookie with chocolate chips and two bites out of its edge.
void Cookie(Canvas& canvas) {
    canvas.Circle(50, 52, 40);
    Solid(canvas, kTan);
    for (const auto& [x, y] :
         {std::tuple{32.0, 32.0}, {54.0, 26.0}, {72.0, 62.0}, {36.0, 70.0}, {58.0, 78.0}})
        Dot(canvas, x, y, 5, kDarkBrown);
    Face(canvas, 46, 54, 34);
    cairo_t* context = canvas.Context();
    for (const auto& [x, y, r] : {std::tuple{84.0, 24.0, 15.0}, {94.0, 46.0, 12.0}}) {
        cairo_save(context);
        canvas.Circle(50, 52, 42);
        cairo_clip(context);
        canvas.Circle(x, y, r + kOutline / 2);
        canvas.StrokePath(kInk, kOutline);
        cairo_restore(context);
        cairo_save(context);
        cairo_set_operator(context, CAIRO_OPERATOR_CLEAR);
        canvas.Circle(x, y, r);
        cairo_fill(context);
        cairo_restore(context);
    }
}

// A sweet in twisted cellophane, pleated at both ends.
void WrappedSweet(Canvas& canvas) {
    PairOf([&](double side) {
        canvas.Polygon(
            {50 + side * 24, 72, 50 + side * 46, 50, 50 + side * 40, 72, 50 + side * 46, 94});
        Solid(canvas, Palette::kPurple.Lighter(0.3));
        Line(canvas, 50 + side * 30, 72, 50 + side * 42, 60, kInk, 2);
        Line(canvas, 50 + side * 30, 72, 50 + side * 42, 84, kInk, 2);
    });
    canvas.Ellipse(50, 72, 28, 22);
    Solid(canvas, Palette::kPurple);
    Line(canvas, 40, 54, 34, 88, kWhite, 4);
    Line(canvas, 58, 54, 52, 90, kWhite, 4);
}

// A ring doughnut seen from a little above, with pink icing and sprinkles.
void Donut(Canvas& canvas) {
    canvas.Ellipse(50, 58, 46, 32);
    Solid(canvas, kTan);
    canvas.Ellipse(50, 54, 40, 25);
    Solid(canvas, Palette::kPink);
    canvas.Ellipse(50, 54, 14, 8);
    Solid(canvas, kTan.Darker(0.8));
    const Colour sprinkles[] = {Palette::kSun, Palette::kBlue, Palette::kGreen, kWhite};
    for (int32_t i = 0; i < 10; ++i) {
        const double angle = i * kPi / 5 + 0.3;
        const double x = 50 + std::cos(angle) * 28;
        const double y = 54 + std::sin(angle) * 16;
        Line(canvas, x - 3, y - 1, x + 3, y + 1, sprinkles[i % 4], 3);
    }
}

// A striped candy cane: its hook hangs over the shop's rail.
void CandyCane(Canvas& canvas) {
    cairo_t* context = canvas.Context();
    auto path = [&] {
        cairo_new_path(context);
        cairo_move_to(context, 64, 96);
        cairo_line_to(context, 64, 38);
        cairo_arc_negative(context, 44, 38, 20, 0, kPi);
        cairo_line_to(context, 24, 50);
    };
    path();
    canvas.StrokePath(kInk, 22);
    path();
    canvas.StrokePath(kWhite, 14);
    // Square-ended dashes: round ends would close the white gaps between the stripes.
    cairo_save(context);
    path();
    const double stripes[] = {8, 7};
    cairo_set_dash(context, stripes, 2, 0);
    cairo_set_line_cap(context, CAIRO_LINE_CAP_BUTT);
    canvas.StrokePath(Palette::kRed, 14);
    cairo_restore(context);
}

// A chewy bear standing with its arms out.
void GummyBear(Canvas& canvas) {
    const Colour gum = Palette::kOrange;
    PairOf([&](double side) {
        canvas.Ellipse(50 + side * 16, 86, 12, 11);
        canvas.Ellipse(50 + side * 27, 56, 10, 13);
        canvas.Circle(50 + side * 17, 12, 8);
    });
    canvas.Ellipse(50, 64, 24, 26);
    canvas.Circle(50, 28, 20);
    Solid(canvas, gum);
    canvas.Ellipse(50, 66, 14, 16);
    canvas.FillPath(gum.Lighter(0.35));
    Eyes(canvas, 50, 26, 14, 3);
    Dot(canvas, 50, 34, 3, kInk);
}

// A bar of chocolate in its red wrapper, one corner bitten off.
void ChocolateBar(Canvas& canvas) {
    cairo_t* context = canvas.Context();
    cairo_new_path(context);
    cairo_move_to(context, 20, 96);
    cairo_line_to(context, 20, 6);
    cairo_line_to(context, 62, 6);
    cairo_arc_negative(context, 70, 10, 8, kPi, 0.5 * kPi);
    cairo_arc_negative(context, 80, 22, 6, kPi, 0.5 * kPi);
    cairo_line_to(context, 80, 96);
    cairo_close_path(context);
    Solid(canvas, kChocolate);
    for (const double y : {22.0, 38.0}) Line(canvas, 22, y, 78, y, kChocolate.Darker(0.7), 2.5);
    Line(canvas, 50, 8, 50, 50, kChocolate.Darker(0.7), 2.5);
    canvas.Polygon({16, 50, 28, 44, 40, 52, 52, 44, 64, 52, 76, 44, 84, 50, 84, 96, 16, 96});
    Solid(canvas, Palette::kRed);
    canvas.RoundedBox(26, 62, 48, 22, 6);
    Solid(canvas, Palette::kSun);
}

// A glass globe of gumballs on a red stand with its coin slot and chute.
void GumballMachine(Canvas& canvas) {
    canvas.Polygon({28, 64, 72, 64, 80, 96, 20, 96});
    Solid(canvas, Palette::kRed);
    canvas.RoundedBox(40, 78, 20, 12, 3);
    Solid(canvas, kLightGrey);
    canvas.Circle(50, 38, 30);
    Solid(canvas, kGlass);
    const Colour balls[] = {Palette::kSun, Palette::kBlue, Palette::kGreen, Palette::kPink};
    for (int32_t ball = 0; ball < 8; ++ball) {
        const double x = 32 + (ball % 4) * 12 + (ball / 4) * 6;
        const double y = 52 - (ball / 4) * 12;
        canvas.Circle(x, y, 6);
        canvas.FillAndOutline(balls[ball % 4], kInk, 1.5);
    }
    canvas.RoundedBox(40, 2, 20, 10, 3);
    Solid(canvas, Palette::kRed);
}

// An apple on a stick, dipped in shiny toffee, standing in a paper cup.
void ToffeeApple(Canvas& canvas) {
    Band(canvas, 50, 4, 50, 36, kTan, 6);
    cairo_t* context = canvas.Context();
    cairo_new_path(context);
    cairo_move_to(context, 50, 34);
    cairo_curve_to(context, 20, 18, 8, 52, 24, 74);
    cairo_line_to(context, 76, 74);
    cairo_curve_to(context, 92, 52, 80, 18, 50, 34);
    Solid(canvas, Palette::kRed.Darker(0.8));
    canvas.Ellipse(32, 46, 5, 9);
    canvas.FillPath(Palette::kRed.Lighter(0.4));
    std::vector<double> cup{14, 70, 86, 70, 80, 96, 20, 96};
    canvas.Polygon(cup);
    Solid(canvas, kWhite);
    for (const double x : {30.0, 50.0, 70.0}) Line(canvas, x, 72, x, 94, kSoftPink, 3);
}

// A gingerbread man with white icing and sweet buttons.
void GingerbreadMan(Canvas& canvas) {
    const Colour ginger = Colour::Hex(0xC77B3A);
    PairOf([&](double side) {
        Band(canvas, 50 + side * 10, 64, 50 + side * 24, 90, ginger, 14);
        Band(canvas, 50 + side * 14, 42, 50 + side * 38, 52, ginger, 13);
    });
    canvas.RoundedBox(32, 34, 36, 38, 12);
    Solid(canvas, ginger);
    canvas.Circle(50, 22, 18);
    Solid(canvas, ginger);
    PairOf([&](double side) {
        Line(canvas, 50 + side * 33, 44, 50 + side * 35, 56, kWhite, 3);
        Line(canvas, 50 + side * 19, 84, 50 + side * 27, 82, kWhite, 3);
    });
    for (const auto& [y, colour] : {std::tuple{44.0, Palette::kRed}, {58.0, Palette::kGreen}})
        Dot(canvas, 50, y, 4.5, colour);
    Face(canvas, 50, 22, 26);
}

// A glass jar brimming with jelly beans.
void JellyBeans(Canvas& canvas) {
    canvas.RoundedBox(18, 24, 64, 72, 14);
    Solid(canvas, kGlass);
    const Colour beans[] = {Palette::kRed,    Palette::kSun,    Palette::kGreen,
                            Palette::kPurple, Palette::kOrange, Palette::kPink};
    for (int32_t bean = 0; bean < 15; ++bean) {
        const double x = 30 + (bean % 5) * 10;
        const double y = 48 + (bean / 5) * 14;
        cairo_t* context = canvas.Context();
        cairo_save(context);
        cairo_translate(context, x, y);
        cairo_rotate(context, bean * 0.9);
        canvas.Ellipse(0, 0, 6, 4);
        cairo_restore(context);
        canvas.FillAndOutline(beans[bean % 6], kInk, 1.5);
    }
    canvas.RoundedBox(24, 8, 52, 18, 5);
    Solid(canvas, Palette::kPink);
}

// The shelves sit under the sweets standing on them, whose bottoms the sweets' places fix.
void Shelves(Canvas& canvas) {
    for (const auto& [left, top] : {std::tuple{72.0, 90.0},
                                    {340.0, 109.0},
                                    {630.0, 137.0},
                                    {8.0, 178.0},
                                    {184.0, 192.0},
                                    {442.0, 206.0},
                                    {290.0, 266.0},
                                    {12.0, 327.0},
                                    {646.0, 338.0}}) {
        Furniture::WallShelf(canvas, left, top, 108);
    }
}

// The rail the candy canes hang from.
void CaneRail(Canvas& canvas) {
    for (const double x : {540.0, 644.0}) SceneKit::Box(canvas, x, 26, 10, 22, kLightGrey);
    SceneKit::Box(canvas, 536, 35, 122, 8, kLightGrey);
}

// The glass cake stand on the counter, for the gingerbread man.
void CakeStand(Canvas& canvas) {
    SceneKit::Box(canvas, 494, 428, 12, 86, kGlass);
    canvas.Ellipse(500, 516, 28, 6);
    canvas.FillAndOutline(kGlass, kInk, 3);
    canvas.Ellipse(500, 427, 56, 7);
    canvas.FillAndOutline(kGlass, kInk, 3);
}

// Wallpaper of soft candy stripes.
void Wallpaper(Canvas& canvas) {
    canvas.Fill(Colour::Hex(0xFFE6F0));
    for (double x = 0; x < SceneKit::kWidth; x += 48) {
        cairo_rectangle(canvas.Context(), x, 0, 16, 520);
    }
    canvas.FillPath(Colour::Hex(0xFFF3F8));
}

// The weighing scale on the counter: a pan on top, a dial in front.
void WeighingScale(Canvas& canvas) {
    SceneKit::Box(canvas, 640, 500, 90, 16, kLightGrey.Lighter(0.3));
    SceneKit::Box(canvas, 656, 466, 58, 36, Palette::kSun.Lighter(0.6));
    canvas.Circle(685, 484, 12);
    canvas.FillAndOutline(kWhite, kInk, 2);
    Line(canvas, 685, 484, 692, 476, Palette::kRed, 2);
    canvas.Ellipse(685, 462, 44, 8);
    canvas.FillAndOutline(kLightGrey.Lighter(0.3), kInk, 2.5);
}

// Boxes of sweets stacked on the counter, tied with ribbon.
void SweetBoxes(Canvas& canvas) {
    const std::tuple<double, double, double, double, Colour> boxes[] = {
        {168, 476, 70, 40, Palette::kSky},
        {176, 446, 54, 32, kLime},
        {186, 424, 34, 24, Palette::kSun}};
    for (const auto& [x, y, width, height, colour] : boxes) {
        SceneKit::Box(canvas, x, y, width, height, colour.Lighter(0.5));
        Line(canvas, x + width / 2, y + 2, x + width / 2, y + height - 2, Palette::kPink, 4);
    }
}

// The shop counter with its sign, a till and a weighing scale on top.
void Counter(Canvas& canvas) {
    SceneKit::Box(canvas, -10, 520, 864, 80, Colour::Hex(0xFFB3CC));
    SceneKit::Box(canvas, -10, 514, 864, 12, kWhite);
    canvas.OutlinedText("SWEET SHOP", 600, 558, 30, kWhite, kInk.Lighter(0.3), 3);
    SceneKit::Box(canvas, 240, 470, 90, 46, Palette::kBlue.Lighter(0.5));
    SceneKit::Box(canvas, 252, 456, 66, 16, kLightGrey.Lighter(0.4));
    canvas.Text("0.50", 285, 464, 12, kInk.Lighter(0.3));
    WeighingScale(canvas);
    SweetBoxes(canvas);
}

// A shop window with the street outside and a cat looking in.
void ShopWindow(Canvas& canvas) {
    SceneKit::Window(canvas, 752, 30, 84, 200);
    canvas.Ellipse(794, 210, 14, 10);
    canvas.Circle(794, 196, 9);
    canvas.FillPath(kGrey.Lighter(0.3));
    PairOf([&](double side) {
        canvas.Polygon({794 + side * 9, 196, 794 + side * 8, 184, 794 + side * 2, 190});
    });
    canvas.FillPath(kGrey.Lighter(0.3));
    for (const double x : {780.0, 808.0}) Line(canvas, x, 40, x, 96, kInk, 1.5);
    SceneKit::Box(canvas, 768, 94, 52, 24, kWhite);
    canvas.Text("OPEN", 794, 106, 13, Palette::kGreen.Darker(0.8));
}

// A framed picture of green hills on the wall.
void HillsPicture(Canvas& canvas) {
    SceneKit::Box(canvas, 566, 360, 76, 60, Furniture::kWood);
    canvas.VerticalGradient(574, 368, 60, 44, Palette::kPaleSky, Palette::kSky.Lighter(0.4));
    cairo_save(canvas.Context());
    cairo_rectangle(canvas.Context(), 574, 368, 60, 44);
    cairo_clip(canvas.Context());
    SceneKit::Hill(canvas, 594, 416, 30, 18, Palette::kGrass.Lighter(0.4));
    SceneKit::Hill(canvas, 628, 416, 22, 12, Palette::kGrass.Lighter(0.2));
    cairo_restore(canvas.Context());
}

// A chalk board of today's sweets, in the gap between the shelves.
void ChalkBoard(Canvas& canvas) {
    SceneKit::Box(canvas, 140, 280, 140, 110, Colour::Hex(0x5E7A6E));
    canvas.Text("PICK", 210, 310, 20, kWhite.Darker(0.9));
    canvas.Text("& MIX", 210, 338, 20, kWhite.Darker(0.9));
    canvas.Star(210, 366, 10, 5, 5);
    canvas.StrokePath(Palette::kSun.Lighter(0.4), 2);
}

// The shop clock, and a mouse on the counter eyeing the sweets: small things to find.
void ClockAndMouse(Canvas& canvas) {
    canvas.Circle(590, 262, 34);
    canvas.FillAndOutline(kWhite, kInk, 3);
    Line(canvas, 590, 262, 590, 240, kInk, 3);
    Line(canvas, 590, 262, 606, 270, kInk, 3);
    canvas.Ellipse(400, 506, 14, 9);
    canvas.FillAndOutline(kLightGrey, kInk, 2);
    canvas.Circle(412, 498, 6);
    canvas.FillAndOutline(kSoftPink, kInk, 1.5);
    Line(canvas, 386, 508, 370, 500, kInk, 2);
}

void Scene(Canvas& canvas) {
    Wallpaper(canvas);
    canvas.OutlinedText("SWEETS", 250, 50, 34, Palette::kPink, kInk.Lighter(0.3), 3);
    ShopWindow(canvas);
    ChalkBoard(canvas);
    HillsPicture(canvas);
    CaneRail(canvas);
    Shelves(canvas);
    ClockAndMouse(canvas);
    Counter(canvas);
    CakeStand(canvas);
}

}  // namespace

PageTheme Themes::Sweets() {
    return {"The sweet shop",
            Palette::kPink,
            Scene,
            {
                {"lollipop", Lollipop},
                {"candy floss", CandyFloss},
                {"cookie", Cookie},
                {"wrapped sweet", WrappedSweet},
                {"doughnut", Donut},
                {"candy cane", CandyCane},
                {"gummy bear", GummyBear},
                {"chocolate bar", ChocolateBar},
                {"gumballs", GumballMachine},
                {"toffee apple", ToffeeApple},
                {"gingerbread", GingerbreadMan},
                {"jelly beans", JellyBeans},
            }};
}
