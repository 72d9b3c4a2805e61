// Page 21: music.

#include "content/themes/Themes.h"

#include <cairo.h>

#include <cmath>
#include <cstdint>
#include <utility>

#include "content/DesignKit.h"
#include "content/Furniture.h"
#include "content/SceneKit.h"

namespace {

using namespace DesignKit;

// A drum standing on the floor, its stick resting on the skin.
void Drum(Canvas& canvas) {
    Band(canvas, 60, 36, 88, 18, kTan, 4);
    canvas.Polygon({14, 52, 86, 52, 86, 94, 14, 94});
    Solid(canvas, Palette::kRed);
    for (double x = 14; x < 86; x += 18) Line(canvas, x, 54, x + 18, 92, Palette::kSun, 3);
    canvas.Ellipse(50, 52, 36, 12);
    Solid(canvas, kWhite);
}

// A trumpet lying on its side, bell to the right.
void Trumpet(Canvas& canvas) {
    canvas.Polygon({60, 72, 94, 46, 94, 98});
    Solid(canvas, Palette::kSun);
    canvas.RoundedBox(10, 64, 56, 16, 6);
    Solid(canvas, Palette::kSun);
    for (const double x : {30.0, 42.0, 54.0}) {
        canvas.RoundedBox(x - 3, 50, 6, 14, 2);
        Solid(canvas, Palette::kOrange);
    }
}

// An upright guitar, hung on the wall by its head.
void Guitar(Canvas& canvas) {
    Band(canvas, 50, 52, 50, 14, kDarkBrown, 9);
    canvas.RoundedBox(42, 2, 16, 18, 4);
    Solid(canvas, kDarkBrown);
    PairOf([&](double side) { Dot(canvas, 50 + side * 11, 8, 3, kLightGrey); });
    canvas.Circle(50, 74, 24);
    canvas.Circle(50, 46, 17);
    canvas.FillAndOutline(Palette::kOrange, kInk, kOutline);
    canvas.Circle(50, 74, 22);
    canvas.Circle(50, 46, 15);
    canvas.FillPath(Palette::kOrange);
    Dot(canvas, 50, 62, 7, kInk);
    canvas.RoundedBox(40, 80, 20, 6, 2);
    canvas.FillPath(kDarkBrown);
    Line(canvas, 50, 14, 50, 82, Palette::kCream, 1.5);
}

void Maracas(Canvas& canvas) {
    const Colour colour = Palette::kRed;
    PairOf([&](double s) {
        Band(canvas, 50 + s * 6, 94, 50 + s * 20, 56, kTan, 6);
        canvas.Ellipse(50 + s * 24, 34, 16, 22);
        Solid(canvas, colour);
        for (const double y : {26.0, 40.0}) Dot(canvas, 50 + s * 24, y, 3.5, Palette::kSun);
    });
}

void Xylophone(Canvas& canvas) {
    const Colour bars[] = {Palette::kRed,   Palette::kOrange, Palette::kSun,
                           Palette::kGreen, Palette::kBlue,   Palette::kPurple};
    for (int32_t bar = 0; bar < 6; ++bar) {
        const double x = 10 + bar * 14;
        const double inset = bar * 3;
        canvas.RoundedBox(x, 32 + inset, 11, 62 - 2 * inset, 3);
        Solid(canvas, bars[bar]);
    }
    Band(canvas, 68, 96, 88, 66, kTan, 4);
    canvas.Circle(88, 64, 7);
    Solid(canvas, Palette::kRed);
}

// A tambourine standing on its rim: jingles round its frame, ribbons below.
void Tambourine(Canvas& canvas) {
    // Standing on its rim, seen a little from above: a drum skin in a deep frame with
    // shiny jingles along its front, so it reads as an instrument, not a badge.
    canvas.Ellipse(50, 62, 46, 34);
    Solid(canvas, Palette::kRed);
    canvas.Ellipse(50, 54, 46, 34);
    Solid(canvas, Palette::kRed.Lighter(0.25));
    canvas.Ellipse(50, 54, 36, 25);
    Solid(canvas, Palette::kCream);
    for (int32_t jingle = 0; jingle < 5; ++jingle) {
        const double angle = kPi * (0.1 + jingle * 0.2);
        const double x = 50 + std::cos(angle) * 44;
        const double y = 60 + std::sin(angle) * 32;
        canvas.Ellipse(x, y, 8, 6);
        Solid(canvas, kLightGrey);
        Dot(canvas, x - 2, y - 2, 2, kWhite);
    }
    canvas.Star(50, 54, 12, 6, 5);
    canvas.FillPath(Palette::kSun);
}

constexpr double kStageFloor = 440;

// Red curtains tied back at both sides and a pelmet across the top.
void Curtains(Canvas& canvas) {
    for (const double side : {-1.0, 1.0}) {
        const double edge = side < 0 ? 0 : SceneKit::kWidth;
        const double inner = edge - side * 60;
        canvas.Polygon({edge, 0, inner - side * 20, 0, inner, 200, inner - side * 10, kStageFloor,
                        edge, kStageFloor});
        canvas.FillAndOutline(Palette::kRed.Lighter(0.2), kInk, 3);
        SceneKit::Box(canvas, inner - 18 - side * 4, 196, 28, 10, Palette::kSun);
    }
    canvas.Polygon({0, 0, SceneKit::kWidth, 0, SceneKit::kWidth, 44, 0, 44});
    canvas.FillAndOutline(Palette::kRed, kInk, 3);
    for (double x = 20; x < SceneKit::kWidth; x += 60) Dot(canvas, x, 44, 6, Palette::kSun);
}

// Soft notes floating up the back wall, and the spotlight's glow.
void WallNotes(Canvas& canvas) {
    canvas.Circle(430, 300, 240);
    cairo_set_source_rgba(canvas.Context(), 1, 0.97, 0.8, 0.35);
    cairo_fill(canvas.Context());
    for (const auto& [x, y] :
         {std::pair{160.0, 120.0}, {250.0, 80.0}, {600.0, 110.0}, {660.0, 170.0}, {230.0, 210.0}}) {
        canvas.Ellipse(x, y, 8, 6);
        canvas.FillPath(Colour::Hex(0xB8A4E0));
        Line(canvas, x + 7, y, x + 7, y - 28, Colour::Hex(0xB8A4E0), 3);
    }
}

// The stool for the maracas, the little table for the xylophone and the hook for the guitar.
void Furnishings(Canvas& canvas) {
    for (const double x : {336.0, 394.0}) SceneKit::Box(canvas, x, 350, 10, 112, Furniture::kWood);
    SceneKit::Box(canvas, 324, 342, 92, 14, Furniture::kWood);
    for (const double x : {452.0, 538.0}) SceneKit::Box(canvas, x, 392, 12, 90, Furniture::kWood);
    SceneKit::Box(canvas, 440, 384, 112, 14, Furniture::kWood.Darker(0.9));
    Furniture::Chair(canvas, 100, 369, 82);
    canvas.Circle(755, 236, 6);
    canvas.FillAndOutline(kLightGrey, kInk, 2);
}

// A music stand with its sheet beside the drum.
void MusicStand(Canvas& canvas) {
    Line(canvas, 226, 400, 226, 540, kInk, 3);
    for (const double x : {206.0, 246.0}) Line(canvas, 226, 520, x, 548, kInk, 3);
    canvas.Polygon({190, 366, 262, 366, 258, 414, 194, 414});
    canvas.FillAndOutline(kWhite, kInk, 2.5);
    for (const double y : {380.0, 392.0, 404.0}) Line(canvas, 198, y, 254, y, kLightGrey, 2);
}

// An upright piano against the back wall, a vase of flowers on its lid.
void Piano(Canvas& canvas) {
    const Colour wood = Colour::Hex(0xA97C5A);
    SceneKit::Box(canvas, 572, 300, 132, 150, wood);
    SceneKit::Box(canvas, 566, 292, 144, 14, wood.Darker(0.9));
    SceneKit::Box(canvas, 564, 372, 148, 22, kWhite);
    for (double x = 576; x < 706; x += 12) SceneKit::Box(canvas, x, 372, 6, 12, kInk.Lighter(0.2));
    SceneKit::Box(canvas, 596, 320, 84, 40, wood.Lighter(0.2));
    canvas.Polygon({620, 292, 640, 292, 636, 272, 624, 272});
    canvas.FillAndOutline(Palette::kSky.Lighter(0.3), kInk, 2);
    for (const double x : {620.0, 630.0, 640.0})
        SceneKit::Daisy(canvas, x, 264 - (x == 630 ? 8 : 0), Palette::kWhite);
}

// A concert poster on the wall.
void Poster(Canvas& canvas) {
    SceneKit::Box(canvas, 426, 110, 120, 150, kWhite);
    canvas.Text("CONCERT", 486, 136, 18, Palette::kPurple);
    canvas.Star(486, 190, 30, 14, 5);
    canvas.StrokePath(Palette::kSun.Darker(0.9), 3);
    canvas.Text("TODAY", 486, 240, 16, Palette::kRed.Lighter(0.2));
}

void Scene(Canvas& canvas) {
    SceneKit::Room(canvas, Colour::Hex(0xCDBDF0), Colour::Hex(0xD9A36A), kStageFloor);
    WallNotes(canvas);
    Poster(canvas);
    Piano(canvas);
    Curtains(canvas);
    MusicStand(canvas);
    Furnishings(canvas);
    Furniture::Rug(canvas, 640, 540, 130, 30, Colour::Hex(0xF4B6C8));
}

}  // namespace

PageTheme Themes::Music() {
    return {"Music",
            Palette::kPurple,
            Scene,
            {
                {"drum", Drum},
                {"guitar", Guitar},
                {"maracas", Maracas},
                {"trumpet", Trumpet},
                {"xylophone", Xylophone},
                {"tambourine", Tambourine},
            }};
}
