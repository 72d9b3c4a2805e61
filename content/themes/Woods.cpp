// Page 13: the woods.

#include "content/themes/Themes.h"

#include <tuple>
#include <utility>

#include "content/AnimalFaces.h"
#include "content/DesignKit.h"
#include "content/SceneKit.h"

namespace {

using namespace DesignKit;

void Mushroom(Canvas& canvas) {
    canvas.RoundedBox(38, 50, 24, 44, 10);
    Solid(canvas, Palette::CREAM);
    cairo_new_path(canvas.Context());
    cairo_arc(canvas.Context(), 50, 54, 42, PI, 2 * PI);
    cairo_close_path(canvas.Context());
    Solid(canvas, Palette::RED);
    for (const auto& [x, y, r] :
         {std::tuple{30.0, 40.0, 6.0}, {52.0, 26.0, 7.0}, {72.0, 42.0, 5.0}})
        Dot(canvas, x, y, r, WHITE);
    Eyes(canvas, 50, 70, 10, 2.5);
}

void Tree(Canvas& canvas) {
    canvas.RoundedBox(42, 58, 16, 38, 4);
    Solid(canvas, Palette::BROWN);
    for (const auto& [x, y, r] :
         {std::tuple{32.0, 46.0, 20.0}, {68.0, 46.0, 20.0}, {50.0, 28.0, 24.0}}) {
        canvas.Circle(x, y, r);
        Solid(canvas, Palette::GREEN);
    }
    canvas.Circle(32, 46, 18);
    canvas.Circle(68, 46, 18);
    canvas.Circle(50, 28, 22);
    canvas.FillPath(Palette::GREEN);
    for (const auto& [x, y] : {std::pair{36.0, 40.0}, {62.0, 26.0}, {66.0, 54.0}}) {
        canvas.Circle(x, y, 5);
        Solid(canvas, Palette::RED);
    }
}

void Acorn(Canvas& canvas) {
    canvas.Ellipse(50, 62, 24, 28);
    Solid(canvas, Palette::BROWN);
    canvas.Ellipse(50, 36, 30, 14);
    Solid(canvas, DARK_BROWN);
    Line(canvas, 50, 22, 54, 10, INK, 4);
    Face(canvas, 50, 64, 30);
}

void Scene(Canvas& canvas) {
    SceneKit::Landscape(canvas);
}

}  // namespace

PageTheme Themes::Woods() {
    return {"The woods", Palette::DARK_GRASS, Scene, {
        AnimalDesign({DARK_BROWN, TAN, Ears::Tufts, Snout::Beak, Mark::None}),  // owl
        AnimalDesign({Colour::Hex(0xF26B2A), WHITE, Ears::Pointed, Snout::Muzzle, Mark::None}),  // fox
        Mushroom,
        AnimalDesign({FUR_BROWN, TAN, Ears::Antlers, Snout::Koala, Mark::None}),  // deer
        Tree,
        AnimalDesign({TAN, TAN, Ears::None, Snout::Muzzle, Mark::Spikes}),  // hedgehog
        Acorn,
    }};
}
