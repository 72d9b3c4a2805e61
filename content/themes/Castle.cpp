// Page 10: the fairy-tale castle.

#include "content/themes/Themes.h"

#include <utility>

#include "content/AnimalFaces.h"
#include "content/DesignKit.h"
#include "content/SceneKit.h"

namespace {

using namespace DesignKit;

void Crown(Canvas& canvas) {
    canvas.Polygon({12, 80, 12, 28, 32, 50, 50, 18, 68, 50, 88, 28, 88, 80});
    Solid(canvas, Palette::SUN);
    for (const auto& [x, colour] :
         {std::pair{30.0, Palette::RED}, {50.0, Palette::BLUE}, {70.0, Palette::GREEN}})
        Dot(canvas, x, 68, 6, colour);
}

void Scene(Canvas& canvas) {
    SceneKit::Landscape(canvas);
}

}  // namespace

PageTheme Themes::Castle() {
    return {"The fairy-tale castle", Palette::PURPLE, Scene, {
        Crown,
        AnimalDesign({WHITE, SOFT_PINK, Ears::Pointed, Snout::Horse, Mark::Horn}),  // unicorn
        AnimalDesign({Palette::GREEN, Palette::GREEN, Ears::None, Snout::Frog, Mark::Cheeks}),  // frog
    }};
}
