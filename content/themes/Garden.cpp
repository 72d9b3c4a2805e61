// Page 6: the flower garden.

#include "content/themes/Themes.h"

#include <cairo.h>

#include <cmath>
#include <cstdint>
#include <initializer_list>
#include <tuple>
#include <utility>

#include "content/DesignKit.h"
#include "content/SceneKit.h"
#include "content/ShapePath.h"
#include "content/SoftScenery.h"

namespace {

using namespace DesignKit;

constexpr Colour kStem = Palette::kGreen;
constexpr Colour kDaffodil = Colour::Hex(0xFFE45C);

// A curved stem from (x1, y1) to (x2, y2), bowed through (bendX, bendY).
void Stem(Canvas& canvas, double x1, double y1, double bendX, double bendY, double x2, double y2,
          double width) {
    cairo_t* context = canvas.Context();
    for (const auto& [colour, thickness] :
         {std::pair{kInk, width + 2 * kOutline - 1}, {kStem, width}}) {
        cairo_move_to(context, x1, y1);
        cairo_curve_to(context, bendX, bendY, bendX, bendY, x2, y2);
        canvas.StrokePath(colour, thickness);
    }
}

// Petals of one shape set round a centre, each a leaf shape of the given length.
void PetalRing(Canvas& canvas, double x, double y, int32_t count, double length, Colour colour) {
    for (int32_t petal = 0; petal < count; ++petal)
        Leaf(canvas, x, y, length, petal * 2 * kPi / count, colour);
}

// The sunflower: a big dark face in a ring of golden petals, heart-shaped leaves.
void Sunflower(Canvas& canvas) {
    Band(canvas, 50, 60, 50, 98, kStem, 7);
    Leaf(canvas, 50, 86, 32, -0.5, kStem);
    Leaf(canvas, 50, 80, 32, kPi + 0.5, kStem);
    PetalRing(canvas, 50, 34, 14, 34, Colour::Hex(0xFFC21A));
    canvas.Circle(50, 34, 18);
    Solid(canvas, Colour::Hex(0x8A4B1E));
    for (int32_t seed = 0; seed < 8; ++seed) {
        const double angle = seed * kPi / 4;
        Dot(canvas, 50 + std::cos(angle) * 13, 34 + std::sin(angle) * 13, 1.6,
            Colour::Hex(0x5C2E0E));
    }
    Face(canvas, 50, 35, 26);
}

// The tulip: a deep cup of three pointed petals on a straight stem between long leaves.
void Tulip(Canvas& canvas) {
    Band(canvas, 50, 56, 50, 98, kStem, 6);
    Leaf(canvas, 50, 96, 44, -1.15, kStem);
    Leaf(canvas, 50, 96, 40, kPi + 1.2, kStem);
    ShapePath::Trace(canvas, {{22, 10},
                              {37, 24},
                              {50, 4},
                              {63, 24},
                              {78, 10},
                              {84, 40, 78, 62, 50, 64},
                              {22, 62, 16, 40, 22, 10}});
    Solid(canvas, Palette::kRed);
    Line(canvas, 50, 20, 50, 58, Palette::kRed.Darker(0.8), 2.5);
    Eyes(canvas, 50, 38, 18, 3.4);
}

// A long, narrow leaf standing up from (x, y) and leaning by `lean`.
void StrapLeaf(Canvas& canvas, double x, double y, double height, double lean) {
    ShapePath::Trace(
        canvas, {{x - 5, y},
                 {x - 5, y - height * 0.6, x + lean - 3, y - height * 0.8, x + lean, y - height},
                 {x + lean + 2, y - height * 0.7, x + 6, y - height * 0.5, x + 6, y}});
    Solid(canvas, kStem);
}

// The daffodil, nodding on a bent stem: six pale petals round a deep orange trumpet.
void Daffodil(Canvas& canvas) {
    Stem(canvas, 34, 98, 30, 50, 60, 40, 5);
    StrapLeaf(canvas, 24, 98, 60, -10);
    StrapLeaf(canvas, 42, 98, 44, 12);
    PetalRing(canvas, 62, 38, 6, 34, kDaffodil);
    const auto frill = [&canvas](double radius, Colour colour) {
        canvas.Star(62, 38, radius, radius * 0.82, 12);
        Solid(canvas, colour);
    };
    frill(19, Palette::kOrange);
    frill(10, Palette::kOrange.Darker(0.8));
    Eyes(canvas, 62, 37, 12, 2.6);
}

// The rose: a swirl of petals in a cup, green sepals, thorns on the stem.
void Rose(Canvas& canvas) {
    Band(canvas, 50, 56, 50, 98, kStem, 6);
    Leaf(canvas, 50, 76, 30, -0.5, kStem);
    Leaf(canvas, 50, 88, 28, kPi + 0.4, kStem);
    for (const double y : {66.0, 82.0}) canvas.Polygon({54, y, 62, y - 2, 54, y - 6});
    canvas.FillAndOutline(kStem, kInk, 2);
    PairOf([&](double side) { Leaf(canvas, 50, 56, 26, kPi / 2 - side * 1.0, kStem); });
    cairo_t* context = canvas.Context();
    ShapePath::Trace(canvas, {{16, 24},
                              {22, 8, 36, 6, 42, 12},
                              {48, 2, 60, 4, 64, 12},
                              {74, 6, 86, 12, 84, 26},
                              {90, 52, 70, 62, 50, 62},
                              {30, 62, 10, 52, 16, 24}});
    Solid(canvas, Colour::Hex(0xE83A5E));
    cairo_new_path(context);
    cairo_move_to(context, 50, 30);
    cairo_arc(context, 50, 30, 6, 0, 1.5 * kPi);
    cairo_arc(context, 52, 32, 12, 1.5 * kPi, 2.9 * kPi);
    cairo_move_to(context, 26, 30);
    cairo_curve_to(context, 28, 48, 42, 54, 56, 50);
    cairo_move_to(context, 76, 28);
    cairo_curve_to(context, 78, 42, 70, 48, 62, 50);
    canvas.StrokePath(Colour::Hex(0x9E1838), 3);
}

// Two daisies side by side, one taller: white rays round a small yellow middle.
void Daisies(Canvas& canvas) {
    Stem(canvas, 34, 98, 30, 70, 30, 34, 4);
    Stem(canvas, 66, 98, 72, 80, 72, 58, 4);
    Leaf(canvas, 50, 96, 26, -2.0, kStem);
    Leaf(canvas, 50, 96, 24, -1.0, kStem);
    const auto daisy = [&canvas](double x, double y, double size) {
        PetalRing(canvas, x, y, 14, size, kWhite);
        canvas.Circle(x, y, size * 0.34);
        Solid(canvas, Palette::kSun);
    };
    daisy(30, 30, 28);
    daisy(72, 58, 24);
    Eyes(canvas, 30, 30, 9, 2.2);
}

// The poppy: four broad red petals round a black middle, on a hairy, bending stem.
void Poppy(Canvas& canvas) {
    Stem(canvas, 58, 98, 76, 66, 44, 42, 5);
    for (const double y : {62.0, 76.0, 88.0}) Line(canvas, 63, y, 70, y - 2, kInk, 1.5);
    canvas.Ellipse(84, 70, 7, 11);
    Solid(canvas, kStem);
    for (const auto& [x, y] : {std::pair{24.0, 20.0}, {60.0, 18.0}, {22.0, 52.0}, {58.0, 54.0}})
        canvas.Circle(x, y, 21);
    canvas.FillAndOutline(Colour::Hex(0xF2302C), kInk, kOutline);
    for (const auto& [x, y] : {std::pair{24.0, 20.0}, {60.0, 18.0}, {22.0, 52.0}, {58.0, 54.0}})
        canvas.Circle(x, y, 19);
    canvas.FillPath(Colour::Hex(0xF2302C));
    canvas.Circle(41, 36, 11);
    Solid(canvas, kInk);
    for (int32_t ray = 0; ray < 6; ++ray) {
        const double angle = ray * kPi / 3;
        Line(canvas, 41, 36, 41 + std::cos(angle) * 17, 36 + std::sin(angle) * 17, kInk, 2.5);
    }
    Dot(canvas, 41, 36, 4, Colour::Hex(0x7A8C3A));
}

// Bluebells: blue bells hanging in a row from an arching stem, strap leaves below.
void Bluebells(Canvas& canvas) {
    Leaf(canvas, 30, 98, 46, -1.35, kStem);
    Leaf(canvas, 34, 98, 40, -0.8, kStem);
    Stem(canvas, 26, 98, 24, 6, 90, 24, 4);
    const double bells[][2] = {{34, 22}, {52, 16}, {70, 16}, {86, 26}, {30, 42}};
    for (const auto& bell : bells) {
        const double x = bell[0];
        const double y = bell[1];
        canvas.Polygon({x - 6, y, x + 6, y, x + 10, y + 22, x + 4, y + 18, x, y + 24, x - 4, y + 18,
                        x - 10, y + 22});
        Solid(canvas, Colour::Hex(0x5B7CF0));
    }
    Eyes(canvas, 52, 28, 8, 2);
}

// A garden gnome: a tall red hat, a white beard, a belted coat and boots.
void Gnome(Canvas& canvas) {
    canvas.RoundedBox(28, 84, 20, 14, 5);
    Solid(canvas, kDarkBrown);
    canvas.RoundedBox(52, 84, 20, 14, 5);
    Solid(canvas, kDarkBrown);
    canvas.RoundedBox(24, 52, 52, 38, 14);
    Solid(canvas, Palette::kBlue);
    canvas.RoundedBox(24, 66, 52, 6, 2);
    Solid(canvas, kDarkBrown);
    canvas.Circle(50, 44, 16);
    Solid(canvas, Colour::Hex(0xFFD2B0));
    canvas.Polygon({32, 50, 68, 50, 62, 72, 50, 80, 38, 72});
    Solid(canvas, kWhite);
    canvas.Polygon({26, 40, 74, 40, 56, 4, 46, 2});
    Solid(canvas, Palette::kRed);
    Eyes(canvas, 50, 46, 12, 2.6);
    canvas.Circle(50, 52, 5);
    Solid(canvas, Colour::Hex(0xFF9E8A));
}

// A watering can with a sprinkler rose on its long spout and a handle over the top.
void WateringCan(Canvas& canvas) {
    cairo_t* context = canvas.Context();
    cairo_new_path(context);
    cairo_arc(context, 40, 40, 22, kPi, 2 * kPi);
    canvas.StrokePath(kInk, 13);
    cairo_new_path(context);
    cairo_arc(context, 40, 40, 22, kPi, 2 * kPi);
    canvas.StrokePath(Colour::Hex(0x3FAE6A), 6);
    Band(canvas, 66, 70, 88, 30, Colour::Hex(0x3FAE6A), 7);
    canvas.Polygon({80, 24, 96, 18, 98, 36, 88, 36});
    Solid(canvas, Colour::Hex(0x3FAE6A));
    canvas.RoundedBox(8, 38, 64, 58, 8);
    Solid(canvas, Colour::Hex(0x3FAE6A));
    for (const double y : {48.0, 86.0}) Line(canvas, 10, y, 70, y, Colour::Hex(0x2C8A50), 3);
    Face(canvas, 40, 66, 34);
}

// A bird house hanging from a loop: a peaked roof, a round door and a perch.
void BirdHouse(Canvas& canvas) {
    cairo_new_path(canvas.Context());
    cairo_arc(canvas.Context(), 50, 8, 6, 0, 2 * kPi);
    canvas.StrokePath(kInk, 4);
    canvas.Polygon({20, 40, 80, 40, 80, 96, 20, 96});
    Solid(canvas, Palette::kSun);
    canvas.Polygon({6, 46, 50, 12, 94, 46, 86, 52, 50, 24, 14, 52});
    Solid(canvas, Palette::kRed);
    canvas.Circle(50, 58, 11);
    Solid(canvas, kInk);
    Band(canvas, 42, 80, 58, 80, kDarkBrown, 5);
}

// ---- The garden around the flowers ----

constexpr Colour kSoil = Colour::Hex(0xB08562);
constexpr Colour kSoftLine = Colour::Hex(0x7D6A58);
constexpr Colour kShedWood = Colour::Hex(0xC9A27C);

// A bed of soil: a rounded band with a few darker crumbs.
void SoilBed(Canvas& canvas, double x, double y, double width, double height) {
    canvas.RoundedBox(x, y, width, height, height / 2);
    canvas.FillAndOutline(kSoil, kSoftLine, 2.5);
    for (double crumb = x + 24; crumb < x + width - 12; crumb += 37)
        DesignKit::Dot(canvas, crumb, y + height * (0.35 + std::fmod(crumb, 3.0) * 0.15), 2,
                       kSoil.Darker(0.8));
}

// A soft round shape drawn as overlapping circles under one outline: hills, leafy crowns.
// Far hills and small clouds over the fence, birds far off.
void Sky(Canvas& canvas) {
    SceneKit::Sky(canvas, Colour::Hex(0x9ED8FF), Colour::Hex(0xE3F5FF), 260);
    SoftScenery::Puff(canvas, {{300, 330, 190, 190}, {640, 350, 200, 200}}, Colour::Hex(0xC4E8B0),
                      kSoftLine);
    SceneKit::Cloud(canvas, 300, 60, 30);
    SceneKit::Cloud(canvas, 440, 110, 20);
    cairo_t* context = canvas.Context();
    for (const auto& [x, y] : {std::pair{380.0, 40.0}, {404.0, 54.0}}) {
        cairo_move_to(context, x - 8, y - 4);
        cairo_curve_to(context, x - 4, y - 8, x, y - 4, x, y);
        cairo_curve_to(context, x, y - 4, x + 4, y - 8, x + 8, y - 4);
    }
    canvas.StrokePath(kSoftLine, 2);
}

// The shed at the left, its shelf under the watering can.
void Shed(Canvas& canvas) {
    canvas.RoundedBox(-10, -10, 118, 262, 4);
    canvas.FillAndOutline(kShedWood, kSoftLine, 2.5);
    cairo_t* context = canvas.Context();
    for (double x = 14; x < 108; x += 24) {
        cairo_move_to(context, x, 0);
        cairo_line_to(context, x, 250);
    }
    canvas.StrokePath(kShedWood.Darker(0.85), 2);
    canvas.RoundedBox(30, 130, 56, 46, 3);
    canvas.FillAndOutline(Colour::Hex(0xD9F0FF), kSoftLine, 3);
    DesignKit::Line(canvas, 58, 130, 58, 176, kSoftLine, 2.5);
    for (const double bracket : {10.0, 80.0})
        canvas.Polygon({bracket, 104, bracket + 10, 104, bracket + 10, 120});
    canvas.FillAndOutline(kShedWood.Darker(0.8), kSoftLine, 2);
    canvas.RoundedBox(-6, 94, 112, 10, 3);
    canvas.FillAndOutline(kShedWood.Lighter(0.3), kSoftLine, 2);
}

// The tree at the right and its branch reaching over to hold the bird house.
void Tree(Canvas& canvas) {
    canvas.Polygon({690, 250, 700, 90, 724, 90, 736, 250});
    canvas.FillAndOutline(Colour::Hex(0xB58A66), kSoftLine, 2.5);
    DesignKit::Line(canvas, 706, 60, 540, 6, kSoftLine, 12);
    DesignKit::Line(canvas, 706, 60, 540, 6, Colour::Hex(0xB58A66), 7);
    SoftScenery::Puff(canvas,
                      {{720, 40, 70, 70},
                       {800, 70, 60, 60},
                       {650, 80, 46, 46},
                       {830, 10, 50, 50},
                       {760, 110, 44, 44}},
                      Colour::Hex(0x9ED48A), kSoftLine);
    DesignKit::Line(canvas, 558, 12, 558, 20, kSoftLine, 2.5);
}

// The white fence along the back of the garden, with a border of soil at its foot.
void Fence(Canvas& canvas) {
    for (double x = 108; x < SceneKit::kWidth; x += 34) {
        canvas.Polygon({x, 160, x + 11, 146, x + 22, 160, x + 22, 246, x, 246});
        canvas.FillAndOutline(Palette::kWhite, kSoftLine, 2);
    }
    for (const double y : {172.0, 218.0}) {
        canvas.RoundedBox(100, y, 760, 10, 3);
        canvas.FillAndOutline(Palette::kWhite, kSoftLine, 2);
    }
}

// Stepping stones up the lawn, between the front beds.
void Path(Canvas& canvas) {
    for (const auto& [x, y] : {std::pair{450.0, 566.0},
                               {440.0, 510.0},
                               {460.0, 400.0},
                               {450.0, 362.0},
                               {466.0, 272.0}}) {
        canvas.Ellipse(x, y, 30, 12);
        canvas.FillAndOutline(Colour::Hex(0xDADDE4), kSoftLine, 2);
    }
}

// Little things on the lawn: tufts of grass and a coiled hose.
void LawnDetails(Canvas& canvas) {
    cairo_t* context = canvas.Context();
    for (const auto& [x, y] : {std::pair{230.0, 380.0},
                               {540.0, 380.0},
                               {150.0, 560.0},
                               {700.0, 560.0},
                               {380.0, 290.0},
                               {820.0, 400.0}}) {
        for (const double dx : {-6.0, 0.0, 6.0}) {
            cairo_move_to(context, x + dx * 0.5, y);
            cairo_line_to(context, x + dx, y - 10 - std::abs(dx));
        }
    }
    canvas.StrokePath(Palette::kDarkGrass, 2.5);
    for (const auto& [x, y] :
         {std::pair{190.0, 410.0}, {560.0, 414.0}, {330.0, 370.0}, {250.0, 566.0}, {620.0, 566.0}})
        SceneKit::Daisy(canvas, x, y, Colour::Hex(0xFFF4F8));
    // Two empty flowerpots waiting by the bed.
    for (const auto& [x, y] : {std::pair{760.0, 580.0}, {806.0, 570.0}}) {
        canvas.Polygon({x - 18, y - 40, x + 18, y - 40, x + 13, y, x - 13, y});
        canvas.FillAndOutline(Colour::Hex(0xE8A47E), kSoftLine, 2);
        canvas.RoundedBox(x - 21, y - 44, 42, 9, 2);
        canvas.FillAndOutline(Colour::Hex(0xEDB592), kSoftLine, 2);
    }
}

void Scene(Canvas& canvas) {
    Sky(canvas);
    Tree(canvas);
    Fence(canvas);
    SceneKit::Ground(canvas, 250, Colour::Hex(0x8FDB7A), Colour::Hex(0x6BC25C));
    Shed(canvas);
    SoilBed(canvas, 108, 232, 744, 30);
    SoilBed(canvas, 96, 300, 744, 44);
    SoilBed(canvas, -20, 440, 400, 80);
    SoilBed(canvas, 540, 440, 320, 80);
    Path(canvas);
    LawnDetails(canvas);
}

}  // namespace

PageTheme Themes::Garden() {
    return {"The flower garden",
            Palette::kPink,
            Scene,
            {
                {"sunflower", Sunflower},
                {"garden gnome", Gnome},
                {"tulip", Tulip},
                {"daffodil", Daffodil},
                {"rose", Rose},
                {"daisies", Daisies},
                {"watering can", WateringCan},
                {"bird house", BirdHouse},
                {"poppy", Poppy},
                {"bluebells", Bluebells},
            }};
}
