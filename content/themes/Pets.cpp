// Page 15: pets at home.

#include "content/themes/Themes.h"

#include <cairo.h>

#include <tuple>
#include <utility>

#include "content/AnimalParts.h"
#include "content/DesignKit.h"
#include "content/SceneKit.h"
#include "content/SoftScenery.h"

namespace {

using namespace DesignKit;
using namespace AnimalParts;

// Two pointed ears, pink inside, for the cats.
void CatEars(Canvas& canvas, double centreX, double topY, double gap, Colour fur) {
    PairOf([&](double side) {
        const double x = centreX + side * gap / 2;
        canvas.Polygon({x - side * 10, topY + 22, x + side * 2, topY, x + side * 10, topY + 20});
        Solid(canvas, fur);
        canvas.Polygon({x - side * 4, topY + 18, x + side * 2, topY + 7, x + side * 6, topY + 18});
        canvas.FillPath(kSoftPink);
    });
}

void Whiskers(Canvas& canvas, double centreX, double y, double gap, Colour colour) {
    PairOf([&](double side) {
        for (const double dy : {-3.0, 3.0}) {
            Line(canvas, centreX + side * gap / 2, y, centreX + side * (gap / 2 + 14), y + dy * 2,
                 colour, 1.8);
        }
    });
}

// A black cat sitting up straight, tail curled round, yellow eyes.
void BlackCat(Canvas& canvas) {
    const Colour fur = Colour::Hex(0x4A4458);
    CurvedBand(canvas, {62, 90, 88, 92, 94, 72, 84, 56}, fur, 7);
    Blob(canvas, 48, 70, 22, 26, fur);
    Legs(canvas, {40, 56}, 64, 96, 9, fur);
    CatEars(canvas, 50, 6, 34, fur);
    Blob(canvas, 50, 32, 20, 17, fur);
    PairOf([&](double side) {
        Blob(canvas, 50 + side * 8, 29, 4.5, 5, Palette::kSun);
        Line(canvas, 50 + side * 8, 26, 50 + side * 8, 32, kInk, 2);
    });
    Dot(canvas, 50, 37, 2.5, kSoftPink);
    Whiskers(canvas, 50, 39, 12, kLightGrey);
}

// A striped ginger cat lying stretched out, its tail curled up behind.
void TabbyCat(Canvas& canvas) {
    const Colour fur = Colour::Hex(0xF0A14A);
    const Colour stripe = Colour::Hex(0xC0702A);
    CurvedBand(canvas, {22, 82, 4, 84, 2, 68, 12, 60}, fur, 7);
    Blob(canvas, 44, 76, 36, 16, fur);
    for (const double x : {22.0, 34.0, 46.0}) Line(canvas, x, 62, x - 3, 74, stripe, 4);
    PairOf([&](double side) { Blob(canvas, 70 + side * 10, 92, 8, 5, fur); });
    CatEars(canvas, 78, 24, 28, fur);
    Blob(canvas, 78, 50, 18, 15, fur);
    Line(canvas, 78, 36, 78, 42, stripe, 3.5);
    Eyes(canvas, 78, 48, 12, 3);
    Dot(canvas, 78, 54, 2.5, kSoftPink);
    Whiskers(canvas, 78, 56, 12, kInk);
}

// A red parrot gripping its perch, with a long blue tail and a hooked beak.
void Parrot(Canvas& canvas) {
    canvas.Polygon({44, 64, 6, 98, 22, 99, 58, 74});
    Solid(canvas, Palette::kBlue);
    Legs(canvas, {50, 60}, 80, 96, 5, kGrey);
    Blob(canvas, 52, 56, 18, 26, Palette::kRed);
    Leaf(canvas, 42, 44, 38, 1.1, Palette::kSun);
    Leaf(canvas, 40, 52, 34, 1.2, Palette::kBlue);
    Blob(canvas, 56, 24, 16, 15, Palette::kRed);
    Blob(canvas, 63, 24, 7, 6, kWhite);
    canvas.Polygon({68, 14, 86, 20, 82, 38, 72, 30});
    Solid(canvas, Palette::kCream);
    Eye(canvas, 63, 23, 3);
}

// A golden hamster, round as a ball, holding a seed in its paws.
void Hamster(Canvas& canvas) {
    const Colour fur = Colour::Hex(0xF2B36B);
    PairOf([&](double side) {
        Blob(canvas, 50 + side * 18, 92, 9, 5, kSoftPink);
        Blob(canvas, 50 + side * 22, 30, 8, 8, fur);
        Dot(canvas, 50 + side * 22, 30, 4, kSoftPink);
    });
    Blob(canvas, 50, 62, 34, 32, fur);
    Blob(canvas, 50, 78, 22, 16, Palette::kCream);
    PairOf([&](double side) { Blob(canvas, 50 + side * 20, 58, 7, 5, kSoftPink); });
    Eyes(canvas, 50, 46, 22, 4);
    Dot(canvas, 50, 54, 3, Palette::kPink);
    Whiskers(canvas, 50, 56, 20, kGrey);
    Blob(canvas, 50, 80, 6, 8, kTan);
    PairOf([&](double side) { Dot(canvas, 50 + side * 6, 78, 3.5, kSoftPink); });
}

// A green budgie on its swing: yellow face, barred wings, a long straight tail.
void Budgie(Canvas& canvas) {
    const Colour green = Palette::kGreen;
    canvas.Polygon({40, 70, 22, 99, 32, 99, 52, 74});
    Solid(canvas, Palette::kBlue);
    Legs(canvas, {52, 62}, 84, 96, 4, kSoftPink);
    Blob(canvas, 54, 62, 19, 24, green);
    canvas.Polygon({38, 48, 58, 56, 50, 88, 34, 74});
    Solid(canvas, Palette::kSun);
    for (const double y : {58.0, 66.0, 74.0}) Line(canvas, 38, y, 54, y + 4, kInk, 2.5);
    Blob(canvas, 58, 32, 17, 15, Palette::kSun);
    canvas.Polygon({72, 30, 82, 36, 72, 42});
    Solid(canvas, Palette::kOrange);
    Dot(canvas, 66, 42, 3, Palette::kBlue);
    for (const double x : {50.0, 56.0}) Line(canvas, x, 20, x + 3, 24, kInk, 2);
    Eye(canvas, 63, 29, 3);
}

// A round bowl of water with a goldfish, pebbles and bubbles.
void Goldfish(Canvas& canvas) {
    Blob(canvas, 50, 58, 42, 38, Colour::Hex(0xBFE6FF));
    Blob(canvas, 50, 22, 24, 6, Colour::Hex(0xE2F4FF));
    for (const double x : {30.0, 42.0, 56.0, 68.0}) Dot(canvas, x, 88, 5, kTan);
    canvas.Polygon({28, 58, 12, 44, 12, 72});
    Solid(canvas, Palette::kOrange);
    Blob(canvas, 44, 58, 18, 12, Palette::kOrange);
    Leaf(canvas, 42, 48, 12, -1.8, Palette::kOrange);
    Eye(canvas, 54, 55, 2.8);
    for (const auto& [x, y, r] : {std::tuple{66.0, 48.0, 3.5}, {72.0, 38.0, 2.5}}) {
        canvas.Circle(x, y, r);
        canvas.FillAndOutline(kWhite, kInk, 1.5);
    }
}

// A brown rabbit sitting up: long ears, a big hind foot and a white puff of a tail.
void Rabbit(Canvas& canvas) {
    const Colour fur = Colour::Hex(0xC9A27E);
    Blob(canvas, 18, 72, 9, 9, kWhite);
    Blob(canvas, 42, 72, 28, 22, fur);
    Blob(canvas, 44, 92, 20, 5, fur);
    Blob(canvas, 72, 92, 7, 5, fur);
    for (const auto& [x, tilt] : {std::pair{58.0, -6.0}, {72.0, 4.0}}) {
        canvas.Polygon({x - 6, 40, x - 8 + tilt, 10, x + tilt, 2, x + 6 + tilt, 10, x + 6, 40});
        Solid(canvas, fur);
        Line(canvas, x, 36, x + tilt * 0.8, 10, kSoftPink, 4);
    }
    Blob(canvas, 70, 48, 16, 14, fur);
    Eye(canvas, 74, 44, 3.2);
    Dot(canvas, 85, 50, 2.5, Palette::kPink);
    Whiskers(canvas, 76, 52, 18, kInk);
}

// A tortoise under its high patterned shell, head out and smiling.
void Tortoise(Canvas& canvas) {
    const Colour skin = Colour::Hex(0xB5C77A);
    const Colour shell = Colour::Hex(0x6FA85A);
    Legs(canvas, {24, 38, 60, 74}, 70, 94, 11, skin);
    canvas.Polygon({16, 74, 4, 82, 18, 82});
    Solid(canvas, skin);
    Blob(canvas, 84, 66, 8, 7, skin);
    Blob(canvas, 90, 56, 10, 9, skin);
    cairo_new_path(canvas.Context());
    cairo_arc(canvas.Context(), 48, 76, 36, kPi, 2 * kPi);
    cairo_close_path(canvas.Context());
    Solid(canvas, shell);
    canvas.RoundedBox(8, 72, 80, 9, 4);
    Solid(canvas, shell.Darker(0.8));
    canvas.Polygon({40, 52, 56, 52, 62, 62, 56, 72, 40, 72, 34, 62});
    Solid(canvas, Colour::Hex(0xA8D26B));
    for (const auto& [x1, y1, x2, y2] : {std::tuple{34.0, 62.0, 18.0, 66.0},
                                         {62.0, 62.0, 80.0, 66.0},
                                         {40.0, 52.0, 32.0, 44.0},
                                         {56.0, 52.0, 64.0, 44.0}}) {
        Line(canvas, x1, y1, x2, y2, kInk, 3);
    }
    Eye(canvas, 92, 53, 2.5);
    Grin(canvas, 92, 62, 4);
}

// A puppy sitting up for a pat: floppy ears, a patch over one eye, tongue out.
void Puppy(Canvas& canvas) {
    const Colour fur = Colour::Hex(0xF0D2A2);
    const Colour patch = Colour::Hex(0xB07040);
    CurvedBand(canvas, {68, 84, 84, 82, 90, 70, 92, 58}, fur, 6);
    Blob(canvas, 50, 72, 22, 22, fur);
    Legs(canvas, {42, 58}, 66, 96, 9, fur);
    Band(canvas, 36, 52, 64, 52, Palette::kRed, 4);
    Dot(canvas, 50, 58, 4, Palette::kSun);
    Blob(canvas, 50, 32, 21, 18, fur);
    PairOf([&](double side) { Blob(canvas, 50 + side * 22, 34, 8, 16, patch); });
    Blob(canvas, 58, 27, 7, 7, patch);
    Blob(canvas, 50, 41, 10, 7, Palette::kCream);
    Blob(canvas, 50, 50, 4, 5, Palette::kPink);
    Dot(canvas, 50, 37, 4, kInk);
    Eyes(canvas, 50, 27, 16, 3);
}

// The room's colours: soft so that the pets stand out on them.
constexpr Colour kSoftInk = Colour::Hex(0x7A6A70);
constexpr Colour kWood = Colour::Hex(0xE2B887);
constexpr Colour kBrass = Colour::Hex(0xE8CF8A);

// The budgie's cage hangs from the ceiling; its perch is the budgie's swing.
void BirdCage(Canvas& canvas) {
    Line(canvas, 737, -10, 737, 10, kSoftInk, 3);
    cairo_t* context = canvas.Context();
    for (double x = 690; x <= 786; x += 16) {
        cairo_move_to(context, x, 104);
        cairo_curve_to(context, x, 20, 737 + (x - 737) * 0.3, 4, 737, 4);
    }
    canvas.StrokePath(kBrass.Darker(0.85), 2.5);
    Line(canvas, 700, 91, 774, 91, kWood, 5);
    SoftScenery::Box(canvas, 680, 100, 114, 12, kBrass, kSoftInk);
}

// The wall shelf for the fish bowl, with a row of books beside it.
void WallShelf(Canvas& canvas) {
    SoftScenery::Box(canvas, 236, 135, 150, 10, kWood, kSoftInk);
    for (const double x : {256.0, 356.0}) {
        canvas.Polygon({x, 145, x + 10, 145, x + 10, 160});
        canvas.FillAndOutline(kWood, kSoftInk, 2);
    }
    for (const auto& [x, height, colour] : {std::tuple{346.0, 40.0, Colour::Hex(0xB8C8F0)},
                                            {358.0, 34.0, Colour::Hex(0xF0C0C0)},
                                            {370.0, 38.0, Colour::Hex(0xC8E6B0)}}) {
        SoftScenery::Box(canvas, x, 135 - height, 11, height, colour, kSoftInk);
    }
}

void WindowWithSill(Canvas& canvas) {
    SceneKit::Window(canvas, 412, 36, 132, 200);
    SoftScenery::Box(canvas, 398, 236, 160, 12, kWood, kSoftInk);
    canvas.Polygon({392, 20, 420, 20, 410, 250, 384, 250});
    canvas.FillAndOutline(Colour::Hex(0xF5B8B8), kSoftInk, 2.5);
    SceneKit::Cloud(canvas, 470, 90, 18);
}

// The parrot's stand: a perch on a tall pole, beside the chest with the hamster's cage.
void ParrotStandAndChest(Canvas& canvas) {
    SoftScenery::Box(canvas, 656, 176, 8, 200, kWood, kSoftInk);
    SoftScenery::Box(canvas, 636, 370, 48, 10, kWood, kSoftInk);
    SoftScenery::Box(canvas, 556, 174, 108, 8, kWood, kSoftInk);
    SoftScenery::Box(canvas, 526, 311, 128, 70, Colour::Hex(0xC7B3E0), kSoftInk);
    for (const double y : {334.0, 356.0}) Dot(canvas, 590, y, 3, kSoftInk);
    cairo_t* context = canvas.Context();
    for (double x = 540; x <= 640; x += 14) {
        cairo_move_to(context, x, 311);
        cairo_line_to(context, x, 226);
    }
    canvas.StrokePath(Colour::Hex(0xB8BCC8), 2);
    SoftScenery::Box(canvas, 534, 218, 112, 10, Colour::Hex(0xB8BCC8), kSoftInk);
}

void Sofa(Canvas& canvas) {
    const Colour cover = Colour::Hex(0x9CC7EE);
    SoftScenery::Box(canvas, 74, 236, 228, 76, cover, kSoftInk);
    SoftScenery::Box(canvas, 74, 300, 228, 44, cover.Lighter(0.15), kSoftInk);
    for (const double x : {46.0, 290.0})
        SoftScenery::Box(canvas, x, 272, 40, 92, cover.Darker(0.92), kSoftInk);
    SoftScenery::Box(canvas, 50, 340, 276, 24, cover.Darker(0.92), kSoftInk);
    for (const double x : {60.0, 306.0})
        SoftScenery::Box(canvas, x, 362, 12, 18, kWood.Darker(0.8), kSoftInk);
}

void Door(Canvas& canvas) {
    SoftScenery::Box(canvas, 712, 130, 110, 250, Colour::Hex(0xF0D6B0), kSoftInk);
    SoftScenery::Box(canvas, 728, 150, 78, 80, Colour::Hex(0xF6E2C4), kSoftInk);
    SoftScenery::Box(canvas, 742, 330, 50, 36, Colour::Hex(0xE2C49C), kSoftInk);
    Dot(canvas, 806, 260, 6, kBrass);
}

void Rug(Canvas& canvas) {
    canvas.Ellipse(300, 440, 250, 58);
    canvas.FillAndOutline(Colour::Hex(0xF4C7A8), kSoftInk, 2.5);
    canvas.Ellipse(300, 440, 220, 44);
    canvas.DashedStroke(Colour::Hex(0xE8A580), 4, 10);
}

// Food bowls, a ball of wool and muddy paw prints across the floor.
void FloorThings(Canvas& canvas) {
    for (const auto& [x, colour] :
         {std::pair{600.0, Colour::Hex(0xF5B8B8)}, {660.0, Colour::Hex(0xB8D8F0)}}) {
        canvas.Ellipse(x, 470, 26, 10);
        canvas.FillAndOutline(colour, kSoftInk, 2.5);
        canvas.Ellipse(x, 466, 18, 5);
        canvas.FillPath(kTan);
    }
    canvas.Circle(120, 540, 18);
    canvas.FillAndOutline(Colour::Hex(0xD6C0F0), kSoftInk, 2.5);
    cairo_move_to(canvas.Context(), 104, 532);
    cairo_curve_to(canvas.Context(), 116, 540, 126, 530, 136, 542);
    canvas.StrokePath(kSoftInk, 1.5);
    cairo_move_to(canvas.Context(), 138, 546);
    cairo_curve_to(canvas.Context(), 170, 560, 190, 520, 230, 556);
    canvas.StrokePath(Colour::Hex(0xB8A0E0), 2);
    for (const auto& [x, y] : {std::pair{560.0, 540.0}, {640.0, 520.0}, {720.0, 550.0}}) {
        Dot(canvas, x, y, 8, Colour::Hex(0xD8B08A));
        for (const double dx : {-8.0, 0.0, 8.0})
            Dot(canvas, x + dx, y - 12, 3.5, Colour::Hex(0xD8B08A));
    }
}

// A picture of a green hill and a clock on the wall.
void WallThings(Canvas& canvas) {
    SoftScenery::Box(canvas, 86, 40, 100, 74, kWood, kSoftInk);
    canvas.VerticalGradient(94, 48, 84, 58, Colour::Hex(0xBFE3FF), Colour::Hex(0xCFEBB0));
    SceneKit::Hill(canvas, 136, 106, 40, 14, Colour::Hex(0xA8D890));
    canvas.Circle(620, 60, 28);
    canvas.FillAndOutline(kWhite, kSoftInk, 2.5);
    Line(canvas, 620, 60, 620, 42, kSoftInk, 2.5);
    Line(canvas, 620, 60, 634, 64, kSoftInk, 2.5);
}

// The puppy's empty basket and a leafy plant in the corner.
void BasketAndPlant(Canvas& canvas) {
    canvas.Ellipse(440, 540, 90, 30);
    canvas.FillAndOutline(Colour::Hex(0xD9B07A), kSoftInk, 2.5);
    canvas.Ellipse(440, 532, 72, 18);
    canvas.FillAndOutline(Colour::Hex(0xB8D8F0), kSoftInk, 2);
    for (const double turn : {-2.4, -1.9, -1.5, -1.1, -0.7}) {
        cairo_t* context = canvas.Context();
        cairo_save(context);
        cairo_translate(context, 790, 480);
        cairo_rotate(context, turn);
        canvas.Ellipse(50, 0, 50, 12);
        cairo_restore(context);
        canvas.FillAndOutline(Colour::Hex(0xA5D9A0), kSoftInk, 2);
    }
    canvas.Polygon({760, 476, 820, 476, 812, 540, 768, 540});
    canvas.FillAndOutline(Colour::Hex(0xE8A580), kSoftInk, 2.5);
}

void Scene(Canvas& canvas) {
    SceneKit::Room(canvas, Colour::Hex(0xFFE9CF), Colour::Hex(0xDDB58A), 380);
    WindowWithSill(canvas);
    WallShelf(canvas);
    BirdCage(canvas);
    Door(canvas);
    ParrotStandAndChest(canvas);
    Sofa(canvas);
    Rug(canvas);
    BasketAndPlant(canvas);
    FloorThings(canvas);
    WallThings(canvas);
}

}  // namespace

PageTheme Themes::Pets() {
    return {"Pets at home",
            Palette::kOrange,
            Scene,
            {
                {"black cat", BlackCat},
                {"tabby cat", TabbyCat},
                {"parrot", Parrot},
                {"hamster", Hamster},
                {"budgie", Budgie},
                {"goldfish", Goldfish},
                {"rabbit", Rabbit},
                {"tortoise", Tortoise},
                {"puppy", Puppy},
            }};
}
