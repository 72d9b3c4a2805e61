// Page 7: outer space.

#include "content/themes/Themes.h"

#include <cairo.h>

#include <cstdint>
#include <functional>
#include <tuple>
#include <utility>

#include "content/DesignKit.h"
#include "content/SceneKit.h"

namespace {

using namespace DesignKit;

// Draws a part turned by `angle` about its own origin, placed at (x, y) in the box.
void Turned(Canvas& canvas, double x, double y, double angle, const std::function<void()>& draw) {
    cairo_t* context = canvas.Context();
    cairo_save(context);
    cairo_translate(context, x, y);
    cairo_rotate(context, angle);
    draw();
    cairo_restore(context);
}

// A rocket standing upright on its three fins, ready for take-off.
void Rocket(Canvas& canvas) {
    canvas.Polygon({34, 56, 14, 90, 14, 98, 38, 88});
    canvas.Polygon({66, 56, 86, 90, 86, 98, 62, 88});
    Solid(canvas, Palette::kRed);
    cairo_t* context = canvas.Context();
    cairo_new_path(context);
    cairo_move_to(context, 50, 2);
    cairo_curve_to(context, 76, 22, 70, 70, 64, 90);
    cairo_line_to(context, 36, 90);
    cairo_curve_to(context, 30, 70, 24, 22, 50, 2);
    Solid(canvas, kWhite);
    canvas.Polygon({46, 60, 54, 60, 54, 98, 46, 98});
    Solid(canvas, Palette::kRed);
    cairo_new_path(context);
    cairo_move_to(context, 50, 2);
    cairo_curve_to(context, 58, 8, 63, 14, 65, 20);
    cairo_line_to(context, 35, 20);
    cairo_curve_to(context, 37, 14, 42, 8, 50, 2);
    Solid(canvas, Palette::kRed);
    canvas.Circle(50, 40, 10);
    Solid(canvas, Palette::kPaleSky);
}

// A ring around a planet goes behind it at the top and in front of it at the bottom:
// half an ellipse, drawn twice, once under the planet and once over it.
void RingHalf(Canvas& canvas, double from, double to) {
    cairo_t* context = canvas.Context();
    for (const auto& [colour, width] : {std::pair{kInk, 14.0}, {Palette::kSun, 6.0}}) {
        // The path is traced squashed but stroked with an even pen.
        Turned(canvas, 50, 52, -0.35, [&] {
            cairo_scale(context, 1.0, 0.3);
            cairo_new_path(context);
            cairo_arc(context, 0, 0, 44, from, to);
        });
        canvas.StrokePath(colour, width);
    }
}

// A banded planet with a wide tilted ring around it.
void RingedPlanet(Canvas& canvas) {
    RingHalf(canvas, kPi, 2 * kPi);
    canvas.Circle(50, 52, 28);
    Solid(canvas, Palette::kOrange);
    cairo_t* context = canvas.Context();
    cairo_save(context);
    canvas.Circle(50, 52, 26);
    cairo_clip(context);
    for (const double y : {36.0, 58.0}) {
        cairo_rectangle(context, 20, y, 60, 7);
    }
    canvas.FillPath(Palette::kSun);
    cairo_restore(context);
    RingHalf(canvas, 0, kPi);
}

// A satellite flying at a tilt: a gold body, two long blue solar panels and a dish.
void Satellite(Canvas& canvas) {
    cairo_t* context = canvas.Context();
    Turned(canvas, 50, 50, -0.5, [&] {
        Band(canvas, -46, 0, 46, 0, kGrey, 3);
        for (const double side : {-1.0, 1.0}) {
            canvas.RoundedBox(side < 0 ? -52 : 16, -14, 36, 28, 2);
            Solid(canvas, Palette::kBlue);
            for (const double x : {side < 0 ? -40.0 : 28.0, side < 0 ? -28.0 : 40.0}) {
                Line(canvas, x, -12, x, 12, Palette::kPaleSky, 2);
            }
        }
        canvas.RoundedBox(-13, -16, 26, 32, 4);
        Solid(canvas, Palette::kSun);
        Band(canvas, 0, -16, 0, -26, kInk, 2);
        cairo_new_path(context);
        cairo_arc(context, 0, -28, 13, kPi, 2 * kPi);
        cairo_close_path(context);
        Solid(canvas, kWhite);
    });
}

// A flying saucer: a glass dome with a little pilot, a wide rim of lights.
void FlyingSaucer(Canvas& canvas) {
    canvas.Polygon({30, 64, 22, 86, 78, 86, 70, 64});
    canvas.FillPath(Palette::kSun.Lighter(0.6));
    canvas.Ellipse(50, 40, 20, 22);
    Solid(canvas, Palette::kPaleSky);
    canvas.Circle(50, 42, 10);
    Solid(canvas, Palette::kGreen);
    Eyes(canvas, 50, 40, 8, 2.5);
    canvas.Ellipse(50, 60, 46, 14);
    Solid(canvas, Palette::kPurple);
    for (const double x : {20.0, 36.0, 50.0, 64.0, 80.0}) Dot(canvas, x, 61, 4, Palette::kSun);
}

// Our blue and green home, with the little moon that goes round it.
void Earth(Canvas& canvas) {
    canvas.Circle(44, 56, 38);
    Solid(canvas, Palette::kBlue);
    canvas.Polygon({20, 36, 40, 26, 46, 44, 32, 62, 18, 52});
    canvas.Polygon({52, 62, 72, 54, 76, 70, 56, 86});
    canvas.FillPath(Palette::kGreen);
    canvas.Polygon({50, 28, 64, 24, 70, 34});
    canvas.FillPath(kWhite);
    canvas.Circle(44, 56, 38);
    canvas.StrokePath(kInk, kOutline);
    canvas.Circle(88, 12, 9);
    Solid(canvas, kLightGrey);
}

// A comet: an icy head and a long, streaming tail of fire.
void Comet(Canvas& canvas) {
    cairo_t* context = canvas.Context();
    // A tail as wide as the head where it leaves it, bulging and then thinning to a point.
    const auto tail = [&](double width, double tipX, double tipY) {
        const double side = width * 0.707;
        cairo_new_path(context);
        cairo_move_to(context, 72 + side, 72 - side);
        cairo_curve_to(context, 70 + side, 30, 40, 14, tipX, tipY);
        cairo_curve_to(context, 14, 40, 30, 70 + side, 72 - side, 72 + side);
        cairo_close_path(context);
    };
    tail(24, 2, 2);
    Solid(canvas, Palette::kOrange);
    tail(13, 16, 16);
    Solid(canvas, Palette::kSun);
    canvas.Circle(72, 72, 22);
    Solid(canvas, Palette::kPaleSky);
    Face(canvas, 72, 72, 28);
}

// A smiling crescent moon.
void Moon(Canvas& canvas) {
    cairo_t* context = canvas.Context();
    cairo_new_path(context);
    cairo_arc(context, 50, 50, 44, 0.35 * kPi, 1.65 * kPi);
    cairo_arc_negative(context, 68, 42, 32, 1.45 * kPi, 0.6 * kPi);
    cairo_close_path(context);
    Solid(canvas, Palette::kSun.Lighter(0.3));
    Dot(canvas, 18, 62, 4, Palette::kOrange.Lighter(0.4));
    Eyes(canvas, 26, 44, 0, 4);
    Grin(canvas, 28, 66, 6);
}

// A little green alien with antennae, three eyes and its arms up in a wave.
void Alien(Canvas& canvas) {
    for (const double side : {-1.0, 1.0}) {
        Band(canvas, 50 + side * 8, 22, 50 + side * 18, 6, Palette::kGreen, 3);
        Dot(canvas, 50 + side * 18, 6, 5, Palette::kPink);
        Band(canvas, 50 + side * 20, 58, 50 + side * 38, 40, Palette::kGreen, 6);
        canvas.RoundedBox(50 + side * 12 - 8, 80, 16, 16, 6);
        Solid(canvas, Palette::kGreen);
    }
    canvas.RoundedBox(28, 50, 44, 38, 16);
    Solid(canvas, Palette::kGreen);
    canvas.Ellipse(50, 38, 26, 22);
    Solid(canvas, Palette::kGreen);
    for (const double x : {38.0, 50.0, 62.0}) {
        canvas.Circle(x, 34, 6);
        Solid(canvas, kWhite);
        Dot(canvas, x, 35, 3, kInk);
    }
    Grin(canvas, 50, 50, 7);
    Dot(canvas, 50, 70, 5, Palette::kSun);
}

// A whole astronaut standing in a space suit: a round helmet with a gold visor, a
// backpack, thick gloves and boots.
void Astronaut(Canvas& canvas) {
    canvas.RoundedBox(18, 32, 64, 42, 10);
    Solid(canvas, kGrey);
    for (const double side : {-1.0, 1.0}) {
        Band(canvas, 50 + side * 22, 48, 50 + side * 38, 66, kWhite, 10);
        canvas.Circle(50 + side * 38, 68, 6);
        Solid(canvas, Palette::kOrange);
        canvas.RoundedBox(50 + side * 12 - 10, 74, 20, 22, 6);
        Solid(canvas, kWhite);
        canvas.RoundedBox(50 + side * 12 - 11, 88, 22, 10, 4);
        Solid(canvas, kGrey);
    }
    canvas.RoundedBox(28, 40, 44, 42, 12);
    Solid(canvas, kWhite);
    canvas.RoundedBox(40, 54, 20, 14, 3);
    Solid(canvas, Palette::kBlue);
    Dot(canvas, 46, 61, 2.5, Palette::kRed);
    Dot(canvas, 54, 61, 2.5, Palette::kSun);
    canvas.Circle(50, 24, 22);
    Solid(canvas, kWhite);
    canvas.RoundedBox(34, 12, 32, 22, 10);
    Solid(canvas, Palette::kSun);
    canvas.Ellipse(42, 19, 6, 3);
    canvas.FillPath(kWhite);
}

// Three legs spread from (50, top) to the ground at the bottom of the box.
void Tripod(Canvas& canvas, double top, double spread, Colour colour) {
    for (const double side : {-1.0, 0.0, 1.0})
        Band(canvas, 50, top, 50 + side * spread, 96, colour, 4);
}

// A radar dish on a tripod, its feed pointing up at the sky.
void SatelliteDish(Canvas& canvas) {
    Tripod(canvas, 62, 22, kGrey);
    cairo_t* context = canvas.Context();
    Turned(canvas, 50, 46, -0.5, [&] {
        cairo_new_path(context);
        cairo_arc(context, 0, -6, 44, 0.1 * kPi, 0.9 * kPi);
        cairo_close_path(context);
        Solid(canvas, kWhite);
        Band(canvas, 0, 18, 0, -20, kInk, 2);
        Dot(canvas, 0, -22, 6, Palette::kRed);
    });
}

// A moon buggy: an open frame on six big wheels, a seat and an antenna.
void MoonBuggy(Canvas& canvas) {
    Band(canvas, 74, 52, 84, 14, kGrey, 2);
    Dot(canvas, 84, 12, 6, Palette::kRed);
    canvas.Polygon({10, 60, 90, 60, 96, 74, 4, 74});
    Solid(canvas, Palette::kSun);
    canvas.RoundedBox(26, 40, 14, 22, 4);
    Solid(canvas, Palette::kBlue);
    canvas.RoundedBox(44, 50, 30, 10, 3);
    Solid(canvas, kGrey);
    Wheels(canvas, {18, 50, 82}, 82, 14);
}

// A lander on four splayed legs: a gold-wrapped body and a cabin with a round window.
void Lander(Canvas& canvas) {
    for (const double side : {-1.0, 1.0}) {
        Band(canvas, 50 + side * 20, 58, 50 + side * 40, 88, kGrey, 4);
        canvas.RoundedBox(50 + side * 40 - 9, 86, 18, 8, 3);
        Solid(canvas, kGrey);
    }
    canvas.Polygon({30, 52, 70, 52, 76, 74, 24, 74});
    Solid(canvas, kGrey);
    canvas.Polygon({20, 44, 80, 44, 84, 62, 16, 62});
    Solid(canvas, Palette::kSun);
    canvas.Polygon({30, 14, 70, 14, 78, 44, 22, 44});
    Solid(canvas, kLightGrey);
    canvas.Circle(50, 30, 9);
    Solid(canvas, Palette::kPaleSky);
    Band(canvas, 64, 14, 72, 2, kInk, 2);
}

// A telescope on a tripod, tilted up to look at the stars.
void Telescope(Canvas& canvas) {
    Tripod(canvas, 58, 26, kDarkBrown);
    Turned(canvas, 50, 50, -0.6, [&] {
        canvas.RoundedBox(-42, -10, 30, 20, 4);
        Solid(canvas, Palette::kRed);
        canvas.RoundedBox(-14, -13, 48, 26, 4);
        Solid(canvas, Palette::kRed);
        canvas.RoundedBox(30, -16, 14, 32, 4);
        Solid(canvas, Palette::kSun);
    });
}

// A space station: modules in a row along a truss, and four big wings of solar panels.
void SpaceStation(Canvas& canvas) {
    Band(canvas, 4, 50, 96, 50, kGrey, 3);
    for (const double x : {6.0, 76.0}) {
        for (const double y : {14.0, 58.0}) {
            canvas.RoundedBox(x, y, 18, 28, 2);
            Solid(canvas, Palette::kBlue);
            Line(canvas, x + 9, y + 2, x + 9, y + 26, Palette::kPaleSky, 2);
        }
        Band(canvas, x + 9, 42, x + 9, 58, kGrey, 2);
    }
    canvas.RoundedBox(30, 40, 40, 20, 8);
    Solid(canvas, kWhite);
    canvas.RoundedBox(42, 28, 16, 44, 6);
    Solid(canvas, kLightGrey);
    Dot(canvas, 50, 50, 4, Palette::kSun);
}

// A tiny four-pointed twinkle: the far stars of the night.
void Twinkle(Canvas& canvas, double x, double y, double size) {
    canvas.Polygon({x, y - size, x + size * 0.25, y - size * 0.25, x + size, y, x + size * 0.25,
                    y + size * 0.25, x, y + size, x - size * 0.25, y + size * 0.25, x - size, y,
                    x - size * 0.25, y - size * 0.25});
    canvas.FillPath(Palette::kSun.Lighter(0.5));
}

// The soft outline of the rocky ground, so that it stays behind the stickers.
constexpr Colour kRockLine = Colour::Hex(0x4A3A6A);

// A far-off range of hills along the horizon, dark against the sky.
void FarHills(Canvas& canvas) {
    canvas.Polygon({-10, 598, -10, 470, 60,  440, 130, 462, 210, 430, 300, 470, 420,
                    448, 520, 466, 620, 432, 720, 462, 800, 440, 854, 456, 854, 598});
    canvas.FillPath(Colour::Hex(0x463A78));
}

// The rocky ground of the little planet: a high flat ridge in the middle for the rocket,
// the alien, the astronaut and the dish, lower ground either side, and a near lip of
// rock in front for the lander and the telescope.
void Ground(Canvas& canvas) {
    canvas.Polygon({-10, 540, 120, 530, 200, 536, 240, 520, 252, 502, 350, 502,
                    385, 493, 488, 493, 493, 511, 578, 511, 581, 500, 676, 500,
                    690, 520, 705, 534, 854, 534, 854, 598, -10, 598});
    canvas.FillAndOutline(Colour::Hex(0x9A78B4), kRockLine, 3);
    canvas.Polygon({380, 598, 392, 577, 440, 575, 500, 575, 560, 581, 650, 583, 700, 598});
    canvas.FillAndOutline(Colour::Hex(0xB497C8), kRockLine, 3);
    for (const auto& [x, y, r] : {std::tuple{60.0, 566.0, 22.0},
                                  {170.0, 560.0, 14.0},
                                  {300.0, 540.0, 18.0},
                                  {760.0, 566.0, 20.0},
                                  {520.0, 540.0, 12.0}}) {
        canvas.Ellipse(x, y, r, r * 0.35);
        canvas.FillAndOutline(Colour::Hex(0x7E5E9A), kRockLine, 2);
    }
}

// The launch pad under the rocket and its tower of girders beside it.
void LaunchPad(Canvas& canvas) {
    canvas.RoundedBox(254, 498, 94, 10, 3);
    canvas.FillAndOutline(Colour::Hex(0xB8BCC8), kRockLine, 2.5);
    cairo_t* context = canvas.Context();
    cairo_rectangle(context, 352, 420, 16, 80);
    for (double y = 420; y < 500; y += 16) {
        cairo_move_to(context, 352, y);
        cairo_line_to(context, 368, y + 16);
    }
    canvas.StrokePath(Colour::Hex(0xC9B8E0), 2.5);
}

// A tiny flag planted at the edge of the ridge, and a streak of a falling star.
void SmallThings(Canvas& canvas) {
    DesignKit::Line(canvas, 684, 512, 684, 482, Colour::Hex(0xE0D6F0), 2);
    canvas.Polygon({684, 482, 700, 487, 684, 492});
    canvas.FillPath(Palette::kRed.Lighter(0.4));
    DesignKit::Line(canvas, 560, 40, 630, 84, Palette::kWhite.Lighter(0.2), 2);
    DesignKit::Dot(canvas, 630, 84, 3, Palette::kWhite);
}

void Scene(Canvas& canvas) {
    SceneKit::Sky(canvas, Colour::Hex(0x1B1F4B), Colour::Hex(0x3A2E7A), SceneKit::kHeight);
    // A soft glow of a far-away cloud of stars.
    for (const auto& [x, y, r] : {std::tuple{200.0, 300.0, 160.0}, {640.0, 150.0, 190.0}}) {
        canvas.Circle(x, y, r);
        cairo_set_source_rgba(canvas.Context(), 0.7, 0.5, 1.0, 0.12);
        cairo_fill(canvas.Context());
    }
    uint32_t seed = 7;
    for (int32_t dot = 0; dot < 140; ++dot) {
        seed = seed * 1103515245u + 12345u;
        const double x = (seed >> 8) % static_cast<uint32_t>(kPageWidth);
        seed = seed * 1103515245u + 12345u;
        const double y = (seed >> 8) % static_cast<uint32_t>(kPageHeight);
        DesignKit::Dot(canvas, x, y, 1.2 + dot % 3 * 0.6, Palette::kWhite);
    }
    for (const auto& [x, y] : {std::pair{120.0, 60.0},
                               {460.0, 40.0},
                               {300.0, 330.0},
                               {780.0, 300.0},
                               {600.0, 340.0},
                               {250.0, 160.0}}) {
        Twinkle(canvas, x, y, 12);
    }
    FarHills(canvas);
    Ground(canvas);
    LaunchPad(canvas);
    SmallThings(canvas);
}

}  // namespace

PageTheme Themes::Space() {
    return {"Outer space",
            Palette::kNight,
            Scene,
            {
                {"ringed planet", RingedPlanet},
                {"satellite", Satellite},
                {"flying saucer", FlyingSaucer},
                {"earth", Earth},
                {"comet", Comet},
                {"rocket", Rocket},
                {"moon", Moon},
                {"moon buggy", MoonBuggy},
                {"alien", Alien},
                {"telescope", Telescope},
                {"satellite dish", SatelliteDish},
                {"lander", Lander},
                {"astronaut", Astronaut},
                {"space station", SpaceStation},
            }};
}
