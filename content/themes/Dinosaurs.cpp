// Page 23: dinosaurs.

#include "content/themes/Themes.h"

#include <cairo.h>

#include <initializer_list>
#include <utility>

#include "content/DesignKit.h"
#include "content/SceneKit.h"

namespace {

using namespace DesignKit;

enum class Dino { LongNeck, Plates, Horns, Rex, Flyer };

void Legs(Canvas& canvas, std::initializer_list<double> xs, double top, Colour skin) {
    for (const double x : xs) {
        canvas.RoundedBox(x - 6, top, 12, 88 - top, 5);
        Solid(canvas, skin.Darker(0.85));
    }
}

void Tail(Canvas& canvas, double fromX, double fromY, double toX, double toY, Colour skin) {
    canvas.Polygon({fromX, fromY - 10, toX, toY, fromX, fromY + 10});
    Solid(canvas, skin);
}

// A friendly dinosaur of one of five kinds, facing right.
void Dinosaur(Canvas& canvas, Dino kind, Colour skin) {
    const Colour belly = skin.Lighter(0.5);
    switch (kind) {
        case Dino::LongNeck:
            Tail(canvas, 30, 62, 2, 74, skin);
            Legs(canvas, {30, 44, 58, 70}, 62, skin);
            Band(canvas, 64, 54, 78, 18, skin, 12);
            canvas.Ellipse(48, 60, 28, 18);
            Solid(canvas, skin);
            canvas.Ellipse(82, 16, 12, 9);
            Solid(canvas, skin);
            Eyes(canvas, 84, 13, 0, 2.6);
            Dot(canvas, 44, 54, 4, belly);
            Dot(canvas, 56, 62, 3, belly);
            break;
        case Dino::Plates:
            for (const double x : {30.0, 44.0, 58.0, 70.0}) {
                canvas.Polygon({x - 8, 50, x, 28, x + 8, 50});
                Solid(canvas, Palette::kOrange);
            }
            Tail(canvas, 26, 62, 2, 58, skin);
            Legs(canvas, {30, 46, 58, 70}, 64, skin);
            canvas.Ellipse(50, 62, 30, 17);
            Solid(canvas, skin);
            canvas.Ellipse(84, 66, 12, 9);
            Solid(canvas, skin);
            Eyes(canvas, 87, 63, 0, 2.6);
            break;
        case Dino::Horns:
            Tail(canvas, 26, 62, 2, 66, skin);
            Legs(canvas, {28, 42, 56, 66}, 64, skin);
            canvas.Ellipse(44, 62, 26, 18);
            Solid(canvas, skin);
            canvas.Circle(70, 48, 18);
            Solid(canvas, Palette::kOrange);
            canvas.Polygon({76, 44, 96, 34, 82, 50});
            Solid(canvas, Palette::kCream);
            canvas.Ellipse(78, 58, 14, 11);
            Solid(canvas, skin);
            Eyes(canvas, 80, 54, 0, 2.6);
            break;
        case Dino::Rex:
            Tail(canvas, 34, 60, 4, 86, skin);
            Legs(canvas, {40, 58}, 64, skin);
            canvas.Ellipse(48, 56, 20, 26);
            Solid(canvas, skin);
            canvas.Ellipse(48, 62, 10, 16);
            canvas.FillPath(belly);
            Band(canvas, 62, 56, 72, 60, skin, 5);
            canvas.RoundedBox(46, 8, 44, 30, 12);
            Solid(canvas, skin);
            Eyes(canvas, 66, 18, 0, 3);
            Line(canvas, 62, 30, 86, 30, kInk, 3);
            break;
        case Dino::Flyer:
            canvas.Polygon({50, 46, 4, 30, 22, 62});
            Solid(canvas, skin);
            canvas.Polygon({50, 46, 96, 30, 78, 62});
            Solid(canvas, skin);
            canvas.Ellipse(50, 56, 12, 18);
            Solid(canvas, belly);
            canvas.Polygon({50, 20, 30, 14, 48, 32});
            Solid(canvas, Palette::kOrange);
            canvas.Circle(54, 32, 11);
            Solid(canvas, skin);
            canvas.Polygon({62, 28, 86, 36, 62, 38});
            Solid(canvas, Palette::kSun);
            Eyes(canvas, 56, 29, 0, 2.6);
            break;
    }
}

// A speckled egg with a baby dinosaur looking out of its broken top.
void DinoEgg(Canvas& canvas, Colour skin) {
    canvas.Circle(50, 34, 18);
    Solid(canvas, skin);
    Eyes(canvas, 50, 32, 14, 3.2);
    Grin(canvas, 50, 42, 5);
    cairo_t* context = canvas.Context();
    cairo_new_path(context);
    cairo_move_to(context, 22, 52);
    cairo_line_to(context, 32, 44);
    cairo_line_to(context, 42, 54);
    cairo_line_to(context, 52, 44);
    cairo_line_to(context, 62, 54);
    cairo_line_to(context, 72, 44);
    cairo_line_to(context, 78, 52);
    cairo_curve_to(context, 84, 90, 60, 96, 50, 96);
    cairo_curve_to(context, 40, 96, 16, 90, 22, 52);
    cairo_close_path(context);
    Solid(canvas, Palette::kCream);
    for (const double x : {36.0, 58.0, 48.0}) Dot(canvas, x, x == 48.0 ? 84 : 70, 4, skin);
}

void Volcano(Canvas& canvas, double x, double width, double height) {
    const double base = SceneKit::kHeight * 0.52;
    canvas.Polygon({x - width / 2, base, x - width * 0.12, base - height, x + width * 0.12,
                    base - height, x + width / 2, base});
    canvas.FillAndOutline(Colour::Hex(0x9C7A6B), kInk, 3);
    canvas.Polygon({x - width * 0.12, base - height, x + width * 0.12, base - height,
                    x + width * 0.2, base - height * 0.72, x, base - height * 0.8, x - width * 0.2,
                    base - height * 0.7});
    canvas.FillAndOutline(Palette::kOrange, kInk, 3);
    for (const double puff : {0.0, 1.0, 2.0}) {
        canvas.Circle(x + puff * 18 - 10, base - height - 22 - puff * 20, 14 + puff * 4);
    }
    canvas.FillAndOutline(Palette::kWhite.Darker(0.92), kInk.Lighter(0.5), 2.5);
}

void Fern(Canvas& canvas, double x, double y) {
    for (const double turn : {-2.4, -1.9, -1.57, -1.2, -0.7}) {
        Leaf(canvas, x, y, 46, turn, Palette::kDarkGrass);
    }
}

void Scene(Canvas& canvas) {
    SceneKit::Sky(canvas, Colour::Hex(0xFFD9A0), Colour::Hex(0xFFF1D6), SceneKit::kHeight);
    Volcano(canvas, 640, 300, 190);
    Volcano(canvas, 230, 220, 120);
    SceneKit::Ground(canvas, 300, Colour::Hex(0xA8D86E), Colour::Hex(0x6FB04A));
    canvas.Ellipse(420, 470, 120, 30);
    canvas.FillAndOutline(Palette::kSky, kInk, 3);
    for (const auto& [x, y] :
         {std::pair{40.0, 560.0}, {300.0, 330.0}, {810.0, 420.0}, {600.0, 575.0}}) {
        Fern(canvas, x, y);
    }
}

}  // namespace

PageTheme Themes::Dinosaurs() {
    return {"Dinosaurs",
            Palette::kGreen,
            Scene,
            {
                {"green dinosaur", With(Dinosaur, Dino::LongNeck, Palette::kGreen)},
                {"red dinosaur", With(Dinosaur, Dino::Rex, Palette::kRed)},
                {"purple dinosaur", With(Dinosaur, Dino::Plates, Palette::kPurple)},
                {"blue dinosaur", With(Dinosaur, Dino::Horns, Palette::kBlue)},
                {"orange dinosaur", With(Dinosaur, Dino::Flyer, Palette::kOrange)},
                {"green dino egg", With(DinoEgg, Palette::kGreen)},
                {"pink dinosaur", With(Dinosaur, Dino::LongNeck, Palette::kPink)},
                {"brown dinosaur", With(Dinosaur, Dino::Rex, Colour::Hex(0x2EC4B6))},
                {"yellow dinosaur", With(Dinosaur, Dino::Horns, Palette::kSun)},
                {"green dinosaur", With(Dinosaur, Dino::Plates, Palette::kGreen)},
            }};
}
