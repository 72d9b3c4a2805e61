// Page 8: all the weather in one day. On the left a storm: rain pours from the
// raincloud and lightning strikes from the clouds behind it; in the middle a rainbow;
// on the right the sun shines, the wind flies the kite and fills the wind sock.

#include "content/themes/Themes.h"

#include <cairo.h>

#include <cmath>
#include <cstdint>
#include <initializer_list>
#include <tuple>
#include <utility>

#include "content/DesignKit.h"
#include "content/SceneKit.h"
#include "content/SoftScenery.h"
#include "content/StickerSpot.h"

namespace {

using namespace DesignKit;

// The stickers of the page by sticker index, for the scene to put their places under them.
constexpr int32_t kRaindrop = 33;
constexpr int32_t kKite = 121;
constexpr int32_t kWindSock = 169;

constexpr Colour kRainBlue = Colour::Hex(0x5BB8F5);

// A drop of water, pointed at the top, round at the bottom centred on (x, y).
void Drop(Canvas& canvas, double x, double y, double radius) {
    cairo_t* context = canvas.Context();
    cairo_new_sub_path(context);
    cairo_move_to(context, x, y - radius * 2.2);
    cairo_curve_to(context, x + radius * 0.5, y - radius * 1.4, x + radius, y - radius * 0.8,
                   x + radius, y);
    cairo_arc(context, x, y, radius, 0, kPi);
    cairo_curve_to(context, x - radius, y - radius * 0.8, x - radius * 0.5, y - radius * 1.4, x,
                   y - radius * 2.2);
    cairo_close_path(context);
}

using Puff = std::tuple<double, double, double>;

// Overlapping circles filled as one cloud with one bold outline round them all.
void Puffs(Canvas& canvas, std::initializer_list<Puff> puffs, Colour fill) {
    for (const auto& [x, y, r] : puffs) canvas.Circle(x, y, r);
    Solid(canvas, fill);
    for (const auto& [x, y, r] : puffs) canvas.Circle(x, y, r - 2);
    canvas.FillPath(fill);
}

// A grey cloud heavy with rain, the drops already falling from it.
void Raincloud(Canvas& canvas) {
    for (const auto& [x, y] : {std::pair{28.0, 80.0}, {52.0, 90.0}, {76.0, 80.0}}) {
        Drop(canvas, x, y, 7);
        Solid(canvas, kRainBlue);
    }
    Puffs(canvas, {{26, 46, 20}, {52, 34, 26}, {78, 48, 18}, {40, 56, 18}, {64, 58, 16}}, kGrey);
    Eyes(canvas, 52, 44, 22, 4);
    cairo_new_path(canvas.Context());
    cairo_arc(canvas.Context(), 52, 62, 7, 1.15 * kPi, 1.85 * kPi);
    canvas.StrokePath(kInk, 3.2);
}

void Lightning(Canvas& canvas) {
    canvas.Polygon({34, 2, 74, 2, 58, 34, 84, 34, 28, 98, 42, 54, 16, 54});
    Solid(canvas, Palette::kSun);
    Line(canvas, 40, 10, 32, 44, kWhite, 3);
}

// A raindrop with a happy face, landed with a splash in a puddle.
void Raindrop(Canvas& canvas) {
    canvas.Ellipse(50, 88, 44, 10);
    Solid(canvas, kRainBlue.Lighter(0.5));
    for (const auto& [x, y] : {std::pair{14.0, 54.0}, {86.0, 54.0}, {8.0, 72.0}, {92.0, 72.0}}) {
        Dot(canvas, x, y, 4.5, kInk);
        Dot(canvas, x, y, 2.5, kRainBlue);
    }
    Drop(canvas, 50, 62, 27);
    Solid(canvas, kRainBlue);
    Line(canvas, 34, 52, 32, 64, kWhite, 4);
    Face(canvas, 52, 66, 34);
    for (const double x : {38.0, 66.0}) Dot(canvas, x, 72, 4, Palette::kPink);
}

// A rainbow standing on two clouds.
void Rainbow(Canvas& canvas) {
    const Colour bands[] = {Palette::kRed,   Palette::kOrange, Palette::kSun,
                            Palette::kGreen, Palette::kBlue,   Palette::kPurple};
    cairo_t* context = canvas.Context();
    cairo_save(context);
    cairo_set_line_cap(context, CAIRO_LINE_CAP_BUTT);
    cairo_new_path(context);
    cairo_arc(context, 50, 76, 28, kPi, 2 * kPi);
    canvas.StrokePath(kInk, 42);
    for (size_t band = 0; band < std::size(bands); ++band) {
        cairo_new_path(context);
        cairo_arc(context, 50, 76, 43 - static_cast<double>(band) * 6, kPi, 2 * kPi);
        canvas.StrokePath(bands[band], 6.2);
    }
    cairo_restore(context);
    for (const double x : {22.0, 78.0}) {
        Puffs(canvas, {{x - 10, 82, 10}, {x + 2, 76, 13}, {x + 12, 86, 9}}, kWhite);
    }
}

// The sun in sunglasses, its rays long and short.
void Sun(Canvas& canvas) {
    for (int32_t ray = 0; ray < 12; ++ray) {
        const double angle = ray * kPi / 6;
        const double reach = ray % 2 == 0 ? 48 : 40;
        const double side = 0.16;
        canvas.Polygon({50 + std::cos(angle - side) * 26, 50 + std::sin(angle - side) * 26,
                        50 + std::cos(angle) * reach, 50 + std::sin(angle) * reach,
                        50 + std::cos(angle + side) * 26, 50 + std::sin(angle + side) * 26});
        Solid(canvas, Palette::kOrange);
    }
    canvas.Circle(50, 50, 30);
    Solid(canvas, Palette::kSun);
    PairOf([&canvas](double side) {
        canvas.RoundedBox(50 + side * 11 - 9, 38, 18, 13, 5);
        Solid(canvas, kInk);
        Dot(canvas, 50 + side * 11 - 4, 41, 2, kWhite);
    });
    Line(canvas, 44, 41, 56, 41, kInk, 3);
    Grin(canvas, 50, 64, 10);
    for (const double x : {32.0, 68.0}) Dot(canvas, x, 58, 4, Palette::kPink);
}

// The outline of an umbrella's canopy: a dome over a scalloped hem, round (0, 0).
void Canopy(cairo_t* context) {
    cairo_new_path(context);
    cairo_arc(context, 0, 0, 44, kPi, 2 * kPi);
    for (double x = 33; x > -44; x -= 22) cairo_arc_negative(context, x, 0, 11, 0, kPi);
    cairo_close_path(context);
}

// An open umbrella put down to dry, leaning over on its handle.
void Umbrella(Canvas& canvas) {
    cairo_t* context = canvas.Context();
    cairo_save(context);
    cairo_translate(context, 54, 50);
    cairo_rotate(context, -0.35);
    Band(canvas, 0, 0, 0, 40, kDarkBrown, 3);
    for (const auto& [colour, width] : {std::pair{kInk, 10.0}, {kDarkBrown, 4.0}}) {
        cairo_new_path(context);
        cairo_arc(context, 8, 40, 8, 0, kPi);
        canvas.StrokePath(colour, width);
    }
    Canopy(context);
    canvas.FillPath(Palette::kRed);
    cairo_save(context);
    Canopy(context);
    cairo_clip(context);
    canvas.Polygon({0, -44, -22, 0, 0, 0});
    canvas.FillPath(kWhite);
    canvas.Polygon({0, -44, 22, 0, 60, 0, 60, -60});
    canvas.FillPath(kWhite);
    cairo_restore(context);
    Canopy(context);
    canvas.StrokePath(kInk, kOutline);
    Dot(canvas, 0, -44, 4, kInk);
    cairo_restore(context);
}

// A diamond kite with bows on its tail, its string running down to whoever flies it.
void Kite(Canvas& canvas) {
    cairo_t* context = canvas.Context();
    cairo_move_to(context, 56, 38);
    cairo_line_to(context, 18, 100);
    canvas.StrokePath(kInk, 2.5);
    cairo_move_to(context, 56, 74);
    cairo_curve_to(context, 66, 88, 80, 76, 94, 94);
    canvas.StrokePath(kInk, 3);
    for (const auto& [x, y] : {std::pair{68.0, 83.0}, {84.0, 84.0}}) {
        canvas.Polygon({x - 7, y - 6, x + 7, y + 6, x + 7, y - 6, x - 7, y + 6});
        Solid(canvas, Palette::kSun);
    }
    const std::pair<double, double> corners[] = {{56, 2}, {92, 34}, {56, 76}, {20, 34}};
    const Colour colours[] = {Palette::kRed, Palette::kSun, Palette::kRed, Palette::kSun};
    for (size_t quarter = 0; quarter < 4; ++quarter) {
        const auto& [x1, y1] = corners[quarter];
        const auto& [x2, y2] = corners[(quarter + 1) % 4];
        canvas.Polygon({56, 38, x1, y1, x2, y2});
        Solid(canvas, colours[quarter]);
    }
    Face(canvas, 56, 36, 26);
}

// A striped wind sock blown straight out from the top of its pole.
void WindSock(Canvas& canvas) {
    Band(canvas, 10, 10, 10, 100, kLightGrey, 5);
    Dot(canvas, 10, 8, 7, kInk);
    Dot(canvas, 10, 8, 4, Palette::kRed);
    constexpr int32_t kStripes = 5;
    for (int32_t stripe = 0; stripe < kStripes; ++stripe) {
        const double left = 22 + stripe * 15.0;
        const double right = left + 15;
        const auto half = [](double x) { return 17 - (x - 22) * 0.11; };
        const auto middle = [](double x) { return 30 + (x - 22) * 0.08; };
        canvas.Polygon({left, middle(left) - half(left), right, middle(right) - half(right), right,
                        middle(right) + half(right), left, middle(left) + half(left)});
        Solid(canvas, stripe % 2 == 0 ? Palette::kRed : kWhite);
    }
    canvas.Ellipse(22, 30, 5, 17);
    Solid(canvas, kLightGrey);
    Line(canvas, 10, 14, 22, 16, kInk, 3);
    Line(canvas, 10, 14, 22, 44, kInk, 3);
}

// A sky that darkens from the sunny right to the stormy left.
void Sky(Canvas& canvas) {
    cairo_t* context = canvas.Context();
    cairo_pattern_t* gradient = cairo_pattern_create_linear(0, 0, SceneKit::kWidth, 0);
    const Colour storm = Colour::Hex(0x8D9BB5);
    const Colour clear = Colour::Hex(0x9AD6FA);
    cairo_pattern_add_color_stop_rgb(gradient, 0.2, storm.red, storm.green, storm.blue);
    cairo_pattern_add_color_stop_rgb(gradient, 0.65, clear.red, clear.green, clear.blue);
    cairo_rectangle(context, 0, 0, SceneKit::kWidth, SceneKit::kHeight);
    cairo_set_source(context, gradient);
    cairo_fill(context);
    cairo_pattern_destroy(gradient);
}

// The dark clouds over the storm: the lightning strikes from their lowest edge.
void StormClouds(Canvas& canvas) {
    SoftScenery::Puff(canvas,
                      {{10, 40, 80, 80},
                       {110, 10, 80, 80},
                       {210, 30, 66, 66},
                       {290, 0, 56, 56},
                       {62, 160, 56, 56},
                       {150, 110, 50, 50}},
                      Colour::Hex(0x8E9AB2));
}

// Slanting streaks of rain below the storm, blown to the right by the wind.
void Rain(Canvas& canvas) {
    cairo_t* context = canvas.Context();
    for (int32_t row = 0; row < 11; ++row) {
        const double y = 160 + row * 26.0;
        for (double x = (row % 2) * 11.0; x < 300 - row * 4.0; x += 22) {
            cairo_move_to(context, x, y);
            cairo_line_to(context, x + 5, y + 14);
        }
    }
    canvas.StrokePath(Colour::Hex(0xDCEBFA), 2.5);
}

// A puddle with rings where the drops land.
void Puddle(Canvas& canvas, double x, double y, double radius) {
    canvas.Ellipse(x, y, radius, radius * 0.2);
    SoftScenery::Soft(canvas, kRainBlue.Lighter(0.45));
    canvas.Ellipse(x - radius * 0.3, y, radius * 0.25, radius * 0.06);
    canvas.StrokePath(kWhite, 2);
    canvas.Ellipse(x + radius * 0.35, y + radius * 0.04, radius * 0.18, radius * 0.05);
    canvas.StrokePath(kWhite, 2);
}

// A curl of wind.
void Gust(Canvas& canvas, double x, double y) {
    cairo_t* context = canvas.Context();
    cairo_move_to(context, x, y);
    cairo_curve_to(context, x + 40, y - 8, x + 76, y + 8, x + 92, y - 10);
    cairo_curve_to(context, x + 104, y - 26, x + 82, y - 34, x + 76, y - 20);
    canvas.StrokePath(kWhite, 4);
}

// A far farmhouse on the sunny hill, its chimney smoke blown away by the wind.
void Farmhouse(Canvas& canvas, double x, double y) {
    canvas.RoundedBox(x, y - 30, 46, 30, 2);
    SoftScenery::Soft(canvas, Palette::kCream);
    canvas.Polygon({x - 6, y - 28, x + 23, y - 50, x + 52, y - 28});
    SoftScenery::Soft(canvas, Palette::kRed.Lighter(0.4));
    canvas.RoundedBox(x + 16, y - 18, 12, 18, 2);
    SoftScenery::Soft(canvas, Palette::kBrown.Lighter(0.4));
    canvas.RoundedBox(x + 32, y - 60, 8, 20, 1);
    SoftScenery::Soft(canvas, Palette::kRed.Lighter(0.4));
    cairo_t* context = canvas.Context();
    cairo_move_to(context, x + 36, y - 64);
    cairo_curve_to(context, x + 50, y - 80, x + 64, y - 62, x + 86, y - 74);
    canvas.StrokePath(kWhite.Darker(0.92), 6);
}

// The fence along the meadow: the umbrella leans in front of it.
void Fence(Canvas& canvas) {
    const Colour wood = Colour::Hex(0xE8C9A0);
    for (const double y : {404.0, 428.0}) {
        canvas.RoundedBox(430, y, 420, 8, 3);
        SoftScenery::Soft(canvas, wood);
    }
    for (double x = 440; x < SceneKit::kWidth; x += 52) {
        canvas.RoundedBox(x, 392, 12, 66, 3);
        SoftScenery::Soft(canvas, wood);
    }
}

void WindSockPole(Canvas& canvas) {
    const PagePoint foot = StickerSpot::OnPage(kWindSock, 10, 100);
    canvas.RoundedBox(foot.x - 4, foot.y - 2, 8, 470 - foot.y, 2);
    SoftScenery::Soft(canvas, kLightGrey);
}

// The kite's string runs on from the kite to someone below the page.
void KiteString(Canvas& canvas) {
    const PagePoint end = StickerSpot::OnPage(kKite, 18, 100);
    cairo_t* context = canvas.Context();
    cairo_move_to(context, end.x, end.y);
    cairo_curve_to(context, end.x - 16, end.y + 60, end.x - 30, end.y + 140, end.x - 40,
                   SceneKit::kHeight + 4);
    canvas.StrokePath(SoftScenery::kSoftInk, 2);
}

// A tree on the stormy hill, bent over by the wind.
void WindblownTree(Canvas& canvas, double x, double groundY) {
    cairo_t* context = canvas.Context();
    cairo_move_to(context, x, groundY);
    cairo_curve_to(context, x, groundY - 30, x + 6, groundY - 50, x + 20, groundY - 66);
    canvas.StrokePath(SoftScenery::kSoftInk, 11);
    cairo_move_to(context, x, groundY);
    cairo_curve_to(context, x, groundY - 30, x + 6, groundY - 50, x + 20, groundY - 66);
    canvas.StrokePath(Palette::kBrown.Lighter(0.45), 6);
    SoftScenery::Puff(canvas,
                      {{x + 10, groundY - 74, 20, 20},
                       {x + 34, groundY - 70, 18, 18},
                       {x + 22, groundY - 92, 16, 16}},
                      Colour::Hex(0x94C08E));
}

// Tufts of grass over the meadow.
void Grass(Canvas& canvas) {
    cairo_t* context = canvas.Context();
    for (const auto& [x, y] : {std::pair{40.0, 470.0},
                               {250.0, 480.0},
                               {90.0, 560.0},
                               {300.0, 575.0},
                               {430.0, 480.0},
                               {500.0, 470.0},
                               {590.0, 530.0},
                               {660.0, 480.0},
                               {750.0, 560.0},
                               {820.0, 480.0},
                               {200.0, 520.0}}) {
        for (const double lean : {-6.0, 0.0, 6.0}) {
            cairo_move_to(context, x + lean * 0.5, y);
            cairo_line_to(context, x + lean * 1.4, y - 12 + std::abs(lean) * 0.6);
        }
    }
    canvas.StrokePath(Palette::kDarkGrass, 2.5);
}

void Flowers(Canvas& canvas) {
    for (const auto& [x, y] : {std::pair{470.0, 520.0},
                               {540.0, 560.0},
                               {620.0, 500.0},
                               {700.0, 545.0},
                               {780.0, 510.0},
                               {810.0, 570.0}}) {
        SceneKit::Daisy(canvas, x, y, x > 600 ? kWhite : Palette::kPink.Lighter(0.4));
    }
}

void Scene(Canvas& canvas) {
    Sky(canvas);
    SceneKit::Cloud(canvas, 420, 70, 24);
    SceneKit::Cloud(canvas, 560, 70, 30);
    SceneKit::Cloud(canvas, 800, 120, 22);
    for (const auto& [x, y] : {std::pair{600.0, 150.0}, {630.0, 134.0}, {660.0, 160.0}}) {
        cairo_move_to(canvas.Context(), x - 8, y - 4);
        cairo_line_to(canvas.Context(), x, y);
        cairo_line_to(canvas.Context(), x + 8, y - 4);
        canvas.StrokePath(SoftScenery::kSoftInk, 2);
    }
    SceneKit::Hill(canvas, 150, 430, 280, 80, Colour::Hex(0x8FB98A));
    SceneKit::Hill(canvas, 660, 420, 320, 90, Palette::kGrass.Lighter(0.35));
    Farmhouse(canvas, 740, 350);
    WindblownTree(canvas, 236, 372);
    StormClouds(canvas);
    Rain(canvas);
    for (const auto& [x, y] : {std::pair{420.0, 180.0}, {560.0, 250.0}, {710.0, 300.0}}) {
        Gust(canvas, x, y);
    }
    SceneKit::Ground(canvas, 450, Palette::kGrass.Lighter(0.2), Palette::kDarkGrass.Lighter(0.2));
    Fence(canvas);
    WindSockPole(canvas);
    Puddle(canvas, 130, 500, 64);
    Puddle(canvas, 230, 556, 44);
    Puddle(canvas, 356, StickerSpot::OnPage(kRaindrop, 50, 88).y, 70);
    Grass(canvas);
    Flowers(canvas);
    KiteString(canvas);
}

}  // namespace

PageTheme Themes::Weather() {
    return {"All the weather",
            Palette::kSky,
            Scene,
            {
                {"raincloud", Raincloud},
                {"rainbow", Rainbow},
                {"raindrop", Raindrop},
                {"sun", Sun},
                {"umbrella", Umbrella},
                {"lightning", Lightning},
                {"kite", Kite},
                {"wind sock", WindSock},
            }};
}
