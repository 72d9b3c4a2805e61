// Page 3: the fruit and vegetable stall.

#include "content/themes/Themes.h"

#include <cairo.h>

#include <cstdint>
#include <utility>

#include "content/DesignKit.h"
#include "content/SceneKit.h"

namespace {

using namespace DesignKit;

void Stalk(Canvas& canvas, double x, double y, bool leaf) {
    Band(canvas, x, y + 6, x + 3, y - 8, kDarkBrown, 4);
    if (leaf) Leaf(canvas, x + 3, y - 4, 22, -0.5, Palette::kGreen);
}

Design RoundFruit(Colour colour, double width, double height, bool leaf, bool dimples) {
    return [=](Canvas& canvas) {
        canvas.Ellipse(50, 56, width, height);
        Solid(canvas, colour);
        canvas.Ellipse(50 - width * 0.45, 56 - height * 0.4, width * 0.18, height * 0.12);
        canvas.FillPath(colour.Lighter(0.6));
        if (dimples) {
            for (const auto& [x, y] :
                 {std::pair{40.0, 60.0}, {60.0, 48.0}, {56.0, 70.0}, {34.0, 46.0}})
                Dot(canvas, x, y, 1.8, colour.Darker(0.75));
        }
        Stalk(canvas, 50, 56 - height, leaf);
        Face(canvas, 50, 60, 40);
    };
}

void Pear(Canvas& canvas) {
    canvas.Circle(50, 38, 16);
    canvas.Circle(50, 66, 26);
    canvas.FillAndOutline(kLime, kInk, kOutline);
    canvas.Circle(50, 38, 16);
    canvas.Circle(50, 66, 26);
    canvas.FillPath(kLime);
    Stalk(canvas, 50, 22, true);
    Face(canvas, 50, 66, 36);
}

void Banana(Canvas& canvas) {
    cairo_t* context = canvas.Context();
    cairo_new_path(context);
    cairo_move_to(context, 18, 30);
    cairo_curve_to(context, 20, 80, 70, 92, 90, 62);
    cairo_curve_to(context, 70, 74, 36, 66, 30, 26);
    cairo_close_path(context);
    Solid(canvas, Palette::kSun);
    canvas.RoundedBox(18, 18, 12, 12, 3);
    Solid(canvas, kDarkBrown);
    Eyes(canvas, 48, 66, 14, 3.5);
}

void Cherries(Canvas& canvas) {
    cairo_t* context = canvas.Context();
    cairo_move_to(context, 30, 68);
    cairo_curve_to(context, 36, 40, 50, 24, 60, 14);
    cairo_move_to(context, 70, 66);
    cairo_curve_to(context, 66, 40, 62, 24, 60, 14);
    canvas.StrokePath(kDarkBrown, 4);
    Leaf(canvas, 60, 14, 24, 0.1, Palette::kGreen);
    for (const double x : {30.0, 70.0}) {
        canvas.Circle(x, 72, 17);
        Solid(canvas, Palette::kRed);
        Dot(canvas, x - 6, 66, 4, Palette::kRed.Lighter(0.6));
        Eyes(canvas, x, 74, 12, 2.8);
    }
}

void Strawberry(Canvas& canvas) {
    cairo_t* context = canvas.Context();
    cairo_new_path(context);
    cairo_move_to(context, 50, 94);
    cairo_curve_to(context, 14, 70, 10, 30, 50, 28);
    cairo_curve_to(context, 90, 30, 86, 70, 50, 94);
    Solid(canvas, Palette::kRed);
    for (const auto& [x, y] :
         {std::pair{36.0, 46.0}, {64.0, 46.0}, {50.0, 76.0}, {34.0, 64.0}, {66.0, 64.0}})
        Dot(canvas, x, y, 2.2, Palette::kSun);
    canvas.Star(50, 28, 20, 8, 5, kPi);
    Solid(canvas, Palette::kGreen);
    Eyes(canvas, 50, 56, 16, 3.5);
}

void Grapes(Canvas& canvas) {
    Stalk(canvas, 50, 16, true);
    const double rows[][2] = {{3, 30}, {4, 44}, {3, 58}, {2, 72}, {1, 86}};
    for (const auto& row : rows) {
        const auto count = static_cast<int32_t>(row[0]);
        for (int32_t i = 0; i < count; ++i) {
            canvas.Circle(50 + (i - (count - 1) / 2.0) * 16, row[1], 9);
            Solid(canvas, Palette::kPurple);
        }
    }
    Eyes(canvas, 50, 46, 14, 3);
}

void Watermelon(Canvas& canvas) {
    cairo_t* context = canvas.Context();
    cairo_new_path(context);
    cairo_arc(context, 50, 36, 42, 0, kPi);
    cairo_close_path(context);
    Solid(canvas, Palette::kGreen);
    cairo_new_path(context);
    cairo_arc(context, 50, 36, 34, 0, kPi);
    cairo_close_path(context);
    canvas.FillPath(Palette::kRed);
    for (const double x : {30.0, 44.0, 58.0, 70.0}) {
        canvas.Ellipse(x, 52 + (x == 44.0 || x == 58.0 ? 10 : 0), 2, 3.5);
        canvas.FillPath(kInk);
    }
    Eyes(canvas, 50, 44, 16, 3.5);
}

void Pineapple(Canvas& canvas) {
    for (const double turn : {-0.5, 0.0, 0.5}) {
        Leaf(canvas, 50, 34, 30, -kPi / 2 + turn, Palette::kGreen);
    }
    canvas.Ellipse(50, 62, 24, 30);
    Solid(canvas, Palette::kSun);
    // The criss-cross of the skin stays inside the fruit.
    cairo_t* context = canvas.Context();
    cairo_save(context);
    canvas.Ellipse(50, 62, 24, 30);
    cairo_clip(context);
    for (int32_t i = -2; i <= 2; ++i) {
        Line(canvas, 38 + i * 10, 36, 62 + i * 10, 88, Palette::kOrange, 2.5);
        Line(canvas, 62 + i * 10, 36, 38 + i * 10, 88, Palette::kOrange, 2.5);
    }
    cairo_restore(context);
    canvas.Ellipse(50, 62, 24, 30);
    canvas.StrokePath(kInk, kOutline);
    Face(canvas, 50, 62, 36);
}

void Pumpkin(Canvas& canvas) {
    Stalk(canvas, 50, 28, true);
    for (const auto& [x, width] : {std::pair{30.0, 18.0}, {70.0, 18.0}, {50.0, 22.0}}) {
        canvas.Ellipse(x, 60, width, 30);
        Solid(canvas, Colour::Hex(0xFF8A1E));
    }
    Face(canvas, 50, 62, 36);
}

void Carrot(Canvas& canvas) {
    for (const double turn : {-0.4, 0.0, 0.4})
        Leaf(canvas, 50, 26, 22, -kPi / 2 + turn, Palette::kGreen);
    canvas.Polygon({30, 26, 70, 26, 50, 96});
    Solid(canvas, Palette::kOrange);
    Line(canvas, 40, 50, 48, 50, kInk, 2.5);
    Line(canvas, 54, 66, 60, 66, kInk, 2.5);
    Eyes(canvas, 50, 38, 14, 3.5);
}

void Scene(Canvas& canvas) {
    SceneKit::Room(canvas, Colour::Hex(0xFFE7B3), Colour::Hex(0xD9A066), 400);
    // A striped awning across the top of the stall.
    for (int32_t stripe = 0; stripe < 12; ++stripe) {
        const double x = stripe * 72.0 - 8;
        canvas.Polygon({x, 0, x + 72, 0, x + 72, 60, x + 36, 76, x, 60});
        canvas.FillAndOutline(stripe % 2 == 0 ? Palette::kRed : Palette::kWhite, kInk, 3);
    }
    // Wooden crates on shelves, and the counter in front.
    for (const double y : {170.0, 290.0})
        SceneKit::Box(canvas, 20, y + 90, 804, 16, Colour::Hex(0xC98B52));
    for (const double x : {170.0, 330.0, 490.0, 650.0}) {
        SceneKit::Box(canvas, x, 220, 120, 50, Colour::Hex(0xE9C28F));
    }
    SceneKit::Box(canvas, -10, 540, 864, 60, Colour::Hex(0xB9773E));
    canvas.RoundedBox(690, 120, 120, 44, 8);
    canvas.FillAndOutline(Palette::kWhite, kInk, 3);
    canvas.Text("FRUIT", 750, 142, 22, Palette::kGreen);
}

}  // namespace

PageTheme Themes::Market() {
    return {"The fruit and vegetable stall",
            Palette::kRed,
            Scene,
            {
                {"apple", RoundFruit(Palette::kRed, 32, 30, true, false)},
                {"pear", Pear},
                {"banana", Banana},
                {"cherries", Cherries},
                {"strawberry", Strawberry},
                {"orange", RoundFruit(Palette::kOrange, 32, 32, true, true)},
                {"lemon", RoundFruit(Palette::kSun, 36, 26, false, true)},
                {"grapes", Grapes},
                {"watermelon", Watermelon},
                {"pineapple", Pineapple},
                {"carrot", Carrot},
                {"tomato", RoundFruit(Colour::Hex(0xFF5A3C), 34, 28, true, false)},
                {"pumpkin", Pumpkin},
            }};
}
