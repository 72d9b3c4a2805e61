// Page 18: the kitchen.

#include "content/themes/Themes.h"

#include <cairo.h>

#include <cstdint>
#include <tuple>
#include <utility>

#include "content/DesignKit.h"
#include "content/Furniture.h"
#include "content/SceneKit.h"
#include "content/ShapePath.h"
#include "content/SoftScenery.h"

namespace {

using namespace DesignKit;

constexpr Colour kCheese = Colour::Hex(0xFFD54A);
constexpr Colour kToast = Colour::Hex(0xF2B45C);
constexpr Colour kCrust = Colour::Hex(0xA8612A);
constexpr Colour kHoney = Colour::Hex(0xF5A623);
constexpr Colour kPanGrey = Colour::Hex(0x5C6170);

// A handle drawn as a thick curved band: half a ring around (x, y) between two angles.
void RingHandle(Canvas& canvas, double x, double y, double radius, double from, double to,
                Colour colour) {
    cairo_new_path(canvas.Context());
    cairo_arc(canvas.Context(), x, y, radius, from, to);
    canvas.StrokePath(kInk, 13);
    cairo_new_path(canvas.Context());
    cairo_arc(canvas.Context(), x, y, radius, from, to);
    canvas.StrokePath(colour, 6);
}

// A frying pan hanging by its handle, a fried egg in it.
void FryingPan(Canvas& canvas) {
    Band(canvas, 50, 6, 50, 38, kDarkBrown, 10);
    Dot(canvas, 50, 12, 2.5, kInk);
    canvas.Circle(50, 64, 35);
    Solid(canvas, kPanGrey);
    canvas.Circle(50, 64, 27);
    canvas.FillPath(kPanGrey.Lighter(0.3));
    ShapePath::Trace(canvas, {{30, 62},
                              {26, 46, 46, 40, 54, 46},
                              {68, 42, 76, 60, 68, 70},
                              {64, 86, 40, 86, 36, 76},
                              {28, 74, 26, 68, 30, 62}});
    Solid(canvas, kWhite);
    canvas.Circle(51, 62, 11);
    Solid(canvas, Palette::kSun);
    Face(canvas, 51, 63, 18);
}

// A slice of toast: the bread's domed top, a dark crust all round and a pat of butter.
void Toast(Canvas& canvas) {
    const auto slice = [&canvas](double inset) {
        ShapePath::Trace(canvas, {{16 + inset, 96 - inset},
                                  {16 + inset, 40},
                                  {2 + inset, 36, 2 + inset, 6 + inset, 30, 6 + inset},
                                  {70, 6 + inset},
                                  {98 - inset, 6 + inset, 98 - inset, 36, 84 - inset, 40},
                                  {84 - inset, 96 - inset}});
    };
    slice(0);
    Solid(canvas, kCrust);
    slice(8);
    canvas.FillPath(kToast);
    canvas.RoundedBox(56, 26, 20, 14, 4);
    Solid(canvas, Colour::Hex(0xFFF1A8));
    Face(canvas, 48, 62, 40);
}

// A boiled egg standing in a spotted egg cup, a crack across its shell.
void BoiledEgg(Canvas& canvas) {
    cairo_t* context = canvas.Context();
    ShapePath::Trace(canvas, {{22, 60}, {18, 30, 34, 4, 50, 4}, {66, 4, 82, 30, 78, 60}});
    Solid(canvas, Colour::Hex(0xF3D6B0));
    Dot(canvas, 36, 22, 4, Colour::Hex(0xF3D6B0).Lighter(0.6));
    cairo_new_path(context);
    for (const auto& [x, y] : {std::pair{32.0, 26.0}, {40.0, 32.0}, {46.0, 24.0}, {52.0, 30.0}})
        cairo_line_to(context, x, y);
    canvas.StrokePath(kInk, 2.5);
    canvas.Polygon({36, 80, 64, 80, 72, 96, 28, 96});
    Solid(canvas, Palette::kBlue);
    ShapePath::Trace(canvas, {{16, 50}, {16, 72, 30, 84, 50, 84}, {70, 84, 84, 72, 84, 50}});
    Solid(canvas, Palette::kBlue);
    for (const double x : {30.0, 50.0, 70.0}) Dot(canvas, x, 66, 4, kWhite);
    Eyes(canvas, 50, 40, 16, 3.4);
}

// A wedge of cheese seen from the side: a pale top and holes in its cut face.
void Cheese(Canvas& canvas) {
    canvas.Polygon({6, 56, 94, 40, 94, 84, 6, 92});
    Solid(canvas, kCheese);
    canvas.Polygon({6, 56, 60, 12, 94, 40});
    Solid(canvas, kCheese.Lighter(0.45));
    for (const auto& [x, y, radius] :
         {std::tuple{24.0, 74.0, 7.0}, {80.0, 60.0, 6.0}, {52.0, 82.0, 4.5}, {70.0, 76.0, 3.5}})
        Dot(canvas, x, y, radius, Colour::Hex(0xE0A526));
    canvas.Ellipse(44, 36, 6, 3);
    canvas.FillPath(Colour::Hex(0xE0A526));
    Face(canvas, 48, 64, 28);
}

// A pot of honey: a red-checked cloth tied over its lid, honey running down, a dipper.
void HoneyPot(Canvas& canvas) {
    Band(canvas, 70, 30, 88, 4, kTan, 5);
    canvas.Ellipse(86, 8, 8, 6);
    Solid(canvas, kHoney);
    canvas.Ellipse(50, 64, 38, 32);
    Solid(canvas, kHoney);
    canvas.Polygon({14, 40, 86, 40, 80, 26, 20, 26});
    Solid(canvas, Palette::kRed);
    for (const double x : {28.0, 44.0, 60.0, 74.0}) Dot(canvas, x, 33, 3, kWhite);
    canvas.RoundedBox(24, 54, 52, 24, 5);
    Solid(canvas, Palette::kCream);
    canvas.Text("HONEY", 50, 66, 10, kInk);
    ShapePath::Trace(canvas, {{22, 44}, {22, 56, 30, 56, 30, 44}});
    canvas.FillAndOutline(kHoney.Darker(0.9), kInk, 2.5);
}

// A juice box with a bendy straw and an orange on its front.
void JuiceBox(Canvas& canvas) {
    Band(canvas, 62, 22, 62, 12, kWhite, 4);
    Band(canvas, 62, 12, 74, 2, kWhite, 4);
    canvas.Polygon({24, 26, 36, 16, 80, 16, 68, 26});
    Solid(canvas, Palette::kOrange.Lighter(0.3));
    canvas.Polygon({68, 26, 80, 16, 80, 86, 68, 96});
    Solid(canvas, Palette::kOrange.Darker(0.85));
    canvas.RoundedBox(24, 26, 44, 70, 3);
    Solid(canvas, Palette::kOrange);
    canvas.Circle(46, 72, 14);
    Solid(canvas, Palette::kSun);
    Leaf(canvas, 48, 58, 12, -0.6, Palette::kGreen);
    Eyes(canvas, 46, 40, 16, 3.4);
}

// A big spotted mug with steam rising from it.
void Mug(Canvas& canvas) {
    RingHandle(canvas, 74, 58, 16, -1.6, 1.6, Palette::kBlue);
    canvas.RoundedBox(10, 28, 66, 68, 10);
    Solid(canvas, Palette::kBlue);
    for (const auto& [x, y] : {std::pair{22.0, 40.0}, {62.0, 44.0}, {20.0, 84.0}, {66.0, 84.0}})
        Dot(canvas, x, y, 4, kWhite);
    Face(canvas, 43, 62, 36);
    cairo_t* context = canvas.Context();
    for (const double x : {30.0, 50.0}) {
        cairo_move_to(context, x, 22);
        cairo_curve_to(context, x - 8, 14, x + 8, 8, x, 2);
    }
    canvas.StrokePath(kGrey, 3.5);
}

// A round teapot with a spout, a handle and a lid.
void Teapot(Canvas& canvas) {
    canvas.Polygon({70, 62, 92, 30, 100, 34, 82, 74});
    Solid(canvas, Palette::kPink);
    RingHandle(canvas, 18, 60, 16, 1.6, 4.7, Palette::kPink);
    canvas.Ellipse(50, 64, 36, 30);
    Solid(canvas, Palette::kPink);
    canvas.Ellipse(50, 36, 22, 7);
    Solid(canvas, Palette::kPink.Lighter(0.4));
    canvas.Circle(50, 26, 7);
    Solid(canvas, Palette::kPink);
    for (const double x : {30.0, 50.0, 70.0}) Dot(canvas, x, 80, 4.5, kWhite);
    Face(canvas, 50, 60, 30);
}

// A glass bottle of milk with a foil cap and a label.
void MilkBottle(Canvas& canvas) {
    canvas.Polygon({36, 10, 64, 10, 64, 26, 78, 42, 78, 96, 22, 96, 22, 42, 36, 26});
    Solid(canvas, kWhite);
    canvas.RoundedBox(33, 2, 34, 12, 4);
    Solid(canvas, Palette::kBlue);
    canvas.RoundedBox(22, 52, 56, 30, 2);
    Solid(canvas, Palette::kSky);
    canvas.Text("MILK", 50, 67, 15, kInk);
    Eyes(canvas, 50, 40, 16, 3.2);
}

// ---- The kitchen around the food ----

constexpr Colour kWall = Colour::Hex(0xFFF1C9);
constexpr Colour kWoodLight = Colour::Hex(0xE8C493);
constexpr Colour kCupboard = Colour::Hex(0xA9DCC0);
constexpr Colour kSoftLine = Colour::Hex(0x8C7A66);

// The wall: tiles behind the worktop, the window with a plant, a clock and a drawing.
void Wall(Canvas& canvas) {
    canvas.Fill(kWall);
    cairo_t* context = canvas.Context();
    canvas.VerticalGradient(0, 180, SceneKit::kWidth, 90, Colour::Hex(0xE3F2FA),
                            Colour::Hex(0xD6ECF7));
    for (double x = 0; x < SceneKit::kWidth; x += 36) {
        cairo_move_to(context, x, 180);
        cairo_line_to(context, x, 262);
    }
    for (const double y : {216.0, 252.0}) {
        cairo_move_to(context, 0, y);
        cairo_line_to(context, SceneKit::kWidth, y);
    }
    canvas.StrokePath(Colour::Hex(0xB9D9EA), 2);
    SceneKit::Window(canvas, 560, 30, 150, 118);
    SoftScenery::Box(canvas, 550, 146, 170, 10, kWoodLight, kSoftLine);
    canvas.Polygon({620, 146, 624, 126, 648, 126, 652, 146});
    canvas.FillAndOutline(Colour::Hex(0xE5A07C), kSoftLine, 2);
    for (const double turn : {-2.2, -1.6, -1.0})
        DesignKit::Leaf(canvas, 636, 126, 18, turn, Colour::Hex(0x9BD68F));
    canvas.Circle(200, 70, 30);
    canvas.FillAndOutline(kWhite, kSoftLine, 3);
    DesignKit::Line(canvas, 200, 70, 200, 50, kSoftLine, 3);
    DesignKit::Line(canvas, 200, 70, 214, 76, kSoftLine, 3);
    canvas.RoundedBox(130, 120, 56, 44, 3);
    canvas.FillAndOutline(kWhite, kSoftLine, 2);
    SceneKit::Daisy(canvas, 148, 140, Colour::Hex(0xFFB3C7));
    canvas.Circle(172, 134, 7);
    canvas.FillPath(Colour::Hex(0xFFE27A));
}

// The rail the frying pan hangs from, with a ladle and a whisk beside it.
void Rail(Canvas& canvas) {
    DesignKit::Line(canvas, 420, 38, 548, 38, kSoftLine, 5);
    for (const double x : {420.0, 548.0}) DesignKit::Dot(canvas, x, 38, 5, kSoftLine);
    DesignKit::Line(canvas, 469, 38, 469, 52, kSoftLine, 3);
    DesignKit::Line(canvas, 530, 38, 530, 96, Colour::Hex(0xB8BCC8), 4);
    canvas.Ellipse(530, 102, 10, 8);
    canvas.FillAndOutline(Colour::Hex(0xD9DCE4), Colour::Hex(0xA2A7B5), 2);
}

// The worktop with its cupboards and oven, the sink, and the fridge at the end.
void Worktop(Canvas& canvas) {
    canvas.Polygon({-10, 258, 764, 258, 764, 304, -10, 304});
    canvas.FillAndOutline(Colour::Hex(0xF0E2CC), kSoftLine, 2.5);
    SoftScenery::Box(canvas, -10, 300, 774, 14, kWoodLight, kSoftLine);
    for (const auto& [x, width] :
         {std::pair{0.0, 166.0}, {176.0, 166.0}, {530.0, 110.0}, {650.0, 110.0}}) {
        SoftScenery::Box(canvas, x, 314, width, 86, kCupboard, kSoftLine);
        DesignKit::Line(canvas, x + width / 2 - 13, 340, x + width / 2 + 13, 340, kSoftLine, 5);
    }
    SoftScenery::Box(canvas, 764, 40, 90, 360, Colour::Hex(0xF4F7FB), kSoftLine);
    DesignKit::Line(canvas, 776, 170, 776, 210, kSoftLine, 5);
    DesignKit::Line(canvas, 764, 150, 850, 150, kSoftLine, 2.5);
    for (const auto& [x, y, colour] : {std::tuple{800.0, 80.0, Palette::kPink},
                                       {824.0, 110.0, Palette::kSky},
                                       {806.0, 240.0, kLime}})
        DesignKit::Dot(canvas, x, y, 7, colour.Lighter(0.3));
    SoftScenery::Box(canvas, 352, 314, 168, 86, Colour::Hex(0xDADFE8), kSoftLine);
    SoftScenery::Box(canvas, 372, 330, 128, 56, Colour::Hex(0x8C93A3), kSoftLine);
    canvas.Ellipse(470, 276, 60, 12);
    canvas.FillAndOutline(Colour::Hex(0xCFD6E2), kSoftLine, 2.5);
    DesignKit::Line(canvas, 470, 262, 470, 226, kSoftLine, 6);
    DesignKit::Line(canvas, 470, 228, 490, 228, kSoftLine, 6);
}

// The baby's high chair by the table: splayed legs, a tall back and a tray in front.
void HighChair(Canvas& canvas) {
    constexpr Colour kFrame = Colour::Hex(0xF7A8A8);
    for (const auto& [top, bottom] : {std::pair{756.0, 730.0}, {812.0, 838.0}}) {
        DesignKit::Line(canvas, top, 480, bottom, 592, kSoftLine, 12);
        DesignKit::Line(canvas, top, 480, bottom, 592, kFrame, 7);
    }
    SoftScenery::Box(canvas, 738, 540, 104, 8, kFrame, kSoftLine);
    canvas.RoundedBox(768, 370, 64, 108, 18);
    canvas.FillAndOutline(Colour::Hex(0xFFC4C4), kSoftLine, 2.5);
    SoftScenery::Box(canvas, 760, 460, 80, 16, kFrame, kSoftLine);
    SoftScenery::Box(canvas, 724, 466, 90, 12, Colour::Hex(0xFFE1E1), kSoftLine);
}

// A checked floor, the table, and the high chair with its tray.
void Floor(Canvas& canvas) {
    canvas.VerticalGradient(0, 400, SceneKit::kWidth, 188, Colour::Hex(0xF3E6D2),
                            Colour::Hex(0xE6D2B5));
    cairo_t* context = canvas.Context();
    for (double x = 0; x < SceneKit::kWidth; x += 60) {
        for (double y = 400; y < SceneKit::kHeight; y += 60) {
            if ((static_cast<int32_t>(x + y) / 60) % 2 == 0) cairo_rectangle(context, x, y, 60, 60);
        }
    }
    canvas.FillPath(Colour::Hex(0xEAD9BF));
    for (const double x : {212.0, 610.0})
        SoftScenery::Box(canvas, x, 520, 16, 70, kWoodLight.Darker(0.85), kSoftLine);
    canvas.Polygon({200, 480, 640, 480, 664, 522, 176, 522});
    canvas.FillAndOutline(kWoodLight, kSoftLine, 2.5);
    SoftScenery::Box(canvas, 176, 520, 488, 14, kWoodLight.Darker(0.9), kSoftLine);
    // A broom leaning on the cupboards.
    DesignKit::Line(canvas, 40, 330, 86, 520, kWoodLight.Darker(0.8), 7);
    canvas.Polygon({66, 510, 106, 500, 120, 568, 70, 580});
    canvas.FillAndOutline(Colour::Hex(0xF0D27A), kSoftLine, 2);
    HighChair(canvas);
    // The cat's bowl of milk under the table.
    canvas.Ellipse(330, 568, 30, 10);
    canvas.FillAndOutline(Colour::Hex(0xB8D4F0), kSoftLine, 2);
    canvas.Ellipse(330, 564, 24, 5);
    canvas.FillPath(kWhite);
}

void Scene(Canvas& canvas) {
    Wall(canvas);
    Furniture::WallShelf(canvas, -10, 180, 130);
    Furniture::WallShelf(canvas, 300, 136, 130);
    Rail(canvas);
    Worktop(canvas);
    Floor(canvas);
}

}  // namespace

PageTheme Themes::Kitchen() {
    return {"The kitchen",
            Palette::kSun,
            Scene,
            {
                {"frying pan", FryingPan},
                {"toast", Toast},
                {"boiled egg", BoiledEgg},
                {"cheese", Cheese},
                {"honey pot", HoneyPot},
                {"juice box", JuiceBox},
                {"mug", Mug},
                {"teapot", Teapot},
                {"milk bottle", MilkBottle},
            }};
}
