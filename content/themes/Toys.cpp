// Page 11: the toy room.

#include "content/themes/Themes.h"

#include <cmath>
#include <cstdint>

#include "content/AnimalFaces.h"
#include "content/DesignKit.h"
#include "content/SceneKit.h"

namespace {

using namespace DesignKit;

void Teddy(Canvas& canvas) {
    canvas.Ellipse(50, 78, 26, 20);
    Solid(canvas, FUR_BROWN);
    canvas.Ellipse(50, 80, 12, 10);
    canvas.FillPath(TAN);
    cairo_save(canvas.Context());
    cairo_translate(canvas.Context(), 14, -4);
    cairo_scale(canvas.Context(), 0.72, 0.72);
    AnimalFace(canvas, {FUR_BROWN, TAN, Ears::Round, Snout::Muzzle, Mark::None});
    cairo_restore(canvas.Context());
    Band(canvas, 40, 60, 60, 60, Palette::RED, 5);
}

void Robot(Canvas& canvas) {
    Line(canvas, 50, 14, 50, 4, INK, 3);
    Dot(canvas, 50, 4, 4, Palette::RED);
    canvas.RoundedBox(26, 14, 48, 34, 6);
    Solid(canvas, LIGHT_GREY);
    for (const double x : {40.0, 60.0}) {
        canvas.Circle(x, 28, 7);
        Solid(canvas, Palette::SUN);
    }
    canvas.RoundedBox(38, 38, 24, 5, 2);
    canvas.FillPath(INK);
    canvas.RoundedBox(20, 52, 60, 42, 6);
    Solid(canvas, Palette::BLUE);
    canvas.Heart(50, 72, 16);
    Solid(canvas, Palette::RED);
}

void SpinningTop(Canvas& canvas) {
    Band(canvas, 50, 6, 50, 20, DARK_BROWN, 5);
    canvas.Polygon({12, 40, 50, 20, 88, 40, 50, 96});
    Solid(canvas, Palette::PINK);
    canvas.Polygon({14, 44, 86, 44, 78, 56, 22, 56});
    Solid(canvas, Palette::SUN);
}

void YoYo(Canvas& canvas) {
    Line(canvas, 50, 4, 50, 50, INK, 2.5);
    canvas.Circle(50, 56, 34);
    Solid(canvas, Palette::GREEN);
    canvas.Circle(50, 56, 14);
    Solid(canvas, LIME);
}

void Pinwheel(Canvas& canvas) {
    Band(canvas, 50, 50, 50, 98, TAN, 4);
    const Colour vanes[] = {Palette::RED, Palette::SUN, Palette::BLUE, Palette::GREEN};
    for (int32_t vane = 0; vane < 4; ++vane) {
        cairo_t* context = canvas.Context();
        cairo_save(context);
        cairo_translate(context, 50, 46);
        cairo_rotate(context, vane * PI / 2);
        canvas.Polygon({0, 0, 0, -40, 30, -10});
        cairo_restore(context);
        Solid(canvas, vanes[vane]);
    }
    Dot(canvas, 50, 46, 5, INK);
}

// A toy train engine.
void Train(Canvas& canvas, Colour body) {
    canvas.RoundedBox(20, 8, 14, 22, 3);
    Solid(canvas, INK);
    canvas.RoundedBox(8, 28, 56, 42, 6);
    Solid(canvas, body);
    canvas.RoundedBox(56, 16, 36, 54, 6);
    Solid(canvas, body.Darker(0.85));
    canvas.RoundedBox(64, 24, 20, 18, 3);
    Solid(canvas, Palette::PALE_SKY);
    Wheels(canvas, {22, 48, 76}, 76, 11);
}

void Scene(Canvas& canvas) {
    SceneKit::Room(canvas, Colour::Hex(0xCDE8FF), Colour::Hex(0xE9C28F), 360);
    SceneKit::Window(canvas, 120, 40, 150, 130);
    // Shelves on the wall and a round rug on the floor.
    for (const double y : {170.0, 300.0})
        SceneKit::Box(canvas, 300, y, 440, 14, Colour::Hex(0xC98B52));
    canvas.Ellipse(420, 480, 330, 80);
    canvas.FillAndOutline(Colour::Hex(0xFFB3C8), INK, 3);
    canvas.Ellipse(420, 480, 250, 56);
    canvas.StrokePath(Palette::WHITE, 6);
    // The toy box.
    SceneKit::Box(canvas, 660, 400, 160, 110, Palette::RED);
    SceneKit::Box(canvas, 650, 384, 180, 26, Palette::RED.Darker(0.85));
    canvas.Text("TOYS", 740, 460, 28, Palette::WHITE);
}

}  // namespace

PageTheme Themes::Toys() {
    return {"The toy room",
            Palette::PURPLE,
            Scene,
            {
                Teddy,
                Robot,
                SpinningTop,
                YoYo,
                Pinwheel,
                With(Train, Palette::BLUE),
            }};
}
