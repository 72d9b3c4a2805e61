// Page 17: the sweet shop.

#include "content/themes/Themes.h"

#include <cairo.h>

#include <cmath>
#include <cstdint>
#include <utility>

#include "content/DesignKit.h"
#include "content/SceneKit.h"

namespace {

using namespace DesignKit;

void Lollipop(Canvas& canvas, Colour colour) {
    Band(canvas, 50, 60, 50, 96, kWhite, 5);
    canvas.Circle(50, 38, 28);
    Solid(canvas, colour);
    cairo_t* context = canvas.Context();
    cairo_new_path(context);
    for (double angle = 0; angle < 5 * kPi; angle += 0.2) {
        cairo_line_to(context, 50 + std::cos(angle) * angle * 1.6,
                      38 + std::sin(angle) * angle * 1.6);
    }
    canvas.StrokePath(kWhite, 4);
}

void Donut(Canvas& canvas, Colour icing) {
    canvas.Circle(50, 52, 38);
    Solid(canvas, kTan);
    canvas.Star(50, 52, 34, 30, 12);
    canvas.FillPath(icing);
    canvas.Circle(50, 52, 12);
    Solid(canvas, kWhite);
    const Colour sprinkles[] = {Palette::kSun, Palette::kBlue, Palette::kGreen, kWhite};
    for (int32_t i = 0; i < 8; ++i) {
        const double angle = i * kPi / 4 + 0.3;
        const double x = 50 + std::cos(angle) * 23;
        const double y = 52 + std::sin(angle) * 23;
        Line(canvas, x - 2, y - 2, x + 2, y + 2, sprinkles[i % 4], 3);
    }
}

void Cookie(Canvas& canvas) {
    canvas.Circle(50, 52, 38);
    Solid(canvas, kTan);
    for (const auto& [x, y] :
         {std::pair{34.0, 36.0}, {62.0, 32.0}, {70.0, 58.0}, {40.0, 70.0}, {58.0, 76.0}})
        Dot(canvas, x, y, 5, kDarkBrown);
    Face(canvas, 50, 54, 34);
}

void Candy(Canvas& canvas, Colour colour) {
    canvas.Polygon({26, 50, 6, 32, 6, 68});
    canvas.Polygon({74, 50, 94, 32, 94, 68});
    Solid(canvas, colour.Lighter(0.3));
    canvas.Ellipse(50, 50, 28, 22);
    Solid(canvas, colour);
    Line(canvas, 40, 32, 34, 66, kWhite, 4);
    Line(canvas, 58, 32, 52, 68, kWhite, 4);
}

// A big glass jar on a shelf.
void Jar(Canvas& canvas, double x, double bottom, double width, double height) {
    canvas.RoundedBox(x, bottom - height, width, height, 18);
    canvas.FillAndOutline(Colour::Hex(0xE8F6FF), kInk, 3);
    SceneKit::Box(canvas, x + 10, bottom - height - 14, width - 20, 18, Palette::kPink);
}

void Scene(Canvas& canvas) {
    SceneKit::Room(canvas, Colour::Hex(0xFFE0EE), Colour::Hex(0xF7D08A), 420);
    // A candy-striped awning, shelves of jars and the shop's counter.
    for (int32_t stripe = 0; stripe < 12; ++stripe) {
        const double x = stripe * 72.0 - 8;
        canvas.Polygon({x, 0, x + 72, 0, x + 72, 40, x + 36, 56, x, 40});
        canvas.FillAndOutline(stripe % 2 == 0 ? Palette::kPink : Palette::kWhite, kInk, 3);
    }
    for (const double y : {230.0, 380.0}) {
        SceneKit::Box(canvas, 10, y, 824, 14, Colour::Hex(0xC98B52));
    }
    for (const auto& [x, y] :
         {std::pair{260.0, 230.0}, {560.0, 230.0}, {170.0, 380.0}, {620.0, 380.0}}) {
        Jar(canvas, x, y, 70, 70);
    }
    SceneKit::Box(canvas, -10, 500, 864, 100, Colour::Hex(0xFF9DBD));
    canvas.OutlinedText("SWEETS", 422, 548, 40, Palette::kWhite, kInk, 3);
}

}  // namespace

PageTheme Themes::Sweets() {
    return {"The sweet shop",
            Palette::kPink,
            Scene,
            {
                {"pink donut", With(Donut, Palette::kPink)},
                {"red lollipop", With(Lollipop, Palette::kRed)},
                {"purple candy", With(Candy, Palette::kPurple)},
                {"cookie", Cookie},
                {"brown donut", With(Donut, Colour::Hex(0x8A5328))},
                {"blue lollipop", With(Lollipop, Palette::kBlue)},
                {"green candy", With(Candy, Palette::kGreen)},
                {"yellow lollipop", With(Lollipop, Palette::kSun)},
                {"yellow donut", With(Donut, Palette::kSun)},
                {"red candy", With(Candy, Palette::kRed)},
                {"purple lollipop", With(Lollipop, Palette::kPurple)},
                {"orange candy", With(Candy, Palette::kOrange)},
            }};
}
