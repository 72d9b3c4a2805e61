// Page 12: the beach.

#include "content/themes/Themes.h"

#include <cairo.h>

#include <cstdint>
#include <tuple>
#include <utility>

#include "content/DesignKit.h"
#include "content/Motifs.h"
#include "content/SceneKit.h"

namespace {

using namespace DesignKit;
using SceneKit::kHeight;
using SceneKit::kWidth;

constexpr Colour kSand = Colour::Hex(0xFBE3A1);
constexpr Colour kWetSand = Colour::Hex(0xF2C96E);

void Sandcastle(Canvas& canvas) {
    Line(canvas, 50, 4, 50, 26, kInk, 3);
    canvas.Polygon({50, 4, 66, 10, 50, 16});
    Solid(canvas, Palette::kRed);
    canvas.Polygon({14, 94, 14, 44, 30, 44, 30, 52, 40, 52, 40, 26,
                    60, 26, 60, 52, 70, 52, 70, 44, 86, 44, 86, 94});
    Solid(canvas, kTan);
    cairo_new_path(canvas.Context());
    cairo_arc(canvas.Context(), 50, 84, 10, kPi, 2 * kPi);
    cairo_line_to(canvas.Context(), 60, 94);
    cairo_line_to(canvas.Context(), 40, 94);
    cairo_close_path(canvas.Context());
    Solid(canvas, Palette::kBrown);
}

// A beach parasol: a striped dome on a long pole pushed into the sand.
void Parasol(Canvas& canvas) {
    cairo_t* context = canvas.Context();
    Band(canvas, 50, 30, 50, 96, kWhite, 4);
    auto canopy = [&] {
        cairo_new_path(context);
        cairo_move_to(context, 2, 46);
        cairo_curve_to(context, 6, 0, 94, 0, 98, 46);
        for (int32_t scallop = 0; scallop < 4; ++scallop) {
            const double fromX = 98 - scallop * 24;
            cairo_curve_to(context, fromX - 6, 36, fromX - 18, 36, fromX - 24, 46);
        }
        cairo_close_path(context);
    };
    canopy();
    Solid(canvas, Palette::kRed);
    cairo_save(context);
    canopy();
    cairo_clip(context);
    for (const double x : {26.0, 74.0}) {
        canvas.Polygon({50, 6, x - 12, 50, x + 12, 50});
        canvas.FillPath(kWhite);
    }
    cairo_restore(context);
    canopy();
    canvas.StrokePath(kInk, kOutline);
    Dot(canvas, 50, 8, 5, kInk);
}

// A scallop shell: a ribbed fan on two small ears.
void Seashell(Canvas& canvas) {
    cairo_t* context = canvas.Context();
    canvas.Polygon({34, 80, 50, 74, 66, 80, 62, 94, 38, 94});
    Solid(canvas, Colour::Hex(0xF4A582));
    cairo_new_path(context);
    cairo_move_to(context, 50, 88);
    cairo_line_to(context, 8, 44);
    cairo_curve_to(context, 10, 4, 90, 4, 92, 44);
    cairo_close_path(context);
    Solid(canvas, Colour::Hex(0xFFB48A));
    for (const double x : {16.0, 30.0, 44.0, 56.0, 70.0, 84.0}) {
        Line(canvas, 50, 84, x, 18 + (x - 50) * (x - 50) / 70, Colour::Hex(0xE0764A), 3);
    }
}

// A pair of flip-flops seen from above, one a step ahead of the other.
void FlipFlops(Canvas& canvas) {
    for (const auto& [x, y, colour] :
         {std::tuple{28.0, 54.0, Palette::kBlue}, {70.0, 46.0, Palette::kPink}}) {
        cairo_t* context = canvas.Context();
        cairo_new_path(context);
        cairo_move_to(context, x, y - 42);
        cairo_curve_to(context, x + 22, y - 42, x + 20, y - 6, x + 14, y + 10);
        cairo_curve_to(context, x + 12, y + 28, x + 18, y + 42, x, y + 42);
        cairo_curve_to(context, x - 18, y + 42, x - 12, y + 28, x - 14, y + 10);
        cairo_curve_to(context, x - 20, y - 6, x - 22, y - 42, x, y - 42);
        Solid(canvas, colour);
        cairo_move_to(context, x - 14, y + 4);
        cairo_line_to(context, x, y - 26);
        cairo_line_to(context, x + 14, y + 4);
        canvas.StrokePath(kInk, 8);
        cairo_move_to(context, x - 14, y + 4);
        cairo_line_to(context, x, y - 26);
        cairo_line_to(context, x + 14, y + 4);
        canvas.StrokePath(Palette::kSun, 3.5);
    }
}

// A seagull gliding on wide bent wings.
void Seagull(Canvas& canvas) {
    cairo_t* context = canvas.Context();
    for (const double side : {-1.0, 1.0}) {
        cairo_new_path(context);
        cairo_move_to(context, 50, 50);
        cairo_curve_to(context, 50 + side * 14, 26, 50 + side * 30, 22, 50 + side * 48, 34);
        cairo_curve_to(context, 50 + side * 34, 36, 50 + side * 20, 44, 50 + side * 12, 60);
        cairo_close_path(context);
        Solid(canvas, kLightGrey);
        canvas.Polygon({50 + side * 48, 34, 50 + side * 34, 30, 50 + side * 38, 38});
        canvas.FillPath(kInk);
    }
    canvas.Polygon({30, 62, 16, 54, 18, 70});
    Solid(canvas, kWhite);
    canvas.Ellipse(48, 64, 24, 13);
    Solid(canvas, kWhite);
    canvas.Circle(72, 56, 12);
    Solid(canvas, kWhite);
    canvas.Polygon({82, 54, 98, 60, 82, 64});
    Solid(canvas, Palette::kSun);
    Eyes(canvas, 74, 53, 0, 2.6);
}

void BucketAndSpade(Canvas& canvas) {
    Band(canvas, 60, 52, 84, 8, Palette::kBrown, 5);
    canvas.Polygon({76, 4, 94, 14, 90, 24, 80, 20});
    Solid(canvas, Palette::kGreen);
    cairo_new_path(canvas.Context());
    cairo_arc(canvas.Context(), 40, 40, 26, kPi, 2 * kPi);
    canvas.StrokePath(kInk, 4);
    canvas.Polygon({10, 40, 70, 40, 60, 94, 20, 94});
    Solid(canvas, Palette::kBlue);
    canvas.Star(40, 66, 14, 6, 5);
    Solid(canvas, Palette::kSun);
}

// A lighthouse with a striped tower, a railed gallery and a shining lamp.
void Lighthouse(Canvas& canvas) {
    for (const double side : {-1.0, 1.0}) {
        Line(canvas, 50 + side * 14, 18, 50 + side * 30, 10, Palette::kSun, 5);
        Line(canvas, 50 + side * 14, 24, 50 + side * 32, 26, Palette::kSun, 5);
    }
    canvas.Polygon({34, 36, 66, 36, 74, 96, 26, 96});
    Solid(canvas, kWhite);
    for (const auto& [top, bottom] : {std::pair{48.0, 60.0}, {72.0, 84.0}}) {
        const double topInset = (top - 36) * 8 / 60;
        const double bottomInset = (bottom - 36) * 8 / 60;
        canvas.Polygon({34 - topInset, top, 66 + topInset, top, 66 + bottomInset, bottom,
                        34 - bottomInset, bottom});
        canvas.FillPath(Palette::kRed);
    }
    canvas.Polygon({34, 36, 66, 36, 74, 96, 26, 96});
    canvas.StrokePath(kInk, kOutline);
    canvas.RoundedBox(42, 78, 16, 18, 6);
    Solid(canvas, Palette::kBrown);
    canvas.RoundedBox(40, 14, 20, 18, 2);
    Solid(canvas, Palette::kSun);
    canvas.RoundedBox(28, 30, 44, 8, 3);
    Solid(canvas, Palette::kRed);
    canvas.Polygon({36, 16, 50, 2, 64, 16});
    Solid(canvas, Palette::kRed);
}

// Sky and sea with a far-off island and a little sail on the horizon.
void SkyAndSea(Canvas& canvas) {
    SceneKit::Sky(canvas, Palette::kSky, Palette::kPaleSky, 160);
    Motifs::Sun(canvas, 770, 56, 30);
    SceneKit::Cloud(canvas, 470, 50, 34);
    SceneKit::Cloud(canvas, 640, 96, 20);
    canvas.VerticalGradient(0, 150, kWidth, 160, Colour::Hex(0x4FB6F0), Colour::Hex(0x2E86D8));
    cairo_t* context = canvas.Context();
    canvas.Ellipse(600, 152, 70, 16);
    cairo_set_source_rgba(context, 0.3, 0.55, 0.45, 0.45);
    cairo_fill(context);
    canvas.Polygon({420, 150, 420, 126, 436, 146});
    canvas.Polygon({402, 150, 440, 150, 434, 156, 408, 156});
    cairo_set_source_rgba(context, 1, 1, 1, 0.75);
    cairo_fill(context);
    cairo_move_to(context, 0, 150);
    cairo_line_to(context, kWidth, 150);
    canvas.StrokePath(kInk, 3);
    for (const auto& [x, y] : {std::pair{290.0, 200.0},
                               {520.0, 184.0},
                               {700.0, 220.0},
                               {380.0, 250.0},
                               {800.0, 176.0},
                               {620.0, 260.0}}) {
        cairo_move_to(context, x, y);
        cairo_curve_to(context, x + 14, y - 10, x + 30, y - 10, x + 44, y);
    }
    canvas.StrokePath(Palette::kWhite, 4);
}

// The headland on the left, with a flat grassy top where the lighthouse stands.
void Headland(Canvas& canvas) {
    cairo_t* context = canvas.Context();
    cairo_move_to(context, -10, 90);
    cairo_line_to(context, 130, 88);
    cairo_curve_to(context, 170, 100, 180, 180, 220, 230);
    cairo_curve_to(context, 240, 260, 250, 290, 260, 320);
    cairo_line_to(context, -10, 320);
    cairo_close_path(context);
    canvas.FillAndOutline(Colour::Hex(0xC9A98A), kInk, 3);
    cairo_move_to(context, -10, 90);
    cairo_line_to(context, 130, 88);
    cairo_curve_to(context, 150, 94, 158, 110, 160, 118);
    cairo_curve_to(context, 110, 112, 40, 120, -10, 108);
    cairo_close_path(context);
    canvas.FillAndOutline(Palette::kGrass, kInk, 3);
    for (const auto& [x, y] : {std::pair{60.0, 170.0}, {140.0, 200.0}, {90.0, 250.0}}) {
        cairo_move_to(context, x, y);
        cairo_line_to(context, x + 30, y + 6);
    }
    canvas.StrokePath(Colour::Hex(0xA88A6C), 3);
}

// The sand, with foam where the waves end, footprints and a few pebbles.
void Sand(Canvas& canvas) {
    SceneKit::Ground(canvas, 300, kSand, kWetSand);
    cairo_t* context = canvas.Context();
    cairo_move_to(context, 250, 312);
    for (double x = 250; x < kWidth; x += 60) {
        cairo_curve_to(context, x + 15, 302, x + 45, 302, x + 60, 310);
    }
    canvas.StrokePath(Palette::kWhite, 5);
    for (const auto& [x, y] : {std::tuple{160.0, 520.0},
                               {190.0, 500.0},
                               {226.0, 530.0},
                               {256.0, 508.0},
                               {380.0, 540.0},
                               {410.0, 520.0}}) {
        canvas.Ellipse(x, y, 6, 9);
    }
    cairo_set_source_rgba(context, 0.75, 0.55, 0.25, 0.35);
    cairo_fill(context);
    for (const auto& [x, y] :
         {std::pair{320.0, 560.0}, {180.0, 350.0}, {790.0, 520.0}, {600.0, 330.0}, {30.0, 540.0}}) {
        canvas.Ellipse(x, y, 10, 5);
        canvas.FillAndOutline(Colour::Hex(0xE0B060), kInk, 1.5);
    }
}

// A striped towel lying on the sand for the flip-flops.
void Towel(Canvas& canvas) {
    canvas.Polygon({452, 326, 566, 318, 578, 420, 444, 428});
    canvas.FillAndOutline(Colour::Hex(0x8FD3C8), kInk, 3);
    for (const double t : {0.25, 0.5, 0.75}) {
        const double top = 452 + (566 - 452) * t;
        const double bottom = 444 + (578 - 444) * t;
        DesignKit::Line(canvas, top, 326 - 8 * t, bottom, 428 - 8 * t, kWhite, 10);
    }
}

// Small finds on the sand: a rock pool, tufts of beach grass and a heart drawn with a stick.
void SandDetails(Canvas& canvas) {
    cairo_t* context = canvas.Context();
    canvas.Ellipse(70, 540, 64, 24);
    canvas.FillAndOutline(Colour::Hex(0xB8B0A4), kInk, 2.5);
    canvas.Ellipse(70, 542, 50, 15);
    canvas.FillPath(Colour::Hex(0x7CC6EE));
    for (const auto& [x, y] : {std::pair{236.0, 330.0}, {270.0, 344.0}, {600.0, 560.0}}) {
        for (const double lean : {-10.0, 0.0, 10.0}) {
            cairo_move_to(context, x, y);
            cairo_curve_to(context, x, y - 14, x + lean, y - 20, x + lean * 1.6, y - 28);
        }
    }
    canvas.StrokePath(Palette::kDarkGrass, 3);
    canvas.Heart(560, 500, 46);
    canvas.StrokePath(Colour::Hex(0xD9A85A), 3);
}

// The round shadow of the parasol on the sand.
void Shade(Canvas& canvas) {
    cairo_t* context = canvas.Context();
    canvas.Ellipse(752, 450, 70, 18);
    cairo_set_source_rgba(context, 0.6, 0.45, 0.2, 0.25);
    cairo_fill(context);
}

void Scene(Canvas& canvas) {
    SkyAndSea(canvas);
    Headland(canvas);
    Sand(canvas);
    SandDetails(canvas);
    Towel(canvas);
    Shade(canvas);
}

}  // namespace

PageTheme Themes::Beach() {
    return {"The beach",
            Palette::kSun,
            Scene,
            {
                {"sandcastle", Sandcastle},
                {"parasol", Parasol},
                {"seashell", Seashell},
                {"flip-flops", FlipFlops},
                {"seagull", Seagull},
                {"sand bucket", BucketAndSpade},
                {"lighthouse", Lighthouse},
            }};
}
