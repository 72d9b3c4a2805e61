// Page 20: shapes.

#include "content/themes/Themes.h"

#include "content/DesignKit.h"
#include "content/SceneKit.h"

namespace {

using namespace DesignKit;

enum class Form { HalfCircle, Square, Oblong, Triangle, Heart, Diamond, Pentagon, Hexagon };

void SmilingShape(Canvas& canvas, Form form, Colour colour) {
    switch (form) {
        case Form::HalfCircle:
            cairo_new_path(canvas.Context());
            cairo_arc(canvas.Context(), 50, 76, 44, PI, 2 * PI);
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
            canvas.Star(50, 50, 42, 42, 3, PI / 6);
            break;
    }
    Solid(canvas, colour);
    Face(canvas, 50, form == Form::Triangle ? 62 : 54, 40);
}

void Scene(Canvas& canvas) {
    // A chalkboard in a wooden frame with chalk lines to play on.
    canvas.Fill(Colour::Hex(0xC98B52));
    canvas.RoundedBox(14, 14, SceneKit::WIDTH - 28, SceneKit::HEIGHT - 28, 12);
    canvas.FillAndOutline(Colour::Hex(0x2F6E5A), INK, 4);
    cairo_t* context = canvas.Context();
    for (const double y : {200.0, 360.0}) {
        cairo_move_to(context, 40, y);
        cairo_line_to(context, SceneKit::WIDTH - 40, y);
    }
    canvas.DashedStroke(Colour::Hex(0x8FC4B2), 3, 18);
    SceneKit::Box(canvas, 60, 540, 140, 20, Colour::Hex(0xC98B52));
    canvas.RoundedBox(80, 528, 40, 12, 5);
    canvas.FillAndOutline(Palette::WHITE, INK, 2);
    canvas.RoundedBox(130, 528, 40, 12, 5);
    canvas.FillAndOutline(Palette::PINK, INK, 2);
}

}  // namespace

PageTheme Themes::Shapes() {
    return {"Shapes",
            TEAL,
            Scene,
            {
                With(SmilingShape, Form::HalfCircle, Palette::RED),
                With(SmilingShape, Form::Square, Palette::BLUE),
                With(SmilingShape, Form::Triangle, Palette::SUN),
                With(SmilingShape, Form::Heart, Palette::PINK),
                With(SmilingShape, Form::Diamond, Palette::PURPLE),
                With(SmilingShape, Form::Hexagon, Palette::ORANGE),
                With(SmilingShape, Form::Pentagon, Palette::GREEN),
                With(SmilingShape, Form::Oblong, Palette::RED.Lighter(0.2)),
            }};
}
