// Page 21: music.

#include "content/themes/Themes.h"

#include "content/DesignKit.h"
#include "content/SceneKit.h"

namespace {

using namespace DesignKit;

void Drum(Canvas& canvas) {
    Band(canvas, 60, 24, 88, 6, TAN, 4);
    canvas.Polygon({14, 40, 86, 40, 86, 84, 14, 84});
    Solid(canvas, Palette::RED);
    for (double x = 14; x < 86; x += 18) Line(canvas, x, 42, x + 18, 82, Palette::SUN, 3);
    canvas.Ellipse(50, 40, 36, 12);
    Solid(canvas, WHITE);
}

void Trumpet(Canvas& canvas) {
    canvas.Polygon({60, 50, 94, 24, 94, 76});
    Solid(canvas, Palette::SUN);
    canvas.RoundedBox(10, 42, 56, 16, 6);
    Solid(canvas, Palette::SUN);
    for (const double x : {30.0, 42.0, 54.0}) {
        canvas.RoundedBox(x - 3, 28, 6, 14, 2);
        Solid(canvas, Palette::ORANGE);
    }
}

void Scene(Canvas& canvas) {
    SceneKit::Landscape(canvas);
}

}  // namespace

PageTheme Themes::Music() {
    return {"Music", Palette::PURPLE, Scene, {
        Drum,
        Trumpet,
        Drum,
        Trumpet,
        Drum,
        Trumpet,
    }};
}
