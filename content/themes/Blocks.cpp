// Page 22: letters and numbers.

#include "content/themes/Themes.h"

#include <cstdint>
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
    canvas.OutlinedText(letter, 41, 59, 38, kWhite, kInk, 2.5);
}

void Dice(Canvas& canvas) {
    canvas.RoundedBox(12, 12, 76, 76, 16);
    Solid(canvas, kWhite);
    for (const auto& [x, y] :
         {std::pair{32.0, 32.0}, {68.0, 32.0}, {50.0, 50.0}, {32.0, 68.0}, {68.0, 68.0}})
        Dot(canvas, x, y, 7, Palette::kRed);
}

void Scene(Canvas& canvas) {
    SceneKit::Room(canvas, Colour::Hex(0xE0F0D0), Colour::Hex(0xE9C28F), 420);
    // A play mat of coloured squares on the floor and an alphabet frieze on the wall.
    const Colour squares[] = {Palette::kRed, Palette::kSun, Palette::kBlue, Palette::kGreen};
    for (int32_t column = 0; column < 8; ++column) {
        for (int32_t row = 0; row < 2; ++row) {
            canvas.RoundedBox(100 + column * 80, 440 + row * 70, 80, 70, 2);
            canvas.FillAndOutline(squares[(column + row) % 4].Lighter(0.55), kInk, 2);
        }
    }
    SceneKit::Box(canvas, -10, 30, 864, 50, Palette::kWhite);
    const char* letters[] = {"a", "b", "c", "d", "e", "f", "g", "h", "i", "j", "k", "l", "m"};
    for (int32_t letter = 0; letter < 13; ++letter) {
        canvas.Text(letters[letter], 40 + letter * 64.0, 55, 30, squares[letter % 4]);
    }
}

}  // namespace

PageTheme Themes::Blocks() {
    return {"Letters and numbers",
            Palette::kBlue,
            Scene,
            {
                {"red block A", With(Block, Palette::kRed, "A")},
                {"blue block B", With(Block, Palette::kBlue, "B")},
                {"green block C", With(Block, Palette::kGreen, "C")},
                {"orange block 1", With(Block, Palette::kOrange, "1")},
                {"purple block 2", With(Block, Palette::kPurple, "2")},
                {"pink block 3", With(Block, Palette::kPink, "3")},
                {"dice", Dice},
                {"yellow block D", With(Block, Palette::kSun, "D")},
            }};
}
