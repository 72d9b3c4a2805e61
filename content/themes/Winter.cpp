// Page 9: the snow.

#include "content/themes/Themes.h"

#include <cmath>
#include <cstdint>

#include "content/AnimalFaces.h"
#include "content/DesignKit.h"
#include "content/SceneKit.h"

namespace {

using namespace DesignKit;

void Snowman(Canvas& canvas) {
    canvas.Circle(50, 70, 26);
    Solid(canvas, WHITE);
    canvas.Circle(50, 32, 20);
    Solid(canvas, WHITE);
    canvas.RoundedBox(34, 4, 32, 12, 2);
    Solid(canvas, INK);
    canvas.Polygon({50, 36, 66, 40, 50, 42});
    Solid(canvas, Palette::ORANGE);
    Eyes(canvas, 50, 28, 14, 3);
    Band(canvas, 32, 50, 68, 50, Palette::RED, 6);
    for (const double y : {62.0, 76.0}) Dot(canvas, 50, y, 3.5, INK);
}

void Snowflake(Canvas& canvas) {
    for (int32_t arm = 0; arm < 6; ++arm) {
        const double angle = arm * PI / 3;
        const double x = 50 + std::cos(angle) * 40;
        const double y = 50 + std::sin(angle) * 40;
        Band(canvas, 50, 50, x, y, Palette::PALE_SKY, 5);
    }
    canvas.Circle(50, 50, 12);
    Solid(canvas, WHITE);
}

void Scene(Canvas& canvas) {
    SceneKit::Landscape(canvas);
}

}  // namespace

PageTheme Themes::Winter() {
    return {"The snow", Palette::PALE_SKY, Scene, {
        Snowman,
        Snowflake,
        AnimalDesign({Colour::Hex(0x3A3F58), WHITE, Ears::None, Snout::Beak, Mark::Disc}),  // penguin
        AnimalDesign({WHITE, Palette::CREAM, Ears::Round, Snout::Muzzle, Mark::None}),  // polar bear
        AnimalDesign({LIGHT_GREY, WHITE, Ears::None, Snout::Whiskers, Mark::None}),  // seal
    }};
}
