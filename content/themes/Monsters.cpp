// Page 25: friendly monsters.

#include "content/themes/Themes.h"

#include <cairo.h>

#include <cstdint>
#include <tuple>

#include "content/DesignKit.h"
#include "content/SceneKit.h"

namespace {

using namespace DesignKit;

enum class Body { Round, Tall, Square };
enum class Top { Horns, Antennae, Hair };

struct Monster {
    Colour skin;
    Body body;
    Top top;
    int32_t eyes;
};

void BodyPath(Canvas& canvas, Body body) {
    switch (body) {
        case Body::Round:
            canvas.Circle(50, 56, 34);
            break;
        case Body::Tall:
            canvas.RoundedBox(26, 16, 48, 78, 22);
            break;
        case Body::Square:
            canvas.RoundedBox(16, 26, 68, 66, 12);
            break;
    }
}

void DrawMonster(Canvas& canvas, Monster monster) {
    const double top = monster.body == Body::Tall ? 16 : monster.body == Body::Round ? 22 : 26;
    switch (monster.top) {
        case Top::Horns:
            PairOf([&](double s) {
                canvas.Polygon({50 + s * 12, top + 8, 50 + s * 26, top - 14, 50 + s * 26, top + 8});
                Solid(canvas, Palette::kCream);
            });
            break;
        case Top::Antennae:
            PairOf([&](double s) {
                Band(canvas, 50 + s * 10, top + 6, 50 + s * 20, top - 12, monster.skin, 3);
                canvas.Circle(50 + s * 20, top - 12, 6);
                Solid(canvas, Palette::kSun);
            });
            break;
        case Top::Hair:
            for (const double x : {38.0, 50.0, 62.0}) {
                canvas.Polygon({x - 8, top + 8, x, top - 12, x + 8, top + 8});
                Solid(canvas, monster.skin.Darker(0.75));
            }
            break;
    }
    PairOf([&](double s) {
        canvas.RoundedBox(50 + s * 16 - 7, 84, 14, 12, 5);
        Solid(canvas, monster.skin.Darker(0.8));
    });
    BodyPath(canvas, monster.body);
    Solid(canvas, monster.skin);
    const double eyeY = top + 22;
    for (int32_t eye = 0; eye < monster.eyes; ++eye) {
        const double x = 50 + (eye - (monster.eyes - 1) / 2.0) * 18;
        canvas.Circle(x, eyeY, 8);
        Solid(canvas, kWhite);
        Eyes(canvas, x, eyeY + 1, 0, 3.5);
    }
    cairo_new_path(canvas.Context());
    cairo_arc(canvas.Context(), 50, eyeY + 18, 14, 0.1 * kPi, 0.9 * kPi);
    cairo_close_path(canvas.Context());
    Solid(canvas, kInk.Lighter(0.2));
    for (const double x : {43.0, 57.0}) {
        canvas.Polygon({x - 4, eyeY + 19, x + 4, eyeY + 19, x, eyeY + 26});
        canvas.FillPath(kWhite);
    }
}

void Scene(Canvas& canvas) {
    SceneKit::Sky(canvas, Colour::Hex(0xC7B2F0), Colour::Hex(0xF3E9FF), SceneKit::kHeight);
    SceneKit::Hill(canvas, 160, 330, 260, 90, Colour::Hex(0xB6E388));
    SceneKit::Hill(canvas, 700, 320, 240, 80, Colour::Hex(0xA4D6F5));
    SceneKit::Ground(canvas, 320, Colour::Hex(0x9BE08C), Colour::Hex(0x5FBF6B));
    // Round, bright pebbles in the grass.
    for (const auto& [x, y, colour] : {std::tuple{90.0, 520.0, Palette::kPink},
                                       {420.0, 560.0, Palette::kSun},
                                       {640.0, 500.0, Palette::kSky},
                                       {780.0, 560.0, Palette::kPink},
                                       {250.0, 440.0, Palette::kSun}}) {
        canvas.Ellipse(x, y, 22, 12);
        canvas.FillAndOutline(colour, kInk, 2.5);
    }
    SceneKit::Cloud(canvas, 420, 70, 40);
}

}  // namespace

PageTheme Themes::Monsters() {
    return {"Friendly monsters",
            Palette::kPurple,
            Scene,
            {
                {"green draw monster",
                 With(DrawMonster, Monster{Palette::kGreen, Body::Round, Top::Horns, 1})},
                {"blue draw monster",
                 With(DrawMonster, Monster{Palette::kBlue, Body::Tall, Top::Antennae, 2})},
                {"orange draw monster",
                 With(DrawMonster, Monster{Palette::kOrange, Body::Square, Top::Hair, 3})},
                {"pink draw monster",
                 With(DrawMonster, Monster{Palette::kPink, Body::Round, Top::Antennae, 2})},
                {"purple draw monster",
                 With(DrawMonster, Monster{Palette::kPurple, Body::Square, Top::Horns, 2})},
                {"yellow draw monster",
                 With(DrawMonster, Monster{Palette::kSun, Body::Tall, Top::Hair, 1})},
                {"teal draw monster",
                 With(DrawMonster, Monster{DesignKit::kTeal, Body::Round, Top::Hair, 3})},
                {"red draw monster",
                 With(DrawMonster, Monster{Palette::kRed, Body::Tall, Top::Horns, 2})},
                {"lime draw monster",
                 With(DrawMonster, Monster{DesignKit::kLime, Body::Square, Top::Antennae, 1})},
                {"sky blue draw monster",
                 With(DrawMonster, Monster{Palette::kSky, Body::Round, Top::Horns, 2})},
                {"pink draw monster", With(DrawMonster, Monster{Palette::kPink.Darker(0.85),
                                                                Body::Square, Top::Hair, 2})},
                {"orange draw monster", With(DrawMonster, Monster{Palette::kOrange.Lighter(0.3),
                                                                  Body::Tall, Top::Antennae, 3})},
            }};
}
