// Page 15: pets at home.

#include "content/themes/Themes.h"

#include <utility>

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
    Solid(canvas, Palette::kOrange);
    Eyes(canvas, 34, 46, 0, 4);
    Leaf(canvas, 44, 60, 30, 0.1, colour.Darker(0.8));
}

void Scene(Canvas& canvas) {
    SceneKit::Room(canvas, Colour::Hex(0xFFE6C7), Colour::Hex(0xC9925E), 380);
    SceneKit::Window(canvas, 330, 40, 170, 140);
    // A sofa and a pet basket.
    SceneKit::Box(canvas, 40, 250, 300, 110, Colour::Hex(0x7FB7E8));
    SceneKit::Box(canvas, 20, 300, 340, 80, Colour::Hex(0x6AA6DD));
    SceneKit::Box(canvas, 40, 380, 20, 20, Colour::Hex(0x7A4A26));
    SceneKit::Box(canvas, 320, 380, 20, 20, Colour::Hex(0x7A4A26));
    canvas.Ellipse(480, 450, 110, 40);
    canvas.FillAndOutline(Colour::Hex(0xE9C28F), kInk, 3);
    canvas.Ellipse(480, 440, 90, 24);
    canvas.FillAndOutline(Palette::kRed.Lighter(0.4), kInk, 2.5);
    // Paw prints across the floor.
    for (const auto& [x, y] :
         {std::pair{120.0, 470.0}, {180.0, 520.0}, {240.0, 480.0}, {600.0, 560.0}}) {
        DesignKit::Dot(canvas, x, y, 9, Colour::Hex(0xA8764A));
        for (const double dx : {-9.0, 0.0, 9.0})
            DesignKit::Dot(canvas, x + dx, y - 13, 4, Colour::Hex(0xA8764A));
    }
}

}  // namespace

PageTheme Themes::Pets() {
    return {"Pets at home",
            Palette::kOrange,
            Scene,
            {
                {"black cat", AnimalDesign({Colour::Hex(0x4A4458), kSoftPink, Ears::Pointed,
                                            Snout::Whiskers, Mark::None})},
                {"bunny", AnimalDesign({Colour::Hex(0xEDEDF5), kSoftPink, Ears::Long,
                                        Snout::Whiskers, Mark::Cheeks})},
                {"white mouse",
                 AnimalDesign({kWhite, kSoftPink, Ears::Big, Snout::Whiskers, Mark::None})},
                {"hamster", AnimalDesign({Colour::Hex(0xF7C68A), Palette::kCream, Ears::Tiny,
                                          Snout::Whiskers, Mark::Cheeks})},
                {"tabby",
                 AnimalDesign({kGrey, kSoftPink, Ears::Pointed, Snout::Whiskers, Mark::Stripes})},
                {"budgie", With(Bird, Palette::kBlue)},
                {"brown bunny", AnimalDesign({kFurBrown, Palette::kCream, Ears::Long,
                                              Snout::Whiskers, Mark::Cheeks})},
                {"parakeet", With(Bird, Palette::kGreen)},
                {"lovebird", With(Bird, Palette::kRed)},
            }};
}
