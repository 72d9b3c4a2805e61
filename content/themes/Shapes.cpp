// Page 20: shapes.

#include "content/themes/Themes.h"

#include <cairo.h>

#include "content/DesignKit.h"
#include "content/SceneKit.h"

namespace {

using namespace DesignKit;

enum class Form { HalfCircle, Square, Oblong, Triangle, Heart, Diamond, Pentagon, Hexagon };

void SmilingShape(Canvas& canvas, Form form, Colour colour) {
    switch (form) {
        case Form::HalfCircle:
            cairo_new_path(canvas.Context());
            cairo_arc(canvas.Context(), 50, 76, 44, kPi, 2 * kPi);
            cairo_close_path(canvas.Context());
            break;
        case Form::Oblong:
            canvas.RoundedBox(4, 24, 92, 56, 6);
            break;
        case Form::Pentagon:
            canvas.Star(50, 54, 44, 44 * 0.809, 5);
            break;
        case Form::Square:
            canvas.RoundedBox(12, 12, 76, 76, 8);
            break;
        case Form::Triangle:
            canvas.Polygon({50, 6, 94, 88, 6, 88});
            break;
        case Form::Heart:
            canvas.Heart(50, 46, 80);
            break;
        case Form::Diamond:
            canvas.Polygon({50, 4, 88, 50, 50, 96, 12, 50});
            break;
        case Form::Hexagon:
            canvas.Star(50, 50, 42, 42, 3, kPi / 6);
            break;
    }
    Solid(canvas, colour);
    Face(canvas, 50, form == Form::Triangle ? 62 : 54, 40);
}

void Scene(Canvas& canvas) {
    // A chalkboard in a wooden frame with chalk lines to play on.
    canvas.Fill(Colour::Hex(0xC98B52));
    canvas.RoundedBox(14, 14, SceneKit::kWidth - 28, SceneKit::kHeight - 28, 12);
    canvas.FillAndOutline(Colour::Hex(0x2F6E5A), kInk, 4);
    cairo_t* context = canvas.Context();
    for (const double y : {200.0, 360.0}) {
        cairo_move_to(context, 40, y);
        cairo_line_to(context, SceneKit::kWidth - 40, y);
    }
    canvas.DashedStroke(Colour::Hex(0x8FC4B2), 3, 18);
    SceneKit::Box(canvas, 60, 540, 140, 20, Colour::Hex(0xC98B52));
    canvas.RoundedBox(80, 528, 40, 12, 5);
    canvas.FillAndOutline(Palette::kWhite, kInk, 2);
    canvas.RoundedBox(130, 528, 40, 12, 5);
    canvas.FillAndOutline(Palette::kPink, kInk, 2);
}

}  // namespace

PageTheme Themes::Shapes() {
    return {"Shapes",
            kTeal,
            Scene,
            {
                {"red smiling shape", With(SmilingShape, Form::HalfCircle, Palette::kRed)},
                {"blue smiling shape", With(SmilingShape, Form::Square, Palette::kBlue)},
                {"yellow smiling shape", With(SmilingShape, Form::Triangle, Palette::kSun)},
                {"pink smiling shape", With(SmilingShape, Form::Heart, Palette::kPink)},
                {"purple smiling shape", With(SmilingShape, Form::Diamond, Palette::kPurple)},
                {"orange smiling shape", With(SmilingShape, Form::Hexagon, Palette::kOrange)},
                {"green smiling shape", With(SmilingShape, Form::Pentagon, Palette::kGreen)},
                {"red smiling shape", With(SmilingShape, Form::Oblong, Palette::kRed.Lighter(0.2))},
            }};
}
