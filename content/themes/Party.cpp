// Page 4: the birthday party.

#include "content/themes/Themes.h"

#include <cairo.h>

#include <cstdint>
#include <tuple>

#include "content/DesignKit.h"
#include "content/SceneKit.h"

namespace {

using namespace DesignKit;

void Cupcake(Canvas& canvas, Colour icing) {
    canvas.Polygon({24, 56, 76, 56, 68, 92, 32, 92});
    Solid(canvas, Palette::kBlue.Lighter(0.4));
    for (const double x : {38.0, 50.0, 62.0}) Line(canvas, x, 60, x, 88, kInk, 2);
    for (const auto& [x, y, r] :
         {std::tuple{32.0, 50.0, 14.0}, {68.0, 50.0, 14.0}, {50.0, 42.0, 20.0}}) {
        canvas.Circle(x, y, r);
        Solid(canvas, icing);
    }
    canvas.Circle(32, 50, 12);
    canvas.Circle(68, 50, 12);
    canvas.Circle(50, 42, 18);
    canvas.FillPath(icing);
    canvas.Circle(50, 18, 7);
    Solid(canvas, Palette::kRed);
    Face(canvas, 50, 46, 30);
}

void CakeSlice(Canvas& canvas) {
    canvas.Polygon({14, 50, 86, 34, 86, 82, 14, 90});
    Solid(canvas, Palette::kCream);
    canvas.Polygon({14, 50, 86, 34, 86, 46, 14, 62});
    Solid(canvas, Palette::kPink);
    Line(canvas, 16, 74, 84, 62, Palette::kRed, 4);
    canvas.Circle(60, 30, 8);
    Solid(canvas, Palette::kRed);
}

void Present(Canvas& canvas, Colour box, Colour ribbon) {
    canvas.RoundedBox(16, 38, 68, 54, 4);
    Solid(canvas, box);
    canvas.RoundedBox(10, 28, 80, 16, 4);
    Solid(canvas, box);
    canvas.RoundedBox(44, 28, 12, 64, 1);
    Solid(canvas, ribbon);
    for (const double side : {-1.0, 1.0}) {
        canvas.Ellipse(50 + side * 14, 20, 14, 9);
        Solid(canvas, ribbon);
    }
}

// A bunch of three party balloons on their strings, `colour` in front.
void PartyBalloons(Canvas& canvas, Colour colour) {
    const struct {
        double x;
        double y;
        Colour colour;
    } balloons[] = {{28, 30, colour.Lighter(0.45)}, {72, 30, colour.Darker(0.8)}, {50, 44, colour}};
    for (const auto& balloon : balloons) {
        Line(canvas, balloon.x, balloon.y + 24, 50, 98, kInk, 2.5);
    }
    for (const auto& balloon : balloons) {
        canvas.Ellipse(balloon.x, balloon.y, 20, 24);
        Solid(canvas, balloon.colour);
        canvas.Ellipse(balloon.x - 8, balloon.y - 10, 4, 7);
        canvas.FillPath(balloon.colour.Lighter(0.6));
    }
}

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
        canvas.FillAndOutline(flags[flag % 5], kInk, 2.5);
    }
}

void Scene(Canvas& canvas) {
    SceneKit::Room(canvas, Colour::Hex(0xFFD3E2), Colour::Hex(0xE9C28F), 330);
    Bunting(canvas, 20);
    SceneKit::Window(canvas, 660, 90, 150, 130);
    // The party table with its cloth.
    SceneKit::Box(canvas, 180, 330, 470, 30, Colour::Hex(0xFFF1A8));
    for (const double x : {210.0, 600.0})
        SceneKit::Box(canvas, x, 360, 20, 170, Colour::Hex(0xC98B52));
    canvas.Polygon({180, 344, 650, 344, 630, 400, 200, 400});
    canvas.FillAndOutline(Palette::kPaleSky, kInk, 3);
    for (double x = 210; x < 630; x += 40) SceneKit::Daisy(canvas, x, 372, Palette::kPink);
}

}  // namespace

PageTheme Themes::Party() {
    return {"The birthday party",
            Palette::kPink,
            Scene,
            {
                {"purple present", With(Present, Palette::kPurple, Palette::kSun)},
                {"red party balloons", With(PartyBalloons, Palette::kRed)},
                {"pink cupcake", With(Cupcake, Palette::kPink)},
                {"cake slice", CakeSlice},
                {"blue party balloons", With(PartyBalloons, Palette::kBlue)},
                {"red present", With(Present, Palette::kRed, Palette::kGreen)},
                {"yellow cupcake", With(Cupcake, Palette::kSun)},
                {"yellow party balloons", With(PartyBalloons, Palette::kSun)},
                {"blue present", With(Present, Palette::kBlue, Palette::kPink)},
                {"brown cupcake", With(Cupcake, Colour::Hex(0x8E5BC9))},
            }};
}
