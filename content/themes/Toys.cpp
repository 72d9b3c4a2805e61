// Page 11: the toy room.

#include "content/themes/Themes.h"

#include <cairo.h>

#include <cmath>
#include <cstdint>

#include "content/AnimalFaces.h"
#include "content/DesignKit.h"
#include "content/SceneKit.h"

namespace {

using namespace DesignKit;

void Teddy(Canvas& canvas) {
    canvas.Ellipse(50, 78, 26, 20);
    Solid(canvas, kFurBrown);
    canvas.Ellipse(50, 80, 12, 10);
    canvas.FillPath(kTan);
    cairo_save(canvas.Context());
    cairo_translate(canvas.Context(), 14, -4);
    cairo_scale(canvas.Context(), 0.72, 0.72);
    AnimalFace(canvas, {kFurBrown, kTan, Ears::Round, Snout::Muzzle, Mark::None});
    cairo_restore(canvas.Context());
    Band(canvas, 40, 60, 60, 60, Palette::kRed, 5);
}

void Robot(Canvas& canvas) {
    Line(canvas, 50, 14, 50, 4, kInk, 3);
    Dot(canvas, 50, 4, 4, Palette::kRed);
    canvas.RoundedBox(26, 14, 48, 34, 6);
    Solid(canvas, kLightGrey);
    for (const double x : {40.0, 60.0}) {
        canvas.Circle(x, 28, 7);
        Solid(canvas, Palette::kSun);
    }
    canvas.RoundedBox(38, 38, 24, 5, 2);
    canvas.FillPath(kInk);
    canvas.RoundedBox(20, 52, 60, 42, 6);
    Solid(canvas, Palette::kBlue);
    canvas.Heart(50, 72, 16);
    Solid(canvas, Palette::kRed);
}

void SpinningTop(Canvas& canvas) {
    Band(canvas, 50, 6, 50, 20, kDarkBrown, 5);
    canvas.Polygon({12, 40, 50, 20, 88, 40, 50, 96});
    Solid(canvas, Palette::kPink);
    canvas.Polygon({14, 44, 86, 44, 78, 56, 22, 56});
    Solid(canvas, Palette::kSun);
}

void YoYo(Canvas& canvas) {
    Line(canvas, 50, 4, 50, 50, kInk, 2.5);
    canvas.Circle(50, 56, 34);
    Solid(canvas, Palette::kGreen);
    canvas.Circle(50, 56, 14);
    Solid(canvas, kLime);
}

void Pinwheel(Canvas& canvas) {
    Band(canvas, 50, 50, 50, 98, kTan, 4);
    const Colour vanes[] = {Palette::kRed, Palette::kSun, Palette::kBlue, Palette::kGreen};
    for (int32_t vane = 0; vane < 4; ++vane) {
        cairo_t* context = canvas.Context();
        cairo_save(context);
        cairo_translate(context, 50, 46);
        cairo_rotate(context, vane * kPi / 2);
        canvas.Polygon({0, 0, 0, -40, 30, -10});
        cairo_restore(context);
        Solid(canvas, vanes[vane]);
    }
    Dot(canvas, 50, 46, 5, kInk);
}

// A toy train engine.
void Train(Canvas& canvas, Colour body) {
    canvas.RoundedBox(20, 8, 14, 22, 3);
    Solid(canvas, kInk);
    canvas.RoundedBox(8, 28, 56, 42, 6);
    Solid(canvas, body);
    canvas.RoundedBox(56, 16, 36, 54, 6);
    Solid(canvas, body.Darker(0.85));
    canvas.RoundedBox(64, 24, 20, 18, 3);
    Solid(canvas, Palette::kPaleSky);
    Wheels(canvas, {22, 48, 76}, 76, 11);
}

void Scene(Canvas& canvas) {
    SceneKit::Room(canvas, Colour::Hex(0xCDE8FF), Colour::Hex(0xE9C28F), 360);
    SceneKit::Window(canvas, 120, 40, 150, 130);
    // Shelves on the wall and a round rug on the floor.
    for (const double y : {170.0, 300.0})
        SceneKit::Box(canvas, 300, y, 440, 14, Colour::Hex(0xC98B52));
    canvas.Ellipse(420, 480, 330, 80);
    canvas.FillAndOutline(Colour::Hex(0xFFB3C8), kInk, 3);
    canvas.Ellipse(420, 480, 250, 56);
    canvas.StrokePath(Palette::kWhite, 6);
    // The toy box.
    SceneKit::Box(canvas, 660, 400, 160, 110, Palette::kRed);
    SceneKit::Box(canvas, 650, 384, 180, 26, Palette::kRed.Darker(0.85));
    canvas.Text("TOYS", 740, 460, 28, Palette::kWhite);
}

}  // namespace

PageTheme Themes::Toys() {
    return {"The toy room",
            Palette::kPurple,
            Scene,
            {
                {"teddy", Teddy},
                {"robot", Robot},
                {"spinning top", SpinningTop},
                {"yo yo", YoYo},
                {"pinwheel", Pinwheel},
                {"blue train", With(Train, Palette::kBlue)},
            }};
}
