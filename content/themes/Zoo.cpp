// Page 1: the zoo.

#include "content/themes/Themes.h"

#include "content/AnimalFaces.h"
#include "content/DesignKit.h"
#include "content/SceneKit.h"

namespace {

using namespace DesignKit;

void Scene(Canvas& canvas) {
    SceneKit::Landscape(canvas);
}

}  // namespace

PageTheme Themes::Zoo() {
    return {"The zoo", Palette::ORANGE, Scene, {
        AnimalDesign({Palette::SUN, Palette::CREAM, Ears::Round, Snout::Muzzle, Mark::Mane}),  // lion
        AnimalDesign({Colour::Hex(0x9DB4D8), Colour::Hex(0xC9D8F0), Ears::Big, Snout::Trunk, Mark::None}),  // elephant
        AnimalDesign({Palette::ORANGE, Palette::CREAM, Ears::Round, Snout::Whiskers, Mark::Stripes}),  // tiger
        AnimalDesign({FUR_BROWN, TAN, Ears::Round, Snout::Smile, Mark::Disc}),  // monkey
        AnimalDesign({WHITE, WHITE, Ears::Round, Snout::Muzzle, Mark::Patches}),  // panda
        AnimalDesign({Palette::SUN, Colour::Hex(0xE0A040), Ears::Horns, Snout::Horse, Mark::Spots}),  // giraffe
        AnimalDesign({GREY, LIGHT_GREY, Ears::Big, Snout::Koala, Mark::None}),  // koala
        AnimalDesign({Colour::Hex(0xB89AD8), Colour::Hex(0xD8C4F0), Ears::Tiny, Snout::Hippo, Mark::None}),  // hippo
        AnimalDesign({Colour::Hex(0x5A5468), Colour::Hex(0xA89DB8), Ears::Tiny, Snout::Smile, Mark::Disc}),  // gorilla
        AnimalDesign({WHITE, LIGHT_GREY, Ears::Tufts, Snout::Horse, Mark::Stripes}),  // zebra
    }};
}
