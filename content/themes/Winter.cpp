// Page 9: the snow.

#include "content/themes/Themes.h"

#include <cairo.h>

#include <cstdint>
#include <tuple>
#include <utility>

#include "content/AnimalParts.h"
#include "content/DesignKit.h"
#include "content/SceneKit.h"

namespace {

using namespace DesignKit;
using namespace AnimalParts;

// A snowman with a top hat, a carrot nose, a scarf and twig arms.
void Snowman(Canvas& canvas) {
    PairOf([&](double side) {
        Line(canvas, 50 + side * 20, 62, 50 + side * 44, 46, kDarkBrown, 4);
        Line(canvas, 50 + side * 38, 50, 50 + side * 44, 38, kDarkBrown, 3);
    });
    Blob(canvas, 50, 72, 26, 24, kWhite);
    Blob(canvas, 50, 36, 19, 18, kWhite);
    canvas.RoundedBox(32, 16, 36, 6, 2);
    Solid(canvas, kInk);
    canvas.RoundedBox(38, 0, 24, 18, 2);
    Solid(canvas, kInk);
    canvas.Polygon({50, 38, 68, 42, 50, 44});
    Solid(canvas, Palette::kOrange);
    Eyes(canvas, 50, 32, 14, 3);
    Band(canvas, 32, 54, 68, 54, Palette::kRed, 6);
    Band(canvas, 60, 56, 64, 70, Palette::kRed, 6);
    for (const double y : {66.0, 80.0}) Dot(canvas, 50, y, 3.5, kInk);
}

// A wooden sledge on red runners that curl up at the front, its rope trailing.
void Sledge(Canvas& canvas) {
    const Colour wood = Colour::Hex(0xC98B52);
    cairo_move_to(canvas.Context(), 90, 54);
    cairo_curve_to(canvas.Context(), 100, 50, 98, 30, 84, 26);
    canvas.StrokePath(kDarkBrown, 3);
    for (const double x : {28.0, 64.0}) Band(canvas, x, 86, x, 62, Palette::kRed, 4);
    CurvedBand(canvas, {8, 86, 60, 86, 96, 92, 92, 64}, Palette::kRed, 5);
    canvas.RoundedBox(6, 50, 86, 14, 5);
    Solid(canvas, wood);
    for (const double x : {28.0, 50.0, 72.0}) Line(canvas, x, 52, x, 62, wood.Darker(0.75), 3);
    canvas.RoundedBox(16, 36, 44, 16, 6);
    Solid(canvas, Palette::kBlue);
    for (const double x : {26.0, 38.0, 50.0}) Line(canvas, x, 38, x, 50, kWhite, 3);
}

// A polar bear on the ice: long neck, small ears, a long snout and a black nose.
void PolarBear(Canvas& canvas) {
    const Colour fur = Colour::Hex(0xF6F3E8);
    Legs(canvas, {14, 28, 50, 62}, 62, 96, 13, fur);
    Blob(canvas, 38, 58, 31, 20, fur);
    canvas.Polygon({58, 46, 76, 48, 80, 70, 60, 72});
    Solid(canvas, fur);
    Blob(canvas, 74, 46, 5.5, 5.5, fur);
    Blob(canvas, 80, 58, 16, 14, fur);
    Blob(canvas, 93, 64, 8, 6.5, fur);
    Dot(canvas, 98, 61, 3.4, kInk);
    Eye(canvas, 83, 53, 3.2);
    Line(canvas, 86, 70, 94, 70, kInk, 2);
    for (const double x : {14.0, 28.0, 50.0, 62.0}) Line(canvas, x - 3, 93, x + 3, 93, kGrey, 2);
}

// A penguin standing tall: black back, white front, flippers out, orange feet.
void Penguin(Canvas& canvas) {
    const Colour back = Colour::Hex(0x3A3F58);
    PairOf([&](double side) {
        Blob(canvas, 50 + side * 12, 94, 10, 4, Palette::kOrange);
        TiltedBlob(canvas, 50 + side * 26, 60, 6, 20, side * -0.5, back);
    });
    Blob(canvas, 50, 56, 25, 38, back);
    Blob(canvas, 50, 64, 17, 27, kWhite);
    PairOf([&](double side) { Blob(canvas, 50 + side * 7, 32, 6.5, 7, kWhite); });
    Eyes(canvas, 50, 32, 14, 2.8);
    canvas.Polygon({44, 40, 56, 40, 50, 50});
    Solid(canvas, Palette::kOrange);
}

// A grey seal lying on the ice, head up and whiskers out.
void Seal(Canvas& canvas) {
    const Colour skin = Colour::Hex(0xA7B4C8);
    canvas.Polygon({16, 80, 2, 68, 4, 94});
    Solid(canvas, skin);
    CurvedBand(canvas, {14, 82, 44, 94, 72, 92, 76, 52}, skin, 28);
    Blob(canvas, 78, 42, 15, 13, skin);
    Blob(canvas, 89, 48, 8, 6, Colour::Hex(0xD3DBE8));
    Dot(canvas, 95, 45, 3, kInk);
    for (const double dy : {-3.0, 3.0}) Line(canvas, 88, 50, 98, 50 + dy * 2, kInk, 1.5);
    TiltedBlob(canvas, 60, 86, 11, 5, 0.4, skin.Darker(0.85));
    for (const auto& [x, y] : {std::pair{36.0, 84.0}, {50.0, 80.0}, {44.0, 90.0}}) {
        Dot(canvas, x, y, 2.2, skin.Darker(0.8));
    }
    Eye(canvas, 80, 38, 3.5);
}

// The scene's colours: soft so that the stickers stand out on them.
constexpr Colour kSoftInk = Colour::Hex(0x7284A8);
constexpr Colour kSnow = Colour::Hex(0xF2F7FD);
constexpr Colour kIce = Colour::Hex(0xE2EEFA);
constexpr Colour kWater = Colour::Hex(0x9CC8EC);

void SoftShape(Canvas& canvas, Colour colour) {
    canvas.FillAndOutline(colour, kSoftInk, 2.5);
}

void Pine(Canvas& canvas, double x, double groundY, double height) {
    canvas.RoundedBox(x - 6, groundY - 20, 12, 20, 3);
    SoftShape(canvas, Colour::Hex(0xC9A07A));
    for (int32_t tier = 0; tier < 3; ++tier) {
        const double top = groundY - height + tier * height * 0.25;
        const double half = height * (0.2 + tier * 0.1);
        canvas.Polygon({x, top, x + half, top + height * 0.4, x - half, top + height * 0.4});
        SoftShape(canvas, Colour::Hex(0x8CC3A0));
        canvas.Polygon(
            {x, top, x + half * 0.4, top + height * 0.16, x - half * 0.4, top + height * 0.16});
        canvas.FillPath(kSnow);
    }
}

// Far mountains with snowy tops, and a little house with smoke from its chimney.
void Distance(Canvas& canvas) {
    for (const auto& [x, peak, half] :
         {std::tuple{180.0, 90.0, 200.0}, {480.0, 60.0, 220.0}, {760.0, 110.0, 180.0}}) {
        canvas.Polygon({x - half, 300, x, peak, x + half, 300});
        SoftShape(canvas, Colour::Hex(0xC4D6EE));
        canvas.Polygon({x - half * 0.3, peak + (300 - peak) * 0.3, x, peak, x + half * 0.3,
                        peak + (300 - peak) * 0.3});
        canvas.FillPath(kSnow);
    }
    canvas.RoundedBox(396, 246, 50, 40, 3);
    SoftShape(canvas, Colour::Hex(0xE8B8A0));
    canvas.Polygon({388, 250, 421, 222, 454, 250});
    SoftShape(canvas, kSnow);
    canvas.RoundedBox(414, 262, 14, 14, 2);
    SoftShape(canvas, Colour::Hex(0xFFE9A0));
    for (const auto& [x, y, r] : {std::tuple{440.0, 206.0, 6.0}, {446.0, 190.0, 8.0}}) {
        canvas.Circle(x, y, r);
        SoftShape(canvas, kWhite);
    }
}

// The snowman's hill on the left, the snowfield, then the frozen sea with its floes.
void SnowAndIce(Canvas& canvas) {
    canvas.Polygon({-10, 300, 844, 296, 844, 600, -10, 600});
    SoftShape(canvas, kSnow);
    canvas.Ellipse(150, 330, 170, 42);
    SoftShape(canvas, kSnow);
    canvas.Polygon({480, 312, 844, 306, 844, 430, 470, 420});
    SoftShape(canvas, kWater);
    for (const auto& [x, y, width] : {std::tuple{540.0, 315.0, 100.0}, {640.0, 407.0, 104.0}}) {
        canvas.Polygon({x, y, x + width, y - 2, x + width + 10, y + 14, x - 8, y + 16});
        SoftShape(canvas, kIce);
    }
    for (const auto& [x, y] : {std::pair{780.0, 350.0}, {520.0, 380.0}, {700.0, 330.0}}) {
        Line(canvas, x - 14, y, x + 14, y, kWhite, 3);
    }
    // The snowfield's near edge, where the penguin stands.
    canvas.Polygon({-10, 430, 470, 420, 500, 460, 844, 430, 844, 600, -10, 600});
    SoftShape(canvas, kSnow);
}

// Things to find: a sledge track, footprints, a robin on the fence, falling snow.
void Details(Canvas& canvas) {
    cairo_move_to(canvas.Context(), 190, 292);
    cairo_curve_to(canvas.Context(), 240, 320, 230, 350, 262, 344);
    canvas.DashedStroke(Colour::Hex(0xC4D6EE), 3, 8);
    for (int32_t step = 0; step < 6; ++step) {
        Dot(canvas, 180 + step * 44, 520 + (step % 2) * 14, 5, Colour::Hex(0xD4E2F4));
    }
    for (double x = 560; x < 844; x += 50) {
        canvas.RoundedBox(x, 470, 10, 50, 3);
        SoftShape(canvas, Colour::Hex(0xD9B890));
    }
    canvas.RoundedBox(552, 482, 300, 8, 3);
    SoftShape(canvas, Colour::Hex(0xD9B890));
    Dot(canvas, 664, 472, 8, Colour::Hex(0x8C7B78));
    Dot(canvas, 670, 476, 5, Colour::Hex(0xF0A090));
    uint32_t seed = 3;
    for (int32_t flake = 0; flake < 60; ++flake) {
        seed = seed * 1103515245u + 12345u;
        const double x = (seed >> 8) % static_cast<uint32_t>(kPageWidth);
        seed = seed * 1103515245u + 12345u;
        const double y = (seed >> 8) % 560;
        canvas.Circle(x, y, 2 + flake % 3);
        canvas.FillAndOutline(kWhite, kSoftInk.Lighter(0.4), 1);
    }
}

void Scene(Canvas& canvas) {
    SceneKit::Sky(canvas, Colour::Hex(0xB9D6F0), Colour::Hex(0xE4EFFA), SceneKit::kHeight);
    Distance(canvas);
    SnowAndIce(canvas);
    for (const auto& [x, y, height] : {std::tuple{40.0, 320.0, 120.0},
                                       {330.0, 330.0, 100.0},
                                       {240.0, 560.0, 110.0},
                                       {800.0, 580.0, 120.0}}) {
        Pine(canvas, x, y, height);
    }
    Details(canvas);
}

}  // namespace

PageTheme Themes::Winter() {
    return {"The snow",
            Palette::kPaleSky,
            Scene,
            {
                {"snowman", Snowman},
                {"sledge", Sledge},
                {"polar bear", PolarBear},
                {"penguin", Penguin},
                {"seal", Seal},
            }};
}
