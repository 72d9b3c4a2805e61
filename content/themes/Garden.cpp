// Page 6: the flower garden.

#include "content/themes/Themes.h"

#include <cairo.h>

#include <cmath>
#include <cstdint>
#include <utility>

#include "content/DesignKit.h"
#include "content/SceneKit.h"

namespace {

using namespace DesignKit;

void Flower(Canvas& canvas, Colour petals, int32_t count, bool pointed) {
    Band(canvas, 50, 56, 50, 96, Palette::kGreen, 5);
    Leaf(canvas, 50, 84, 22, -0.6, Palette::kGreen);
    for (int32_t petal = 0; petal < count; ++petal) {
        const double angle = petal * 2 * kPi / count;
        if (pointed) {
            Leaf(canvas, 50, 40, 34, angle, petals);
        } else {
            canvas.Circle(50 + std::cos(angle) * 20, 40 + std::sin(angle) * 20, 13);
            Solid(canvas, petals);
        }
    }
    canvas.Circle(50, 40, 13);
    Solid(canvas, Palette::kSun);
    Face(canvas, 50, 41, 22);
}

void Tulip(Canvas& canvas, Colour colour) {
    Band(canvas, 50, 56, 50, 96, Palette::kGreen, 5);
    Leaf(canvas, 50, 90, 30, -1.0, Palette::kGreen);
    canvas.Polygon({26, 22, 38, 34, 50, 16, 62, 34, 74, 22, 72, 50, 50, 64, 28, 50});
    Solid(canvas, colour);
}

void WateringCan(Canvas& canvas) {
    Band(canvas, 70, 60, 94, 30, Palette::kBlue, 6);
    canvas.RoundedBox(20, 36, 52, 50, 8);
    Solid(canvas, Palette::kBlue);
    cairo_new_path(canvas.Context());
    cairo_arc(canvas.Context(), 32, 36, 16, kPi, 2 * kPi);
    canvas.StrokePath(kInk, 5);
    for (const double x : {92.0, 86.0, 96.0}) Dot(canvas, x, 20 + (x - 86), 2.5, Palette::kBlue);
}

void Leafy(Canvas& canvas, Colour colour) {
    Leaf(canvas, 14, 86, 100, -kPi / 4, colour);
    Line(canvas, 14, 86, 60, 40, colour.Darker(0.7), 3);
}

void Picket(Canvas& canvas, double y) {
    for (double x = -10; x < SceneKit::kWidth; x += 34) {
        canvas.Polygon({x, y, x + 11, y - 14, x + 22, y, x + 22, y + 70, x, y + 70});
        canvas.FillAndOutline(Palette::kWhite, kInk, 2.5);
    }
    SceneKit::Box(canvas, -10, y + 16, 864, 10, Palette::kWhite);
    SceneKit::Box(canvas, -10, y + 46, 864, 10, Palette::kWhite);
}

void Scene(Canvas& canvas) {
    SceneKit::Sky(canvas, Palette::kSky, Palette::kPaleSky, SceneKit::kHeight);
    SceneKit::Cloud(canvas, 420, 50, 38);
    Picket(canvas, 120);
    SceneKit::Ground(canvas, 200, Palette::kGrass, Palette::kDarkGrass);
    // Flower beds of dark soil and a stepping-stone path between them.
    canvas.RoundedBox(20, 330, 360, 240, 40);
    canvas.RoundedBox(470, 330, 360, 240, 40);
    canvas.FillAndOutline(Colour::Hex(0x9A6A45), kInk, 3);
    for (const auto& [x, y] :
         {std::pair{425.0, 560.0}, {420.0, 470.0}, {428.0, 380.0}, {420.0, 290.0}}) {
        canvas.Ellipse(x, y, 26, 16);
        canvas.FillAndOutline(kLightGrey, kInk, 2.5);
    }
    for (const auto& [x, y] :
         {std::pair{240.0, 240.0}, {560.0, 300.0}, {80.0, 230.0}, {760.0, 220.0}}) {
        SceneKit::Daisy(canvas, x, y, Palette::kWhite);
    }
}

}  // namespace

PageTheme Themes::Garden() {
    return {"The flower garden",
            Palette::kPink,
            Scene,
            {
                {"pink flower", With(Flower, Palette::kPink, int32_t{6}, false)},
                {"red flower", With(Flower, Palette::kRed, int32_t{5}, false)},
                {"daisy", With(Flower, kWhite, int32_t{10}, true)},
                {"sunflower", With(Flower, Palette::kSun.Darker(0.95), int32_t{12}, true)},
                {"red tulip", With(Tulip, Palette::kRed)},
                {"purple tulip", With(Tulip, Palette::kPurple)},
                {"watering can", WateringCan},
                {"green leafy", With(Leafy, Palette::kGreen)},
                {"yellow tulip", With(Tulip, Palette::kSun)},
                {"blue flower", With(Flower, Palette::kBlue, int32_t{5}, false)},
            }};
}
