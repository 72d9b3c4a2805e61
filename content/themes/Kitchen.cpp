// Page 18: the kitchen.

#include "content/themes/Themes.h"

#include <cairo.h>

#include <utility>

#include "content/DesignKit.h"
#include "content/SceneKit.h"

namespace {

using namespace DesignKit;

void Egg(Canvas& canvas) {
    cairo_t* context = canvas.Context();
    cairo_new_path(context);
    cairo_move_to(context, 20, 50);
    cairo_curve_to(context, 10, 20, 50, 4, 64, 18);
    cairo_curve_to(context, 96, 20, 96, 66, 76, 80);
    cairo_curve_to(context, 56, 96, 26, 90, 20, 50);
    Solid(canvas, kWhite);
    canvas.Circle(52, 50, 17);
    Solid(canvas, Palette::kSun);
    Face(canvas, 52, 52, 26);
}

void Toast(Canvas& canvas) {
    canvas.RoundedBox(16, 14, 68, 78, 22);
    Solid(canvas, Palette::kBrown);
    canvas.RoundedBox(24, 22, 52, 62, 16);
    canvas.FillPath(kTan);
    Face(canvas, 50, 54, 40);
}

void JuiceBox(Canvas& canvas) {
    Band(canvas, 60, 22, 66, 6, kWhite, 4);
    canvas.RoundedBox(28, 20, 44, 74, 6);
    Solid(canvas, Palette::kOrange);
    canvas.Circle(50, 64, 14);
    Solid(canvas, Palette::kSun);
    Eyes(canvas, 50, 36, 16, 3.5);
}

void Cheese(Canvas& canvas) {
    canvas.Polygon({10, 70, 86, 36, 90, 80, 10, 84});
    Solid(canvas, Palette::kSun);
    Dot(canvas, 40, 72, 6, Palette::kOrange);
    Dot(canvas, 66, 62, 5, Palette::kOrange);
    Dot(canvas, 78, 72, 3.5, Palette::kOrange);
}

void HoneyPot(Canvas& canvas) {
    canvas.Ellipse(50, 60, 34, 32);
    Solid(canvas, Palette::kOrange);
    canvas.RoundedBox(24, 20, 52, 14, 6);
    Solid(canvas, kDarkBrown);
    canvas.RoundedBox(30, 50, 40, 22, 6);
    Solid(canvas, Palette::kCream);
    canvas.Text("HONEY", 50, 61, 11, kInk);
}

void Pizza(Canvas& canvas) {
    canvas.Polygon({14, 20, 86, 20, 50, 94});
    Solid(canvas, Palette::kSun);
    canvas.RoundedBox(10, 12, 80, 14, 7);
    Solid(canvas, kTan);
    for (const auto& [x, y] : {std::pair{36.0, 38.0}, {62.0, 40.0}, {50.0, 62.0}}) {
        canvas.Circle(x, y, 7);
        Solid(canvas, Palette::kRed);
    }
}

void Mug(Canvas& canvas, Colour colour) {
    cairo_new_path(canvas.Context());
    cairo_arc(canvas.Context(), 72, 56, 14, -1.6, 1.6);
    canvas.StrokePath(kInk, 12);
    cairo_new_path(canvas.Context());
    cairo_arc(canvas.Context(), 72, 56, 14, -1.6, 1.6);
    canvas.StrokePath(colour, 5);
    canvas.RoundedBox(18, 28, 56, 62, 10);
    Solid(canvas, colour);
    Face(canvas, 46, 62, 34);
    for (const double x : {36.0, 52.0}) {
        cairo_move_to(canvas.Context(), x, 22);
        cairo_curve_to(canvas.Context(), x - 8, 14, x + 8, 8, x, 2);
        canvas.StrokePath(kGrey, 3);
    }
}

void Teapot(Canvas& canvas) {
    canvas.Polygon({70, 60, 94, 36, 98, 40, 80, 72});
    Solid(canvas, Palette::kBlue);
    cairo_new_path(canvas.Context());
    cairo_arc(canvas.Context(), 20, 62, 14, 1.6, 4.7);
    canvas.StrokePath(kInk, 12);
    cairo_new_path(canvas.Context());
    cairo_arc(canvas.Context(), 20, 62, 14, 1.6, 4.7);
    canvas.StrokePath(Palette::kBlue, 5);
    canvas.Ellipse(50, 62, 32, 28);
    Solid(canvas, Palette::kBlue);
    canvas.Ellipse(50, 36, 20, 6);
    Solid(canvas, Palette::kBlue.Lighter(0.3));
    Dot(canvas, 50, 28, 6, kInk);
    for (const double x : {36.0, 50.0, 64.0}) Dot(canvas, x, 74, 4, kWhite);
    Face(canvas, 50, 58, 30);
}

void MilkBottle(Canvas& canvas) {
    canvas.Polygon({38, 10, 62, 10, 62, 28, 74, 42, 74, 94, 26, 94, 26, 42, 38, 28});
    Solid(canvas, kWhite);
    canvas.RoundedBox(36, 4, 28, 10, 3);
    Solid(canvas, Palette::kBlue);
    canvas.RoundedBox(26, 52, 48, 24, 2);
    Solid(canvas, Palette::kSky);
    Face(canvas, 50, 64, 30);
}

void Scene(Canvas& canvas) {
    SceneKit::Room(canvas, Colour::Hex(0xFFF3C4), Colour::Hex(0xE0B98A), 400);
    // Wall tiles behind the worktop, a window, cupboards and a table.
    cairo_t* context = canvas.Context();
    SceneKit::Box(canvas, -10, 150, 864, 120, Colour::Hex(0xE3F4FF));
    for (double x = 40; x < SceneKit::kWidth; x += 40) {
        cairo_move_to(context, x, 150);
        cairo_line_to(context, x, 270);
    }
    cairo_move_to(context, 0, 210);
    cairo_line_to(context, SceneKit::kWidth, 210);
    canvas.StrokePath(Colour::Hex(0xB8D8F0), 2);
    SceneKit::Window(canvas, 560, 20, 160, 120);
    SceneKit::Box(canvas, -10, 270, 864, 24, Colour::Hex(0xC98B52));
    for (const double x : {10.0, 220.0, 430.0, 640.0}) {
        SceneKit::Box(canvas, x, 294, 196, 104, Colour::Hex(0x8FD3A8));
        DesignKit::Dot(canvas, x + 180, 346, 6, kInk);
    }
    SceneKit::Box(canvas, 160, 470, 520, 24, Colour::Hex(0xFF9B3D));
    for (const double x : {190.0, 630.0})
        SceneKit::Box(canvas, x, 494, 20, 100, Colour::Hex(0xC98B52));
}

}  // namespace

PageTheme Themes::Kitchen() {
    return {"The kitchen",
            Palette::kSun,
            Scene,
            {
                {"egg", Egg},
                {"toast", Toast},
                {"juice box", JuiceBox},
                {"cheese", Cheese},
                {"honey pot", HoneyPot},
                {"pizza", Pizza},
                {"red mug", With(Mug, Palette::kRed)},
                {"teapot", Teapot},
                {"milk bottle", MilkBottle},
            }};
}
