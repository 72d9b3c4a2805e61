// Page 5: the town.

#include "content/themes/Themes.h"

#include <cairo.h>

#include <cstdint>
#include <initializer_list>
#include <utility>

#include "content/DesignKit.h"
#include "content/SceneKit.h"

namespace {

using namespace DesignKit;

enum class Roof { None, Taxi, Siren, Racing };

void Car(Canvas& canvas, Colour body, Roof roof) {
    if (roof == Roof::Taxi) {
        canvas.RoundedBox(40, 18, 20, 10, 3);
        Solid(canvas, Palette::kSun);
    } else if (roof == Roof::Siren) {
        canvas.RoundedBox(42, 16, 16, 12, 5);
        Solid(canvas, Palette::kBlue);
    }
    if (roof == Roof::Racing) {
        canvas.Polygon({6, 70, 10, 50, 40, 46, 60, 34, 94, 56, 94, 70});
    } else {
        canvas.Polygon({8, 72, 8, 52, 24, 48, 32, 28, 70, 28, 80, 48, 94, 54, 94, 72});
    }
    Solid(canvas, body);
    if (roof == Roof::Racing) {
        canvas.Circle(58, 54, 9);
        Solid(canvas, kWhite);
        canvas.Text("1", 58, 54, 12, kInk);
    } else {
        canvas.Polygon({36, 46, 40, 33, 52, 33, 52, 46});
        canvas.Polygon({58, 46, 58, 33, 66, 33, 72, 46});
        Solid(canvas, Palette::kPaleSky);
    }
    Wheels(canvas, {28, 74}, 74, 11);
}

void Bus(Canvas& canvas) {
    canvas.RoundedBox(6, 22, 88, 52, 8);
    Solid(canvas, Palette::kSun);
    for (int32_t i = 0; i < 4; ++i) {
        canvas.RoundedBox(12 + i * 20, 30, 14, 16, 3);
        Solid(canvas, Palette::kPaleSky);
    }
    Line(canvas, 8, 56, 92, 56, Palette::kRed, 4);
    Wheels(canvas, {26, 74}, 76, 10);
}

void FireEngine(Canvas& canvas) {
    Band(canvas, 14, 20, 66, 20, kLightGrey, 6);
    for (double x = 20; x < 66; x += 10) Line(canvas, x, 17, x, 23, kInk, 2);
    canvas.Polygon({6, 74, 6, 30, 64, 30, 64, 40, 82, 40, 94, 56, 94, 74});
    Solid(canvas, Palette::kRed);
    canvas.Polygon({68, 44, 80, 44, 88, 56, 68, 56});
    Solid(canvas, Palette::kPaleSky);
    canvas.RoundedBox(50, 22, 10, 8, 3);
    Solid(canvas, Palette::kBlue);
    Wheels(canvas, {24, 76}, 76, 10);
}

void Bicycle(Canvas& canvas, Colour frame) {
    for (const double x : {26.0, 74.0}) {
        canvas.Circle(x, 66, 18);
        canvas.StrokePath(kInk, 6);
    }
    Band(canvas, 26, 66, 46, 40, frame, 4);
    Band(canvas, 46, 40, 74, 66, frame, 4);
    Band(canvas, 46, 40, 70, 40, frame, 4);
    Band(canvas, 26, 66, 50, 66, frame, 4);
    Band(canvas, 70, 40, 74, 66, frame, 4);
    Band(canvas, 40, 30, 52, 30, kInk, 3);
    Band(canvas, 66, 30, 70, 40, kInk, 3);
}

void House(Canvas& canvas, double x, double ground, double width, double height, Colour wall,
           Colour roof) {
    canvas.Polygon({x - 8, ground - height, x + width / 2, ground - height - 40, x + width + 8,
                    ground - height});
    canvas.FillAndOutline(roof, kInk, 3);
    SceneKit::Box(canvas, x, ground - height, width, height, wall);
    for (double wx = x + 14; wx + 26 < x + width; wx += 40) {
        SceneKit::Box(canvas, wx, ground - height + 14, 26, 26, Palette::kPaleSky);
    }
    SceneKit::Box(canvas, x + width / 2 - 13, ground - 40, 26, 40, roof.Darker(0.8));
}

// A road with its dashed middle line along the points given, round at its bends.
void Road(Canvas& canvas, std::initializer_list<std::pair<double, double>> points) {
    cairo_t* context = canvas.Context();
    const auto trace = [&] {
        for (const auto& [x, y] : points) cairo_line_to(context, x, y);
    };
    cairo_new_path(context);
    trace();
    canvas.StrokePath(kInk, 84);
    cairo_new_path(context);
    trace();
    canvas.StrokePath(Colour::Hex(0x8A8EA2), 78);
    cairo_new_path(context);
    trace();
    canvas.DashedStroke(Palette::kWhite, 5, 22);
}

void Scene(Canvas& canvas) {
    canvas.Fill(Palette::kGrass);
    // The town seen from a hilltop: three streets, each through the places where the
    // cars, the bus and the bicycles belong.
    Road(canvas, {{-20, 75}, {160, 75}, {380, 55}, {640, 120}, {870, 120}});
    Road(canvas, {{-20, 300}, {200, 300}, {340, 225}, {480, 210}, {600, 150}, {640, 120}});
    Road(canvas, {{-20, 472}, {300, 480}, {520, 480}, {700, 477}, {870, 470}});
    House(canvas, 200, 430, 110, 90, Colour::Hex(0xFFE1A8), Palette::kRed);
    House(canvas, 380, 430, 120, 110, Colour::Hex(0xBFE3FF), Palette::kPurple);
    House(canvas, 560, 420, 100, 100, Colour::Hex(0xFFC9DA), Palette::kBlue);
    House(canvas, 700, 400, 110, 120, Colour::Hex(0xD5F0C0), Palette::kOrange);
    House(canvas, 30, 250, 100, 90, Colour::Hex(0xFFF1A8), Palette::kGreen);
    House(canvas, 700, 250, 120, 80, Colour::Hex(0xFFE1A8), Palette::kPurple);
    for (const auto& [x, y] :
         {std::pair{240.0, 170.0}, {520.0, 300.0}, {80.0, 560.0}, {460.0, 570.0}, {790.0, 570.0}}) {
        SceneKit::Bush(canvas, x, y, 40, Palette::kDarkGrass);
    }
}

}  // namespace

PageTheme Themes::Town() {
    return {"The town",
            Palette::kBlue,
            Scene,
            {
                {"red car", With(Car, Palette::kRed, Roof::None)},
                {"yellow car", With(Car, Palette::kSun, Roof::Taxi)},
                {"white car", With(Car, kWhite, Roof::Siren)},
                {"bus", Bus},
                {"fire engine", FireEngine},
                {"purple bicycle", With(Bicycle, Palette::kPurple)},
                {"blue car", With(Car, Palette::kBlue, Roof::None)},
                {"red bicycle", With(Bicycle, Palette::kRed)},
            }};
}
