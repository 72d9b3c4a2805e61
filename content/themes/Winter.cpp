// Page 9: the snow.

#include "content/themes/Themes.h"

#include <cairo.h>

#include <cmath>
#include <cstdint>
#include <tuple>

#include "content/AnimalFaces.h"
#include "content/DesignKit.h"
#include "content/SceneKit.h"

namespace {

using namespace DesignKit;

void Snowman(Canvas& canvas) {
    canvas.Circle(50, 70, 26);
    Solid(canvas, kWhite);
    canvas.Circle(50, 32, 20);
    Solid(canvas, kWhite);
    canvas.RoundedBox(34, 4, 32, 12, 2);
    Solid(canvas, kInk);
    canvas.Polygon({50, 36, 66, 40, 50, 42});
    Solid(canvas, Palette::kOrange);
    Eyes(canvas, 50, 28, 14, 3);
    Band(canvas, 32, 50, 68, 50, Palette::kRed, 6);
    for (const double y : {62.0, 76.0}) Dot(canvas, 50, y, 3.5, kInk);
}

void Snowflake(Canvas& canvas) {
    for (int32_t arm = 0; arm < 6; ++arm) {
        const double angle = arm * kPi / 3;
        const double x = 50 + std::cos(angle) * 40;
        const double y = 50 + std::sin(angle) * 40;
        Band(canvas, 50, 50, x, y, Palette::kPaleSky, 5);
    }
    canvas.Circle(50, 50, 12);
    Solid(canvas, kWhite);
}

constexpr Colour kSnow = Colour::Hex(0xE6F2FF);

void Pine(Canvas& canvas, double x, double groundY, double height) {
    SceneKit::Box(canvas, x - 8, groundY - 24, 16, 24, Palette::kBrown);
    for (int32_t tier = 0; tier < 3; ++tier) {
        const double top = groundY - height + tier * height * 0.25;
        const double half = height * (0.2 + tier * 0.1);
        canvas.Polygon({x, top, x + half, top + height * 0.4, x - half, top + height * 0.4});
        canvas.FillAndOutline(Palette::kDarkGrass, kInk, 3);
        canvas.Polygon(
            {x, top, x + half * 0.4, top + height * 0.16, x - half * 0.4, top + height * 0.16});
        canvas.FillPath(kSnow);
    }
}

// A woolly hat with a bobble on top.
void BobbleHat(Canvas& canvas) {
    canvas.Circle(50, 16, 12);
    Solid(canvas, kWhite);
    cairo_new_path(canvas.Context());
    cairo_arc(canvas.Context(), 50, 70, 38, kPi, 2 * kPi);
    cairo_close_path(canvas.Context());
    Solid(canvas, Palette::kRed);
    for (const double x : {34.0, 50.0, 66.0})
        Line(canvas, x, 40, x, 66, Palette::kRed.Darker(0.8), 4);
    canvas.RoundedBox(8, 64, 84, 24, 10);
    Solid(canvas, kWhite);
}

void Scene(Canvas& canvas) {
    SceneKit::Sky(canvas, Colour::Hex(0xA9CCEB), Colour::Hex(0xDCEBF8), SceneKit::kHeight);
    SceneKit::Hill(canvas, 200, 300, 300, 110, Colour::Hex(0xCFE2F5));
    SceneKit::Hill(canvas, 700, 290, 260, 90, Colour::Hex(0xD8E8F8));
    SceneKit::Ground(canvas, 330, Colour::Hex(0xD5E6F7), Colour::Hex(0xB8D2EE));
    for (const auto& [x, y, h] : {std::tuple{430.0, 330.0, 150.0},
                                  {780.0, 420.0, 130.0},
                                  {40.0, 330.0, 110.0},
                                  {500.0, 575.0, 120.0}}) {
        Pine(canvas, x, y, h);
    }
    uint32_t seed = 3;
    for (int32_t flake = 0; flake < 70; ++flake) {
        seed = seed * 1103515245u + 12345u;
        const double x = (seed >> 8) % static_cast<uint32_t>(kPageWidth);
        seed = seed * 1103515245u + 12345u;
        const double y = (seed >> 8) % 300;
        canvas.Circle(x, y, 3 + flake % 3);
        canvas.FillAndOutline(Palette::kWhite, kInk.Lighter(0.6), 1);
    }
}

}  // namespace

PageTheme Themes::Winter() {
    return {
        "The snow",
        Palette::kPaleSky,
        Scene,
        {
            {"snowman", Snowman},
            {"snowflake", Snowflake},
            {"penguin",
             AnimalDesign({Colour::Hex(0x3A3F58), kWhite, Ears::None, Snout::Beak, Mark::Disc})},
            {"bobble hat", BobbleHat},
            {"seal", AnimalDesign({kLightGrey, kWhite, Ears::None, Snout::Whiskers, Mark::None})},
        }};
}
