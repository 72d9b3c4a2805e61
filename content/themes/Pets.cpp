// Page 15: pets at home.

#include "content/themes/Themes.h"

#include "content/AnimalFaces.h"
#include "content/DesignKit.h"
#include "content/SceneKit.h"

namespace {

using namespace DesignKit;

void Bird(Canvas& canvas, Colour colour) {
    canvas.Polygon({78, 50, 98, 40, 96, 62});
    Solid(canvas, colour);
    canvas.Circle(50, 54, 30);
    Solid(canvas, colour);
    canvas.Polygon({20, 46, 6, 52, 20, 58});
    Solid(canvas, Palette::ORANGE);
    Eyes(canvas, 34, 46, 0, 4);
    Leaf(canvas, 44, 60, 30, 0.1, colour.Darker(0.8));
}

void Scene(Canvas& canvas) {
    SceneKit::Landscape(canvas);
}

}  // namespace

PageTheme Themes::Pets() {
    return {"Pets at home", Palette::ORANGE, Scene, {
        AnimalDesign({FUR_ORANGE, SOFT_PINK, Ears::Pointed, Snout::Whiskers, Mark::None}),  // cat
        AnimalDesign({Colour::Hex(0xEDEDF5), SOFT_PINK, Ears::Long, Snout::Whiskers, Mark::Cheeks}),  // bunny
        AnimalDesign({LIGHT_GREY, SOFT_PINK, Ears::Big, Snout::Whiskers, Mark::None}),  // mouse
        AnimalDesign({Colour::Hex(0xF7C68A), Palette::CREAM, Ears::Tiny, Snout::Whiskers, Mark::Cheeks}),  // hamster
        AnimalDesign({GREY, SOFT_PINK, Ears::Pointed, Snout::Whiskers, Mark::Stripes}),  // tabby
        With(Bird, Palette::BLUE),  // budgie
        AnimalDesign({FUR_BROWN, Palette::CREAM, Ears::Long, Snout::Whiskers, Mark::Cheeks}),  // brown bunny
        AnimalDesign({Colour::Hex(0xD9A066), WHITE, Ears::Tiny, Snout::Smile, Mark::Disc}),  // guinea pig
        With(Bird, Palette::SUN),  // canary
    }};
}
