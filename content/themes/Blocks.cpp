// Page 22: letters and numbers.

#include "content/themes/Themes.h"

#include <utility>

#include "content/DesignKit.h"
#include "content/SceneKit.h"

namespace {

using namespace DesignKit;

void Block(Canvas& canvas, Colour colour, const char* letter) {
    canvas.Polygon({14, 30, 34, 12, 88, 12, 68, 30});
    Solid(canvas, colour.Lighter(0.4));
    canvas.Polygon({68, 30, 88, 12, 88, 68, 68, 88});
    Solid(canvas, colour.Darker(0.8));
    canvas.RoundedBox(14, 30, 54, 58, 4);
    Solid(canvas, colour);
    canvas.OutlinedText(letter, 41, 59, 38, WHITE, INK, 2.5);
}

void Dice(Canvas& canvas) {
    canvas.RoundedBox(12, 12, 76, 76, 16);
    Solid(canvas, WHITE);
    for (const auto& [x, y] :
         {std::pair{32.0, 32.0}, {68.0, 32.0}, {50.0, 50.0}, {32.0, 68.0}, {68.0, 68.0}})
        Dot(canvas, x, y, 7, Palette::RED);
}

void Scene(Canvas& canvas) {
    SceneKit::Landscape(canvas);
}

}  // namespace

PageTheme Themes::Blocks() {
    return {"Letters and numbers", Palette::BLUE, Scene, {
        With(Block, Palette::RED, "A"),
        With(Block, Palette::BLUE, "B"),
        With(Block, Palette::GREEN, "C"),
        With(Block, Palette::ORANGE, "1"),
        With(Block, Palette::PURPLE, "2"),
        With(Block, Palette::PINK, "3"),
        Dice,
        With(Block, Palette::SUN, "D"),
    }};
}
