// Page 1: the zoo.

#include "content/themes/Themes.h"

#include <cairo.h>

#include <utility>

#include "content/AnimalFaces.h"
#include "content/DesignKit.h"
#include "content/SceneKit.h"

namespace {

using namespace DesignKit;

void Palm(Canvas& canvas, double x, double groundY, double height) {
    cairo_t* context = canvas.Context();
    for (const auto& [ink, width] : {std::pair{kInk, 20.0}, {Colour::Hex(0xC98B52), 13.0}}) {
        cairo_move_to(context, x, groundY);
        cairo_curve_to(context, x + 10, groundY - height * 0.5, x - 6, groundY - height * 0.8,
                       x + 8, groundY - height);
        canvas.StrokePath(ink, width);
    }
    for (const double turn : {-2.9, -2.3, -1.7, -1.1, -0.4}) {
        Leaf(canvas, x + 8, groundY - height, 70, turn, Palette::kGreen);
    }
}

void Flamingo(Canvas& canvas) {
    Line(canvas, 50, 66, 50, 98, kInk, 3);
    Line(canvas, 50, 82, 40, 92, kInk, 3);
    cairo_t* context = canvas.Context();
    for (const auto& [colour, width] : {std::pair{kInk, 15.0}, {Palette::kPink, 8.0}}) {
        cairo_move_to(context, 38, 56);
        cairo_curve_to(context, 22, 40, 58, 36, 44, 18);
        canvas.StrokePath(colour, width);
    }
    canvas.Ellipse(54, 58, 26, 16);
    Solid(canvas, Palette::kPink);
    Leaf(canvas, 46, 56, 26, 0.1, Palette::kPink.Darker(0.85));
    canvas.Circle(46, 16, 10);
    Solid(canvas, Palette::kPink);
    canvas.Polygon({52, 12, 70, 20, 62, 28, 52, 20});
    Solid(canvas, kWhite);
    Eyes(canvas, 44, 14, 0, 2.5);
}

void Scene(Canvas& canvas) {
    SceneKit::Sky(canvas, Palette::kSky, Palette::kPaleSky, SceneKit::kHeight);
    SceneKit::Cloud(canvas, 300, 60, 40);
    SceneKit::Hill(canvas, 720, 250, 230, 70, Palette::kDarkGrass.Lighter(0.3));
    SceneKit::Ground(canvas, 250, Colour::Hex(0xB5DD6A), Colour::Hex(0x7DBB4E));
    // A sandy path and the hippos' pool.
    cairo_t* context = canvas.Context();
    cairo_move_to(context, 380, 250);
    cairo_curve_to(context, 300, 360, 520, 420, 420, SceneKit::kHeight + 4);
    canvas.StrokePath(kInk, 74);
    cairo_move_to(context, 380, 250);
    cairo_curve_to(context, 300, 360, 520, 420, 420, SceneKit::kHeight + 4);
    canvas.StrokePath(Colour::Hex(0xF2DCA0), 68);
    canvas.Ellipse(160, 330, 120, 40);
    canvas.FillAndOutline(Palette::kSky, kInk, 3);
    Palm(canvas, 560, 300, 200);
    Palm(canvas, 60, 560, 180);
    Palm(canvas, 800, 520, 160);
    // The gate with its sign.
    canvas.RoundedBox(250, 120, 18, 140, 4);
    canvas.RoundedBox(480, 120, 18, 140, 4);
    canvas.FillAndOutline(Colour::Hex(0xC98B52), kInk, 3);
    canvas.RoundedBox(236, 86, 276, 48, 14);
    canvas.FillAndOutline(Palette::kSun, kInk, 3);
    canvas.OutlinedText("ZOO", 374, 110, 34, Palette::kWhite, kInk, 3);
}

}  // namespace

PageTheme Themes::Zoo() {
    return {
        "The zoo",
        Palette::kOrange,
        Scene,
        {
            {"lion", AnimalDesign(
                         {Palette::kSun, Palette::kCream, Ears::Round, Snout::Muzzle, Mark::Mane})},
            {"elephant", AnimalDesign({Colour::Hex(0x9DB4D8), Colour::Hex(0xC9D8F0), Ears::Big,
                                       Snout::Trunk, Mark::None})},
            {"tiger", AnimalDesign({Palette::kOrange, Palette::kCream, Ears::Round, Snout::Whiskers,
                                    Mark::Stripes})},
            {"monkey", AnimalDesign({kFurBrown, kTan, Ears::Round, Snout::Smile, Mark::Disc})},
            {"panda", AnimalDesign({kWhite, kWhite, Ears::Round, Snout::Muzzle, Mark::Patches})},
            {"giraffe", AnimalDesign({Palette::kSun, Colour::Hex(0xE0A040), Ears::Horns,
                                      Snout::Horse, Mark::Spots})},
            {"koala", AnimalDesign({kGrey, kLightGrey, Ears::Big, Snout::Koala, Mark::None})},
            {"hippo", AnimalDesign({Colour::Hex(0xB89AD8), Colour::Hex(0xD8C4F0), Ears::Tiny,
                                    Snout::Hippo, Mark::None})},
            {"gorilla", AnimalDesign({Colour::Hex(0x5A5468), Colour::Hex(0xA89DB8), Ears::Tiny,
                                      Snout::Smile, Mark::Disc})},
            {"flamingo", Flamingo},
        }};
}
