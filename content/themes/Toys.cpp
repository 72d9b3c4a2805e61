// Page 11: the toy room.

#include "content/themes/Themes.h"

#include <cairo.h>

#include <cmath>
#include <cstdint>
#include <tuple>

#include "content/DesignKit.h"
#include "content/Furniture.h"
#include "content/SceneKit.h"

namespace {

using namespace DesignKit;

constexpr Colour kBearFur = Colour::Hex(0xC07A45);

// A whole teddy bear sitting with its legs out in front, the soles of its feet showing.
void Teddy(Canvas& canvas) {
    PairOf([&](double side) {
        canvas.Circle(50 + side * 20, 16, 11);
        Solid(canvas, kBearFur);
        canvas.Ellipse(50 + side * 30, 62, 10, 15);
        Solid(canvas, kBearFur);
    });
    canvas.Ellipse(50, 68, 24, 24);
    Solid(canvas, kBearFur);
    canvas.Ellipse(50, 72, 13, 13);
    canvas.FillPath(kTan);
    PairOf([&](double side) {
        canvas.Ellipse(50 + side * 24, 86, 14, 12);
        Solid(canvas, kBearFur);
        canvas.Ellipse(50 + side * 26, 87, 8, 7);
        canvas.FillPath(kTan);
    });
    canvas.Circle(50, 34, 22);
    Solid(canvas, kBearFur);
    canvas.Ellipse(50, 42, 10, 8);
    Solid(canvas, kTan);
    Dot(canvas, 50, 39, 3.5, kInk);
    Eyes(canvas, 50, 30, 18, 3.5);
    PairOf([&](double side) {
        canvas.Polygon({50, 56, 50 + side * 12, 50, 50 + side * 12, 62});
        Solid(canvas, Palette::kRed);
    });
}

// A tin robot standing on its feet, arms out, a heart on its chest.
void Robot(Canvas& canvas) {
    Line(canvas, 50, 14, 50, 4, kInk, 3);
    Dot(canvas, 50, 4, 4, Palette::kRed);
    PairOf([&](double side) {
        Band(canvas, 50 + side * 24, 52, 50 + side * 40, 70, kLightGrey, 7);
        Dot(canvas, 50 + side * 41, 72, 6, Palette::kRed);
        canvas.RoundedBox(50 + side * 12 - 6, 76, 12, 16, 2);
        Solid(canvas, kGrey);
        canvas.RoundedBox(50 + side * 13 - 11, 88, 22, 9, 3);
        Solid(canvas, Palette::kBlue.Darker(0.8));
    });
    canvas.RoundedBox(28, 12, 44, 30, 6);
    Solid(canvas, kLightGrey);
    for (const double x : {40.0, 60.0}) {
        canvas.Circle(x, 26, 6);
        Solid(canvas, Palette::kSun);
    }
    canvas.RoundedBox(40, 34, 20, 4, 2);
    canvas.FillPath(kInk);
    canvas.RoundedBox(24, 44, 52, 36, 6);
    Solid(canvas, Palette::kBlue);
    canvas.Heart(50, 62, 16);
    Solid(canvas, Palette::kRed);
}

void SpinningTop(Canvas& canvas) {
    Band(canvas, 50, 6, 50, 20, kDarkBrown, 5);
    canvas.Polygon({12, 40, 50, 20, 88, 40, 50, 96});
    Solid(canvas, Palette::kPink);
    canvas.Polygon({14, 44, 86, 44, 78, 56, 22, 56});
    Solid(canvas, Palette::kSun);
}

// A yo-yo turned a little to show its two halves, its string up to a finger loop.
void YoYo(Canvas& canvas) {
    canvas.Ellipse(50, 12, 10, 9);
    canvas.StrokePath(kInk, 4);
    canvas.Circle(58, 62, 32);
    Solid(canvas, Palette::kRed.Darker(0.8));
    canvas.Circle(46, 64, 32);
    Solid(canvas, Palette::kRed);
    canvas.Circle(46, 64, 20);
    canvas.StrokePath(Palette::kSun, 5);
    Line(canvas, 46, 64, 50, 21, kInk, 3);
    Dot(canvas, 46, 64, 6, kWhite);
    Dot(canvas, 46, 64, 2.5, kInk);
}

void Pinwheel(Canvas& canvas) {
    Band(canvas, 50, 50, 50, 98, kTan, 4);
    const Colour vanes[] = {Palette::kRed, Palette::kSun, Palette::kBlue, Palette::kGreen};
    for (int32_t vane = 0; vane < 4; ++vane) {
        cairo_t* context = canvas.Context();
        cairo_save(context);
        cairo_translate(context, 50, 46);
        cairo_rotate(context, vane * kPi / 2);
        canvas.Polygon({0, 0, 0, -40, 30, -10});
        cairo_restore(context);
        Solid(canvas, vanes[vane]);
    }
    Dot(canvas, 50, 46, 5, kInk);
}

// A toy train engine.
void Train(Canvas& canvas) {
    const Colour body = Palette::kBlue;
    canvas.RoundedBox(20, 16, 14, 22, 3);
    Solid(canvas, kInk);
    canvas.RoundedBox(8, 36, 56, 42, 6);
    Solid(canvas, body);
    canvas.RoundedBox(56, 24, 36, 54, 6);
    Solid(canvas, body.Darker(0.85));
    canvas.RoundedBox(64, 32, 20, 18, 3);
    Solid(canvas, Palette::kPaleSky);
    Wheels(canvas, {22, 48, 76}, 84, 11);
}

// The window, its sill holding the pinwheel up to the breeze.
void WindowWithSill(Canvas& canvas) {
    SceneKit::Window(canvas, 30, 30, 140, 190);
    SceneKit::Cloud(canvas, 130, 74, 16);
    canvas.Polygon({60, 60, 72, 46, 84, 60, 72, 76});
    canvas.FillAndOutline(Palette::kOrange.Lighter(0.4), kInk, 1.5);
    Line(canvas, 72, 76, 86, 104, kInk, 1.5);
    SceneKit::Box(canvas, 18, 234, 164, 12, kWhite);
}

// A peg rail on the wall: the yo-yo hangs by its loop from the middle peg.
void PegRail(Canvas& canvas) {
    SceneKit::Box(canvas, 440, 294, 190, 14, Furniture::kWood);
    for (const double x : {462.0, 531.0, 600.0}) {
        canvas.Circle(x, 301, 5);
        canvas.FillAndOutline(Furniture::kWood.Darker(0.8), kInk, 2);
    }
    canvas.Polygon({596, 304, 612, 304, 618, 372, 592, 372});
    canvas.FillAndOutline(Palette::kGreen.Lighter(0.45), kInk, 2.5);
    for (const double y : {322.0, 342.0}) Line(canvas, 596, y, 614, y, kWhite, 4);
}

// A row of picture books on the train's shelf, and a star mobile from the ceiling.
void BooksAndMobile(Canvas& canvas) {
    const Colour spines[] = {Palette::kRed, Palette::kSun, Palette::kBlue, Palette::kGreen};
    for (int32_t book = 0; book < 6; ++book) {
        SceneKit::Box(canvas, 718 + book * 16, 262 + (book % 3) * 6, 14, 48 - (book % 3) * 6,
                      spines[book % 4].Lighter(0.5));
    }
    Line(canvas, 250, 0, 250, 60, kInk, 2);
    Line(canvas, 200, 60, 300, 60, kInk, 2.5);
    for (const auto& [x, length] : {std::tuple{204.0, 30.0}, {250.0, 50.0}, {296.0, 24.0}}) {
        Line(canvas, x, 60, x, 60 + length, kInk, 1.5);
        canvas.Star(x, 70 + length, 11, 5, 5);
        canvas.FillAndOutline(Palette::kSun.Lighter(0.5), kInk, 2);
    }
}

// The toy box, lid open, on the right of the floor.
void ToyBox(Canvas& canvas) {
    canvas.Polygon({690, 410, 830, 410, 850, 350, 710, 350});
    canvas.FillAndOutline(Palette::kRed.Lighter(0.4), kInk, 3);
    SceneKit::Box(canvas, 680, 410, 160, 110, Palette::kRed.Lighter(0.3));
    canvas.Text("TOYS", 760, 466, 28, Palette::kWhite);
}

// A child's drawing of a house in the sun, pinned to the wall.
void PinnedDrawing(Canvas& canvas) {
    canvas.Polygon({232, 236, 322, 228, 328, 306, 236, 312});
    canvas.FillAndOutline(kWhite, kInk, 2);
    canvas.Polygon({258, 300, 258, 272, 278, 254, 298, 272, 298, 300});
    canvas.StrokePath(Palette::kRed.Lighter(0.3), 3);
    canvas.Circle(306, 248, 8);
    canvas.StrokePath(Palette::kSun, 3);
    Dot(canvas, 278, 232, 3, Palette::kRed);
}

// A framed picture of a sailing boat on the sea, high on the wall.
void BoatPicture(Canvas& canvas) {
    SceneKit::Box(canvas, 690, 70, 120, 96, Furniture::kWood);
    canvas.VerticalGradient(700, 80, 100, 76, Palette::kPaleSky, Palette::kSky.Lighter(0.3));
    SceneKit::Box(canvas, 700, 134, 100, 22, Palette::kBlue.Lighter(0.5));
    canvas.Polygon({730, 134, 770, 134, 764, 142, 736, 142});
    canvas.FillAndOutline(Palette::kRed.Lighter(0.4), kInk, 2);
    canvas.Polygon({750, 130, 750, 92, 772, 130});
    canvas.FillAndOutline(kWhite, kInk, 2);
}

// A picture book left open on the rug.
void OpenBook(Canvas& canvas) {
    for (const double side : {-1.0, 1.0}) {
        canvas.Polygon({300, 540, 300 + side * 46, 532, 300 + side * 46, 506, 300, 514});
        canvas.FillAndOutline(kWhite, kInk, 2.5);
        for (const double y : {520.0, 528.0})
            Line(canvas, 300 + side * 8, y, 300 + side * 36, y - 3, kLightGrey, 2);
    }
}

void Scene(Canvas& canvas) {
    SceneKit::Room(canvas, Colour::Hex(0xCDE8FF), Colour::Hex(0xE9C28F), 400);
    Furniture::Rug(canvas, 400, 500, 300, 70, Colour::Hex(0xFFC9D6));
    WindowWithSill(canvas);
    BooksAndMobile(canvas);
    PinnedDrawing(canvas);
    BoatPicture(canvas);
    OpenBook(canvas);
    PegRail(canvas);
    Furniture::WallShelf(canvas, 410, 99, 120);
    Furniture::WallShelf(canvas, 300, 175, 120);
    Furniture::WallShelf(canvas, 580, 312, 250);
    ToyBox(canvas);
}

}  // namespace

PageTheme Themes::Toys() {
    return {"The toy room",
            Palette::kPurple,
            Scene,
            {
                {"teddy", Teddy},
                {"robot", Robot},
                {"spinning top", SpinningTop},
                {"yo-yo", YoYo},
                {"pinwheel", Pinwheel},
                {"toy train", Train},
            }};
}
