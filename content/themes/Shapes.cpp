// Page 20: shapes.

#include "content/themes/Themes.h"

#include "content/DesignKit.h"
#include "content/SceneKit.h"

namespace {

using namespace DesignKit;

enum class Form { Circle, Square, Triangle, Star, Heart, Diamond, Hexagon };

void SmilingShape(Canvas& canvas, Form form, Colour colour) {
    switch (form) {
        case Form::Circle:
            canvas.Circle(50, 50, 40);
            break;
        case Form::Square:
            canvas.RoundedBox(12, 12, 76, 76, 8);
            break;
        case Form::Triangle:
            canvas.Polygon({50, 6, 94, 88, 6, 88});
            break;
        case Form::Star:
            canvas.Star(50, 54, 48, 22, 5);
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
    SceneKit::Landscape(canvas);
}

}  // namespace

PageTheme Themes::Shapes() {
    return {"Shapes", TEAL, Scene, {
        With(SmilingShape, Form::Circle, Palette::RED),
        With(SmilingShape, Form::Square, Palette::BLUE),
        With(SmilingShape, Form::Triangle, Palette::SUN),
        With(SmilingShape, Form::Heart, Palette::PINK),
        With(SmilingShape, Form::Diamond, Palette::PURPLE),
        With(SmilingShape, Form::Hexagon, Palette::ORANGE),
        With(SmilingShape, Form::Circle, Palette::GREEN),
        With(SmilingShape, Form::Square, Palette::RED),
    }};
}
