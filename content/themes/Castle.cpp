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
    Solid(canvas, Palette::kSun);
    for (const auto& [x, colour] :
         {std::pair{30.0, Palette::kRed}, {50.0, Palette::kBlue}, {70.0, Palette::kGreen}})
        Dot(canvas, x, 68, 6, colour);
}

void Tower(Canvas& canvas, double x, double top, double width, double bottom) {
    SceneKit::Box(canvas, x, top, width, bottom - top, Colour::Hex(0xC9C3E0));
    canvas.Polygon({x - 8, top, x + width / 2, top - width, x + width + 8, top});
    canvas.FillAndOutline(Palette::kPurple, kInk, 3);
    DesignKit::Band(canvas, x + width / 2, top - width, x + width / 2, top - width - 24, kInk, 1);
    canvas.Polygon({x + width / 2, top - width - 24, x + width / 2 + 22, top - width - 18,
                    x + width / 2, top - width - 12});
    canvas.FillAndOutline(Palette::kPink, kInk, 2);
    SceneKit::Box(canvas, x + width / 2 - 7, top + 20, 14, 22, Palette::kSun.Lighter(0.4));
}

void Scene(Canvas& canvas) {
    SceneKit::Sky(canvas, Colour::Hex(0xF7C8E8), Colour::Hex(0xFFF0F6), SceneKit::kHeight);
    SceneKit::Cloud(canvas, 120, 70, 40);
    SceneKit::Cloud(canvas, 740, 60, 34);
    SceneKit::Hill(canvas, 620, 200, 300, 110, Palette::kGrass.Lighter(0.25));
    // The castle on its hill, far away.
    Tower(canvas, 540, 50, 46, 150);
    Tower(canvas, 700, 50, 46, 150);
    SceneKit::Box(canvas, 586, 80, 114, 70, Colour::Hex(0xD8D2EC));
    canvas.RoundedBox(624, 104, 38, 46, 18);
    canvas.FillAndOutline(Palette::kBrown, kInk, 3);
    SceneKit::Ground(canvas, 190, Palette::kGrass, Palette::kDarkGrass);
    // The frog's pond with its lily pads.
    canvas.Ellipse(200, 240, 150, 50);
    canvas.FillAndOutline(Palette::kSky, kInk, 3);
    for (const auto& [x, y] : {std::pair{110.0, 250.0}, {300.0, 256.0}}) {
        canvas.Ellipse(x, y, 30, 12);
        canvas.FillAndOutline(Palette::kGreen, kInk, 2.5);
    }
    for (const auto& [x, y] : {std::pair{500.0, 420.0},
                               {700.0, 520.0},
                               {160.0, 450.0},
                               {320.0, 540.0},
                               {820.0, 380.0}}) {
        SceneKit::Daisy(canvas, x, y, Palette::kPink);
    }
}

}  // namespace

PageTheme Themes::Castle() {
    return {
        "The fairy-tale castle",
        Palette::kPurple,
        Scene,
        {
            {"crown", Crown},
            {"unicorn", AnimalDesign({kWhite, kSoftPink, Ears::Pointed, Snout::Horse, Mark::Horn})},
            {"frog", AnimalDesign({Palette::kGreen, Palette::kGreen, Ears::None, Snout::Frog,
                                   Mark::Cheeks})},
        }};
}
