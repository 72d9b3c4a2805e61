// Page 13: the woods.

#include "content/themes/Themes.h"

#include <cairo.h>

#include <cstdint>
#include <tuple>
#include <utility>

#include "content/AnimalFaces.h"
#include "content/DesignKit.h"
#include "content/SceneKit.h"

namespace {

using namespace DesignKit;

void Mushroom(Canvas& canvas) {
    canvas.RoundedBox(38, 50, 24, 44, 10);
    Solid(canvas, Palette::kCream);
    cairo_new_path(canvas.Context());
    cairo_arc(canvas.Context(), 50, 54, 42, kPi, 2 * kPi);
    cairo_close_path(canvas.Context());
    Solid(canvas, Palette::kRed);
    for (const auto& [x, y, r] :
         {std::tuple{30.0, 40.0, 6.0}, {52.0, 26.0, 7.0}, {72.0, 42.0, 5.0}})
        Dot(canvas, x, y, r, kWhite);
    Eyes(canvas, 50, 70, 10, 2.5);
}

void Tree(Canvas& canvas) {
    canvas.RoundedBox(42, 58, 16, 38, 4);
    Solid(canvas, Palette::kBrown);
    for (const auto& [x, y, r] :
         {std::tuple{32.0, 46.0, 20.0}, {68.0, 46.0, 20.0}, {50.0, 28.0, 24.0}}) {
        canvas.Circle(x, y, r);
        Solid(canvas, Palette::kGreen);
    }
    canvas.Circle(32, 46, 18);
    canvas.Circle(68, 46, 18);
    canvas.Circle(50, 28, 22);
    canvas.FillPath(Palette::kGreen);
    for (const auto& [x, y] : {std::pair{36.0, 40.0}, {62.0, 26.0}, {66.0, 54.0}}) {
        canvas.Circle(x, y, 5);
        Solid(canvas, Palette::kRed);
    }
}

void Acorn(Canvas& canvas) {
    canvas.Ellipse(50, 62, 24, 28);
    Solid(canvas, Palette::kBrown);
    canvas.Ellipse(50, 36, 30, 14);
    Solid(canvas, kDarkBrown);
    Line(canvas, 50, 22, 54, 10, kInk, 4);
    Face(canvas, 50, 64, 30);
}

void Trunk(Canvas& canvas, double x, double width) {
    SceneKit::Box(canvas, x, -10, width, 440, Colour::Hex(0x9A6A45));
    DesignKit::Line(canvas, x + width * 0.35, 60, x + width * 0.35, 140, Colour::Hex(0x7A4A26), 3);
    DesignKit::Line(canvas, x + width * 0.6, 240, x + width * 0.6, 330, Colour::Hex(0x7A4A26), 3);
}

void Scene(Canvas& canvas) {
    SceneKit::Sky(canvas, Colour::Hex(0xBFE8C0), Colour::Hex(0xE8F6DA), SceneKit::kHeight);
    // The forest roof of leaves, then tall trunks in front of it.
    for (double x = -40; x < SceneKit::kWidth + 60; x += 110) {
        canvas.Circle(x, 30 + (static_cast<int32_t>(x) % 220 == 70 ? 30 : 0), 90);
    }
    canvas.FillAndOutline(Colour::Hex(0x5DB85A), kInk, 3);
    for (const auto& [x, width] :
         {std::pair{20.0, 50.0}, {230.0, 40.0}, {470.0, 56.0}, {770.0, 46.0}}) {
        Trunk(canvas, x, width);
    }
    SceneKit::Ground(canvas, 400, Colour::Hex(0x8CC56A), Colour::Hex(0x5E9E48));
    cairo_t* context = canvas.Context();
    cairo_move_to(context, 400, 400);
    cairo_curve_to(context, 330, 460, 500, 520, 430, SceneKit::kHeight + 4);
    canvas.StrokePath(Colour::Hex(0xC9A36E), 50);
    for (const auto& [x, y] : {std::pair{130.0, 400.0}, {640.0, 410.0}, {330.0, 570.0}}) {
        SceneKit::Bush(canvas, x, y, 60, Palette::kDarkGrass);
    }
    for (const auto& [x, y] : {std::pair{80.0, 520.0}, {560.0, 560.0}, {800.0, 500.0}}) {
        DesignKit::Leaf(canvas, x, y, 22, -0.6, Palette::kOrange);
    }
}

}  // namespace

PageTheme Themes::Woods() {
    return {"The woods",
            Palette::kDarkGrass,
            Scene,
            {
                {"owl", AnimalDesign({kDarkBrown, kTan, Ears::Tufts, Snout::Beak, Mark::None})},
                {"fox", AnimalDesign({Colour::Hex(0xF26B2A), kWhite, Ears::Pointed, Snout::Muzzle,
                                      Mark::None})},
                {"mushroom", Mushroom},
                {"deer", AnimalDesign({kFurBrown, kTan, Ears::Antlers, Snout::Koala, Mark::None})},
                {"tree", Tree},
                {"hedgehog", AnimalDesign({kTan, kTan, Ears::None, Snout::Muzzle, Mark::Spikes})},
                {"acorn", Acorn},
            }};
}
