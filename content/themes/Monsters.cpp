// Page 25: friendly monsters.

#include "content/themes/Themes.h"

#include "content/DesignKit.h"
#include "content/SceneKit.h"

namespace {

using namespace DesignKit;

// Stands in for the page's stickers until they are drawn.
void Placeholder(Canvas& canvas) {
    canvas.Circle(50, 50, 40);
    Solid(canvas, Palette::SUN);
    Face(canvas, 50, 54, 40);
}

void Scene(Canvas& canvas) {
    SceneKit::Landscape(canvas);
}

}  // namespace

PageTheme Themes::Monsters() {
    return {"Friendly monsters", Palette::PURPLE, Scene, {
        Placeholder,
        Placeholder,
        Placeholder,
        Placeholder,
        Placeholder,
        Placeholder,
        Placeholder,
        Placeholder,
        Placeholder,
        Placeholder,
        Placeholder,
        Placeholder,
    }};
}
