// Page 17: the sweet shop.

#include "content/themes/Themes.h"

#include <cmath>
#include <cstdint>
#include <utility>

#include "content/DesignKit.h"
#include "content/SceneKit.h"

namespace {

using namespace DesignKit;

void Lollipop(Canvas& canvas, Colour colour) {
    Band(canvas, 50, 60, 50, 96, WHITE, 5);
    canvas.Circle(50, 38, 28);
    Solid(canvas, colour);
    cairo_t* context = canvas.Context();
    cairo_new_path(context);
    for (double angle = 0; angle < 5 * PI; angle += 0.2) {
        cairo_line_to(context, 50 + std::cos(angle) * angle * 1.6,
                      38 + std::sin(angle) * angle * 1.6);
    }
    canvas.StrokePath(WHITE, 4);
}

void Donut(Canvas& canvas, Colour icing) {
    canvas.Circle(50, 52, 38);
    Solid(canvas, TAN);
    canvas.Star(50, 52, 34, 30, 12);
    canvas.FillPath(icing);
    canvas.Circle(50, 52, 12);
    Solid(canvas, WHITE);
    const Colour sprinkles[] = {Palette::SUN, Palette::BLUE, Palette::GREEN, WHITE};
    for (int32_t i = 0; i < 8; ++i) {
        const double angle = i * PI / 4 + 0.3;
        const double x = 50 + std::cos(angle) * 23;
        const double y = 52 + std::sin(angle) * 23;
        Line(canvas, x - 2, y - 2, x + 2, y + 2, sprinkles[i % 4], 3);
    }
}

void Cookie(Canvas& canvas) {
    canvas.Circle(50, 52, 38);
    Solid(canvas, TAN);
    for (const auto& [x, y] :
         {std::pair{34.0, 36.0}, {62.0, 32.0}, {70.0, 58.0}, {40.0, 70.0}, {58.0, 76.0}})
        Dot(canvas, x, y, 5, DARK_BROWN);
    Face(canvas, 50, 54, 34);
}

void Candy(Canvas& canvas, Colour colour) {
    canvas.Polygon({26, 50, 6, 32, 6, 68});
    canvas.Polygon({74, 50, 94, 32, 94, 68});
    Solid(canvas, colour.Lighter(0.3));
    canvas.Ellipse(50, 50, 28, 22);
    Solid(canvas, colour);
    Line(canvas, 40, 32, 34, 66, WHITE, 4);
    Line(canvas, 58, 32, 52, 68, WHITE, 4);
}

void Scene(Canvas& canvas) {
    SceneKit::Landscape(canvas);
}

}  // namespace

PageTheme Themes::Sweets() {
    return {"The sweet shop", Palette::PINK, Scene, {
        With(Donut, Palette::PINK),
        With(Lollipop, Palette::RED),
        With(Candy, Palette::PURPLE),
        Cookie,
        With(Donut, Colour::Hex(0x8A5328)),
        With(Lollipop, Palette::BLUE),
        With(Candy, Palette::GREEN),
        With(Lollipop, Palette::SUN),
        With(Donut, Palette::SUN),
        With(Candy, Palette::RED),
        With(Lollipop, Palette::PURPLE),
        With(Candy, Palette::ORANGE),
    }};
}
