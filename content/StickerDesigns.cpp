#include "content/StickerDesigns.h"

#include <cmath>
#include <functional>
#include <numbers>
#include <stdexcept>
#include <string>
#include <vector>

#include "album/StickerNumbering.h"
#include "content/Palette.h"

namespace {

using Design = std::function<void(Canvas&)>;
constexpr double OUTLINE = 4.0;
constexpr double PI = std::numbers::pi;

const Colour INK = Palette::INK;
const Colour WHITE = Palette::WHITE;
const Colour LIGHT_GREY = Colour::Hex(0xC9CCD6);
const Colour GREY = Colour::Hex(0x9AA0B0);
const Colour DARK_BROWN = Colour::Hex(0x7A4A26);
const Colour TAN = Colour::Hex(0xE9C28F);
const Colour SOFT_PINK = Colour::Hex(0xFFC2D4);
const Colour TEAL = Colour::Hex(0x2EC4B6);
const Colour LIME = Colour::Hex(0xB5E550);

// Fills the current path and draws the album's bold outline around it.
void Solid(Canvas& canvas, Colour fill) {
    canvas.FillAndOutline(fill, INK, OUTLINE);
}

void Line(Canvas& canvas, double x1, double y1, double x2, double y2, Colour colour, double width) {
    cairo_move_to(canvas.Context(), x1, y1);
    cairo_line_to(canvas.Context(), x2, y2);
    canvas.StrokePath(colour, width);
}

// A line drawn as a bold, outlined band (stems, strings, handles).
void Band(Canvas& canvas, double x1, double y1, double x2, double y2, Colour colour, double width) {
    Line(canvas, x1, y1, x2, y2, INK, width + 2 * OUTLINE - 1);
    Line(canvas, x1, y1, x2, y2, colour, width);
}

void Dot(Canvas& canvas, double x, double y, double radius, Colour colour) {
    canvas.Circle(x, y, radius);
    canvas.FillPath(colour);
}

// Two shiny eyes: a dark dot with a white glint each.
void Eyes(Canvas& canvas, double centreX, double y, double gap, double radius) {
    for (const double x : {centreX - gap / 2, centreX + gap / 2}) {
        Dot(canvas, x, y, radius, INK);
        Dot(canvas, x - radius * 0.35, y - radius * 0.35, radius * 0.35, WHITE);
    }
}

void Grin(Canvas& canvas, double centreX, double y, double radius) {
    cairo_new_path(canvas.Context());
    cairo_arc(canvas.Context(), centreX, y - radius * 0.6, radius, 0.2 * PI, 0.8 * PI);
    canvas.StrokePath(INK, 3.2);
}

void Face(Canvas& canvas, double centreX, double centreY, double size) {
    Eyes(canvas, centreX, centreY - size * 0.12, size * 0.4, size * 0.07);
    Grin(canvas, centreX, centreY + size * 0.12, size * 0.2);
}

void Leaf(Canvas& canvas, double x, double y, double length, double turn, Colour colour) {
    cairo_t* context = canvas.Context();
    cairo_save(context);
    cairo_translate(context, x, y);
    cairo_rotate(context, turn);
    cairo_new_path(context);
    cairo_move_to(context, 0, 0);
    cairo_curve_to(context, length * 0.3, -length * 0.45, length * 0.8, -length * 0.35, length, 0);
    cairo_curve_to(context, length * 0.8, length * 0.35, length * 0.3, length * 0.45, 0, 0);
    cairo_restore(context);
    canvas.FillAndOutline(colour, INK, 3);
}

// ---- Animal faces ------------------------------------------------------------------

enum class Ears { None, Round, Pointed, Long, Floppy, Big, Tiny, Horns, Antlers, Tufts };
enum class Snout { Smile, Whiskers, Muzzle, Pig, Beak, Trunk, Frog, Koala, Hippo, Horse };
enum class Mark {
    None,
    Patches,
    Stripes,
    Spots,
    Mask,
    Cheeks,
    Disc,
    Wool,
    Mane,
    Spikes,
    Horn,
    Beard
};

struct Animal {
    Colour fur;
    Colour light;
    Ears ears;
    Snout snout;
    Mark mark;
};

void PairOf(const std::function<void(double side)>& draw) {
    draw(-1.0);
    draw(1.0);
}

void DrawEars(Canvas& canvas, const Animal& animal) {
    switch (animal.ears) {
        case Ears::None:
            break;
        case Ears::Round:
            PairOf([&](double s) {
                canvas.Circle(50 + s * 26, 26, 12);
                Solid(canvas, animal.fur);
                Dot(canvas, 50 + s * 26, 26, 6, animal.light);
            });
            break;
        case Ears::Pointed:
            PairOf([&](double s) {
                canvas.Polygon({50 + s * 32, 44, 50 + s * 30, 8, 50 + s * 8, 26});
                Solid(canvas, animal.fur);
                canvas.Polygon({50 + s * 28, 36, 50 + s * 27, 16, 50 + s * 15, 27});
                canvas.FillPath(animal.light);
            });
            break;
        case Ears::Long:
            PairOf([&](double s) {
                canvas.Ellipse(50 + s * 14, 18, 8, 20);
                Solid(canvas, animal.fur);
                canvas.Ellipse(50 + s * 14, 19, 4, 14);
                canvas.FillPath(animal.light);
            });
            break;
        case Ears::Floppy:
            PairOf([&](double s) {
                canvas.Ellipse(50 + s * 32, 50, 10, 22);
                Solid(canvas, animal.light);
            });
            break;
        case Ears::Big:
            PairOf([&](double s) {
                canvas.Circle(50 + s * 32, 36, 19);
                Solid(canvas, animal.fur);
                Dot(canvas, 50 + s * 32, 36, 11, animal.light);
            });
            break;
        case Ears::Tiny:
            PairOf([&](double s) {
                canvas.Circle(50 + s * 22, 26, 7);
                Solid(canvas, animal.fur);
            });
            break;
        case Ears::Horns:
            PairOf([&](double s) {
                canvas.Polygon({50 + s * 14, 28, 50 + s * 24, 6, 50 + s * 24, 28});
                Solid(canvas, Palette::CREAM);
                canvas.Ellipse(50 + s * 34, 38, 11, 6);
                Solid(canvas, animal.fur);
            });
            break;
        case Ears::Antlers:
            PairOf([&](double s) {
                Band(canvas, 50 + s * 16, 28, 50 + s * 30, 6, DARK_BROWN, 4);
                Band(canvas, 50 + s * 25, 14, 50 + s * 38, 12, DARK_BROWN, 4);
                canvas.Ellipse(50 + s * 32, 36, 10, 6);
                Solid(canvas, animal.fur);
            });
            break;
        case Ears::Tufts:
            PairOf([&](double s) {
                canvas.Polygon({50 + s * 30, 34, 50 + s * 34, 10, 50 + s * 14, 26});
                Solid(canvas, animal.fur);
            });
            break;
    }
}

void DrawBehindHead(Canvas& canvas, const Animal& animal) {
    if (animal.mark == Mark::Mane) {
        canvas.Star(50, 54, 46, 37, 14);
        Solid(canvas, Palette::ORANGE);
    } else if (animal.mark == Mark::Spikes) {
        canvas.Star(50, 56, 46, 34, 16);
        Solid(canvas, DARK_BROWN);
    } else if (animal.mark == Mark::Wool) {
        for (int32_t puff = 0; puff < 10; ++puff) {
            const double angle = puff * PI / 5.0;
            canvas.Circle(50 + std::cos(angle) * 31, 52 + std::sin(angle) * 31, 11);
            Solid(canvas, WHITE);
        }
    }
}

void DrawMarks(Canvas& canvas, const Animal& animal) {
    switch (animal.mark) {
        case Mark::Patches:
            PairOf([&](double s) {
                canvas.Ellipse(50 + s * 13, 50, 9, 11);
                canvas.FillPath(INK);
            });
            break;
        case Mark::Stripes:
            for (const double x : {40.0, 50.0, 60.0}) Line(canvas, x, 24, x, 34, INK, 4);
            PairOf([&](double s) { Line(canvas, 50 + s * 32, 54, 50 + s * 22, 56, INK, 4); });
            break;
        case Mark::Spots:
            canvas.Ellipse(34, 36, 9, 7);
            canvas.Ellipse(68, 70, 7, 6);
            canvas.FillPath(INK);
            break;
        case Mark::Mask:
            canvas.Ellipse(50, 50, 27, 9);
            canvas.FillPath(INK);
            break;
        case Mark::Cheeks:
            PairOf([&](double s) { Dot(canvas, 50 + s * 22, 64, 7, SOFT_PINK); });
            break;
        case Mark::Disc:
            canvas.Ellipse(50, 60, 24, 22);
            canvas.FillPath(animal.light);
            break;
        case Mark::Horn:
            canvas.Polygon({43, 26, 50, -2, 57, 26});
            Solid(canvas, Palette::SUN);
            canvas.Ellipse(30, 32, 9, 6);
            Solid(canvas, Palette::PINK);
            break;
        case Mark::Beard:
            canvas.Polygon({42, 80, 50, 98, 58, 80});
            Solid(canvas, animal.light);
            break;
        default:
            break;
    }
}

void DrawSnout(Canvas& canvas, const Animal& animal) {
    switch (animal.snout) {
        case Snout::Smile:
            Grin(canvas, 50, 70, 9);
            break;
        case Snout::Whiskers:
            canvas.Polygon({45, 60, 55, 60, 50, 66});
            Solid(canvas, Palette::PINK);
            PairOf([&](double s) {
                Line(canvas, 50 + s * 12, 66, 50 + s * 30, 62, INK, 2);
                Line(canvas, 50 + s * 12, 70, 50 + s * 30, 72, INK, 2);
            });
            Grin(canvas, 50, 74, 6);
            break;
        case Snout::Muzzle:
            canvas.Ellipse(50, 67, 15, 11);
            Solid(canvas, animal.light);
            canvas.Ellipse(50, 61, 6, 4.5);
            canvas.FillPath(INK);
            Grin(canvas, 50, 72, 6);
            break;
        case Snout::Pig:
        case Snout::Hippo: {
            const double width = animal.snout == Snout::Pig ? 13 : 22;
            canvas.Ellipse(50, 68, width, width * 0.7);
            Solid(canvas, animal.light);
            PairOf([&](double s) { Dot(canvas, 50 + s * width * 0.4, 68, 3, INK); });
            break;
        }
        case Snout::Beak:
            canvas.Polygon({42, 60, 58, 60, 50, 72});
            Solid(canvas, Palette::ORANGE);
            break;
        case Snout::Trunk:
            cairo_move_to(canvas.Context(), 50, 60);
            cairo_curve_to(canvas.Context(), 50, 80, 52, 92, 66, 90);
            canvas.StrokePath(INK, 20);
            cairo_move_to(canvas.Context(), 50, 60);
            cairo_curve_to(canvas.Context(), 50, 80, 52, 92, 66, 90);
            canvas.StrokePath(animal.fur, 12);
            break;
        case Snout::Frog:
            cairo_new_path(canvas.Context());
            cairo_arc(canvas.Context(), 50, 56, 20, 0.15 * PI, 0.85 * PI);
            canvas.StrokePath(INK, 3.5);
            break;
        case Snout::Koala:
            canvas.Ellipse(50, 62, 8, 11);
            Solid(canvas, INK);
            break;
        case Snout::Horse:
            canvas.Ellipse(50, 74, 16, 12);
            Solid(canvas, animal.light);
            PairOf([&](double s) { Dot(canvas, 50 + s * 6, 74, 2.5, INK); });
            break;
    }
}

void AnimalFace(Canvas& canvas, const Animal& animal) {
    DrawBehindHead(canvas, animal);
    DrawEars(canvas, animal);
    if (animal.snout == Snout::Horse) {
        canvas.Ellipse(50, 54, 25, 36);
    } else {
        canvas.Ellipse(50, 54, 33, 31);
    }
    Solid(canvas, animal.fur);
    if (animal.snout == Snout::Frog) {
        PairOf([&](double s) {
            canvas.Circle(50 + s * 17, 26, 12);
            Solid(canvas, animal.fur);
            Dot(canvas, 50 + s * 17, 26, 8, WHITE);
        });
        Eyes(canvas, 50, 27, 34, 4.5);
    }
    DrawMarks(canvas, animal);
    if (animal.snout != Snout::Frog) {
        if (animal.snout == Snout::Beak && animal.ears == Ears::Tufts) {
            PairOf([&](double s) {
                canvas.Circle(50 + s * 14, 46, 11);
                Solid(canvas, WHITE);
            });
        }
        Eyes(canvas, 50, 47, 28, 4.5);
    }
    DrawSnout(canvas, animal);
}

Design AnimalDesign(const Animal& animal) {
    return [animal](Canvas& canvas) { AnimalFace(canvas, animal); };
}

const Colour FUR_ORANGE = Colour::Hex(0xFFA24C);
const Colour FUR_BROWN = Colour::Hex(0xC07A45);

Animal Cow() {
    return {WHITE, SOFT_PINK, Ears::Horns, Snout::Pig, Mark::Spots};
}
Animal Sheep() {
    return {Colour::Hex(0x8C7B78), Colour::Hex(0xF0E4D8), Ears::Tiny, Snout::Smile, Mark::Wool};
}
Animal Pig() {
    return {Palette::PINK, SOFT_PINK, Ears::Pointed, Snout::Pig, Mark::None};
}
Animal Dog() {
    return {TAN, FUR_BROWN, Ears::Floppy, Snout::Muzzle, Mark::None};
}

std::vector<Design> AnimalSheet() {
    return {
        AnimalDesign({FUR_ORANGE, SOFT_PINK, Ears::Pointed, Snout::Whiskers, Mark::None}),  // cat
        AnimalDesign(Dog()),
        AnimalDesign({FUR_BROWN, TAN, Ears::Round, Snout::Muzzle, Mark::None}),  // bear
        AnimalDesign({Colour::Hex(0xEDEDF5), SOFT_PINK, Ears::Long, Snout::Whiskers,
                      Mark::Cheeks}),                                                   // bunny
        AnimalDesign({LIGHT_GREY, SOFT_PINK, Ears::Big, Snout::Whiskers, Mark::None}),  // mouse
        AnimalDesign(Pig()),
        AnimalDesign({WHITE, WHITE, Ears::Round, Snout::Muzzle, Mark::Patches}),  // panda
        AnimalDesign(
            {Palette::SUN, Palette::CREAM, Ears::Round, Snout::Muzzle, Mark::Mane}),  // lion
        AnimalDesign({Palette::ORANGE, Palette::CREAM, Ears::Round, Snout::Whiskers,
                      Mark::Stripes}),  // tiger
        AnimalDesign(
            {Colour::Hex(0xF26B2A), WHITE, Ears::Pointed, Snout::Muzzle, Mark::None}),  // fox
        AnimalDesign({GREY, LIGHT_GREY, Ears::Big, Snout::Koala, Mark::None}),          // koala
        AnimalDesign({FUR_BROWN, TAN, Ears::Round, Snout::Smile, Mark::Disc}),          // monkey
        AnimalDesign(
            {Palette::GREEN, Palette::GREEN, Ears::None, Snout::Frog, Mark::Cheeks}),       // frog
        AnimalDesign({DARK_BROWN, TAN, Ears::Tufts, Snout::Beak, Mark::None}),              // owl
        AnimalDesign({Palette::SUN, Palette::SUN, Ears::None, Snout::Beak, Mark::Cheeks}),  // chick
        AnimalDesign(
            {Colour::Hex(0x3A3F58), WHITE, Ears::None, Snout::Beak, Mark::Disc}),  // penguin
        AnimalDesign(Cow()),
        AnimalDesign(Sheep()),
        AnimalDesign({Colour::Hex(0x9DB4D8), Colour::Hex(0xC9D8F0), Ears::Big, Snout::Trunk,
                      Mark::None}),                                                   // elephant
        AnimalDesign({GREY, SOFT_PINK, Ears::Pointed, Snout::Whiskers, Mark::Mask}),  // raccoon
        AnimalDesign({Colour::Hex(0xF7C68A), Palette::CREAM, Ears::Tiny, Snout::Whiskers,
                      Mark::Cheeks}),                                                // hamster
        AnimalDesign({FUR_BROWN, TAN, Ears::Antlers, Snout::Koala, Mark::None}),     // deer
        AnimalDesign({TAN, TAN, Ears::None, Snout::Muzzle, Mark::Spikes}),           // hedgehog
        AnimalDesign({LIGHT_GREY, WHITE, Ears::None, Snout::Whiskers, Mark::None}),  // seal
        AnimalDesign({Palette::SUN, Colour::Hex(0xE0A040), Ears::Horns, Snout::Horse,
                      Mark::Spots}),                                           // giraffe
        AnimalDesign({WHITE, INK, Ears::Floppy, Snout::Muzzle, Mark::Spots}),  // spotty dog
        AnimalDesign({Colour::Hex(0xB89AD8), Colour::Hex(0xD8C4F0), Ears::Tiny, Snout::Hippo,
                      Mark::None}),                                                 // hippo
        AnimalDesign({WHITE, SOFT_PINK, Ears::Pointed, Snout::Horse, Mark::Horn}),  // unicorn
    };
}

// ---- Food ---------------------------------------------------------------------------

void Stalk(Canvas& canvas, double x, double y, bool leaf) {
    Band(canvas, x, y + 6, x + 3, y - 8, DARK_BROWN, 4);
    if (leaf) Leaf(canvas, x + 3, y - 4, 22, -0.5, Palette::GREEN);
}

Design RoundFruit(Colour colour, double width, double height, bool leaf, bool dimples) {
    return [=](Canvas& canvas) {
        canvas.Ellipse(50, 56, width, height);
        Solid(canvas, colour);
        canvas.Ellipse(50 - width * 0.45, 56 - height * 0.4, width * 0.18, height * 0.12);
        canvas.FillPath(colour.Lighter(0.6));
        if (dimples) {
            for (const auto& [x, y] :
                 {std::pair{40.0, 60.0}, {60.0, 48.0}, {56.0, 70.0}, {34.0, 46.0}})
                Dot(canvas, x, y, 1.8, colour.Darker(0.75));
        }
        Stalk(canvas, 50, 56 - height, leaf);
        Face(canvas, 50, 60, 40);
    };
}

void Pear(Canvas& canvas) {
    canvas.Circle(50, 38, 16);
    canvas.Circle(50, 66, 26);
    canvas.FillAndOutline(LIME, INK, OUTLINE);
    canvas.Circle(50, 38, 16);
    canvas.Circle(50, 66, 26);
    canvas.FillPath(LIME);
    Stalk(canvas, 50, 22, true);
    Face(canvas, 50, 66, 36);
}

void Banana(Canvas& canvas) {
    cairo_t* context = canvas.Context();
    cairo_new_path(context);
    cairo_move_to(context, 18, 30);
    cairo_curve_to(context, 20, 80, 70, 92, 90, 62);
    cairo_curve_to(context, 70, 74, 36, 66, 30, 26);
    cairo_close_path(context);
    Solid(canvas, Palette::SUN);
    canvas.RoundedBox(18, 18, 12, 12, 3);
    Solid(canvas, DARK_BROWN);
    Eyes(canvas, 48, 66, 14, 3.5);
}

void Cherries(Canvas& canvas) {
    cairo_t* context = canvas.Context();
    cairo_move_to(context, 30, 68);
    cairo_curve_to(context, 36, 40, 50, 24, 60, 14);
    cairo_move_to(context, 70, 66);
    cairo_curve_to(context, 66, 40, 62, 24, 60, 14);
    canvas.StrokePath(DARK_BROWN, 4);
    Leaf(canvas, 60, 14, 24, 0.1, Palette::GREEN);
    for (const double x : {30.0, 70.0}) {
        canvas.Circle(x, 72, 17);
        Solid(canvas, Palette::RED);
        Dot(canvas, x - 6, 66, 4, Palette::RED.Lighter(0.6));
        Eyes(canvas, x, 74, 12, 2.8);
    }
}

void Strawberry(Canvas& canvas) {
    cairo_t* context = canvas.Context();
    cairo_new_path(context);
    cairo_move_to(context, 50, 94);
    cairo_curve_to(context, 14, 70, 10, 30, 50, 28);
    cairo_curve_to(context, 90, 30, 86, 70, 50, 94);
    Solid(canvas, Palette::RED);
    for (const auto& [x, y] :
         {std::pair{36.0, 46.0}, {64.0, 46.0}, {50.0, 76.0}, {34.0, 64.0}, {66.0, 64.0}})
        Dot(canvas, x, y, 2.2, Palette::SUN);
    canvas.Star(50, 28, 20, 8, 5, PI);
    Solid(canvas, Palette::GREEN);
    Eyes(canvas, 50, 56, 16, 3.5);
}

void Grapes(Canvas& canvas) {
    Stalk(canvas, 50, 16, true);
    const double rows[][2] = {{3, 30}, {4, 44}, {3, 58}, {2, 72}, {1, 86}};
    for (const auto& row : rows) {
        const auto count = static_cast<int32_t>(row[0]);
        for (int32_t i = 0; i < count; ++i) {
            canvas.Circle(50 + (i - (count - 1) / 2.0) * 16, row[1], 9);
            Solid(canvas, Palette::PURPLE);
        }
    }
    Eyes(canvas, 50, 46, 14, 3);
}

void Watermelon(Canvas& canvas) {
    cairo_t* context = canvas.Context();
    cairo_new_path(context);
    cairo_arc(context, 50, 36, 42, 0, PI);
    cairo_close_path(context);
    Solid(canvas, Palette::GREEN);
    cairo_new_path(context);
    cairo_arc(context, 50, 36, 34, 0, PI);
    cairo_close_path(context);
    canvas.FillPath(Palette::RED);
    for (const double x : {30.0, 44.0, 58.0, 70.0}) {
        canvas.Ellipse(x, 52 + (x == 44.0 || x == 58.0 ? 10 : 0), 2, 3.5);
        canvas.FillPath(INK);
    }
    Eyes(canvas, 50, 44, 16, 3.5);
}

void Pineapple(Canvas& canvas) {
    for (const double turn : {-0.5, 0.0, 0.5}) {
        Leaf(canvas, 50, 34, 30, -PI / 2 + turn, Palette::GREEN);
    }
    canvas.Ellipse(50, 62, 24, 30);
    Solid(canvas, Palette::SUN);
    // The criss-cross of the skin stays inside the fruit.
    cairo_t* context = canvas.Context();
    cairo_save(context);
    canvas.Ellipse(50, 62, 24, 30);
    cairo_clip(context);
    for (int32_t i = -2; i <= 2; ++i) {
        Line(canvas, 38 + i * 10, 36, 62 + i * 10, 88, Palette::ORANGE, 2.5);
        Line(canvas, 62 + i * 10, 36, 38 + i * 10, 88, Palette::ORANGE, 2.5);
    }
    cairo_restore(context);
    canvas.Ellipse(50, 62, 24, 30);
    canvas.StrokePath(INK, OUTLINE);
    Face(canvas, 50, 62, 36);
}

void Pumpkin(Canvas& canvas) {
    Stalk(canvas, 50, 28, true);
    for (const auto& [x, width] : {std::pair{30.0, 18.0}, {70.0, 18.0}, {50.0, 22.0}}) {
        canvas.Ellipse(x, 60, width, 30);
        Solid(canvas, Colour::Hex(0xFF8A1E));
    }
    Face(canvas, 50, 62, 36);
}

void Carrot(Canvas& canvas) {
    for (const double turn : {-0.4, 0.0, 0.4})
        Leaf(canvas, 50, 26, 22, -PI / 2 + turn, Palette::GREEN);
    canvas.Polygon({30, 26, 70, 26, 50, 96});
    Solid(canvas, Palette::ORANGE);
    Line(canvas, 40, 50, 48, 50, INK, 2.5);
    Line(canvas, 54, 66, 60, 66, INK, 2.5);
    Eyes(canvas, 50, 38, 14, 3.5);
}

void Cupcake(Canvas& canvas, Colour icing) {
    canvas.Polygon({24, 56, 76, 56, 68, 92, 32, 92});
    Solid(canvas, Palette::BLUE.Lighter(0.4));
    for (const double x : {38.0, 50.0, 62.0}) Line(canvas, x, 60, x, 88, INK, 2);
    for (const auto& [x, y, r] :
         {std::tuple{32.0, 50.0, 14.0}, {68.0, 50.0, 14.0}, {50.0, 42.0, 20.0}}) {
        canvas.Circle(x, y, r);
        Solid(canvas, icing);
    }
    canvas.Circle(32, 50, 12);
    canvas.Circle(68, 50, 12);
    canvas.Circle(50, 42, 18);
    canvas.FillPath(icing);
    canvas.Circle(50, 18, 7);
    Solid(canvas, Palette::RED);
    Face(canvas, 50, 46, 30);
}

void IceCream(Canvas& canvas, Colour scoop) {
    canvas.Polygon({30, 50, 70, 50, 50, 96});
    Solid(canvas, TAN);
    Line(canvas, 38, 60, 58, 80, Palette::BROWN, 2);
    Line(canvas, 62, 60, 42, 80, Palette::BROWN, 2);
    canvas.Circle(50, 38, 22);
    Solid(canvas, scoop);
    Face(canvas, 50, 38, 30);
}

void Lollipop(Canvas& canvas, Colour colour) {
    Band(canvas, 50, 60, 50, 96, WHITE, 5);
    canvas.Circle(50, 38, 28);
    Solid(canvas, colour);
    cairo_t* context = canvas.Context();
    cairo_new_path(context);
    for (double angle = 0; angle < 5 * PI; angle += 0.2) {
        cairo_line_to(context, 50 + std::cos(angle) * angle * 1.6,
                      38 + std::sin(angle) * angle * 1.6);
    }
    canvas.StrokePath(WHITE, 4);
}

void Donut(Canvas& canvas, Colour icing) {
    canvas.Circle(50, 52, 38);
    Solid(canvas, TAN);
    canvas.Star(50, 52, 34, 30, 12);
    canvas.FillPath(icing);
    canvas.Circle(50, 52, 12);
    Solid(canvas, WHITE);
    const Colour sprinkles[] = {Palette::SUN, Palette::BLUE, Palette::GREEN, WHITE};
    for (int32_t i = 0; i < 8; ++i) {
        const double angle = i * PI / 4 + 0.3;
        const double x = 50 + std::cos(angle) * 23;
        const double y = 52 + std::sin(angle) * 23;
        Line(canvas, x - 2, y - 2, x + 2, y + 2, sprinkles[i % 4], 3);
    }
}

void Cookie(Canvas& canvas) {
    canvas.Circle(50, 52, 38);
    Solid(canvas, TAN);
    for (const auto& [x, y] :
         {std::pair{34.0, 36.0}, {62.0, 32.0}, {70.0, 58.0}, {40.0, 70.0}, {58.0, 76.0}})
        Dot(canvas, x, y, 5, DARK_BROWN);
    Face(canvas, 50, 54, 34);
}

void CakeSlice(Canvas& canvas) {
    canvas.Polygon({14, 50, 86, 34, 86, 82, 14, 90});
    Solid(canvas, Palette::CREAM);
    canvas.Polygon({14, 50, 86, 34, 86, 46, 14, 62});
    Solid(canvas, Palette::PINK);
    Line(canvas, 16, 74, 84, 62, Palette::RED, 4);
    canvas.Circle(60, 30, 8);
    Solid(canvas, Palette::RED);
}

void Pizza(Canvas& canvas) {
    canvas.Polygon({14, 20, 86, 20, 50, 94});
    Solid(canvas, Palette::SUN);
    canvas.RoundedBox(10, 12, 80, 14, 7);
    Solid(canvas, TAN);
    for (const auto& [x, y] : {std::pair{36.0, 38.0}, {62.0, 40.0}, {50.0, 62.0}}) {
        canvas.Circle(x, y, 7);
        Solid(canvas, Palette::RED);
    }
}

void Candy(Canvas& canvas, Colour colour) {
    canvas.Polygon({26, 50, 6, 32, 6, 68});
    canvas.Polygon({74, 50, 94, 32, 94, 68});
    Solid(canvas, colour.Lighter(0.3));
    canvas.Ellipse(50, 50, 28, 22);
    Solid(canvas, colour);
    Line(canvas, 40, 32, 34, 66, WHITE, 4);
    Line(canvas, 58, 32, 52, 68, WHITE, 4);
}

void Popsicle(Canvas& canvas, Colour colour) {
    canvas.RoundedBox(44, 66, 12, 30, 5);
    Solid(canvas, TAN);
    canvas.RoundedBox(28, 10, 44, 64, 20);
    Solid(canvas, colour);
    Face(canvas, 50, 42, 34);
}

void Cheese(Canvas& canvas) {
    canvas.Polygon({10, 70, 86, 36, 90, 80, 10, 84});
    Solid(canvas, Palette::SUN);
    Dot(canvas, 40, 72, 6, Palette::ORANGE);
    Dot(canvas, 66, 62, 5, Palette::ORANGE);
    Dot(canvas, 78, 72, 3.5, Palette::ORANGE);
}

void Egg(Canvas& canvas) {
    cairo_t* context = canvas.Context();
    cairo_new_path(context);
    cairo_move_to(context, 20, 50);
    cairo_curve_to(context, 10, 20, 50, 4, 64, 18);
    cairo_curve_to(context, 96, 20, 96, 66, 76, 80);
    cairo_curve_to(context, 56, 96, 26, 90, 20, 50);
    Solid(canvas, WHITE);
    canvas.Circle(52, 50, 17);
    Solid(canvas, Palette::SUN);
    Face(canvas, 52, 52, 26);
}

void Toast(Canvas& canvas) {
    canvas.RoundedBox(16, 14, 68, 78, 22);
    Solid(canvas, Palette::BROWN);
    canvas.RoundedBox(24, 22, 52, 62, 16);
    canvas.FillPath(TAN);
    Face(canvas, 50, 54, 40);
}

void JuiceBox(Canvas& canvas) {
    Band(canvas, 60, 22, 66, 6, WHITE, 4);
    canvas.RoundedBox(28, 20, 44, 74, 6);
    Solid(canvas, Palette::ORANGE);
    canvas.Circle(50, 64, 14);
    Solid(canvas, Palette::SUN);
    Eyes(canvas, 50, 36, 16, 3.5);
}

void HoneyPot(Canvas& canvas) {
    canvas.Ellipse(50, 60, 34, 32);
    Solid(canvas, Palette::ORANGE);
    canvas.RoundedBox(24, 20, 52, 14, 6);
    Solid(canvas, DARK_BROWN);
    canvas.RoundedBox(30, 50, 40, 22, 6);
    Solid(canvas, Palette::CREAM);
    canvas.Text("HONEY", 50, 61, 11, INK);
}

Design Draw(void (*draw)(Canvas&)) {
    return draw;
}

Design Coloured(void (*draw)(Canvas&, Colour), Colour colour) {
    return [draw, colour](Canvas& canvas) { draw(canvas, colour); };
}

std::vector<Design> FoodSheet() {
    return {
        RoundFruit(Palette::RED, 32, 30, true, false),  // apple
        Draw(Pear),
        Draw(Banana),
        Draw(Cherries),
        Draw(Strawberry),
        RoundFruit(Palette::ORANGE, 32, 32, true, true),  // orange
        RoundFruit(Palette::SUN, 36, 26, false, true),    // lemon
        Draw(Grapes),
        Draw(Watermelon),
        Draw(Pineapple),
        Draw(Carrot),
        RoundFruit(Colour::Hex(0xFF5A3C), 34, 28, true, false),  // tomato
        Draw(Pumpkin),
        RoundFruit(Colour::Hex(0x8E5BC9), 28, 32, false, false),  // plum
        Coloured(Cupcake, Palette::PINK),
        Coloured(IceCream, SOFT_PINK),
        Coloured(Lollipop, Palette::RED),
        Coloured(Donut, Palette::PINK),
        Draw(Cookie),
        Draw(CakeSlice),
        Draw(Pizza),
        Coloured(Candy, Palette::PURPLE),
        Coloured(Popsicle, Palette::RED),
        Draw(Cheese),
        Draw(Egg),
        Draw(Toast),
        Draw(JuiceBox),
        Draw(HoneyPot),
    };
}

// ---- Things that go -----------------------------------------------------------------

void Wheels(Canvas& canvas, std::initializer_list<double> xs, double y, double radius) {
    for (const double x : xs) {
        canvas.Circle(x, y, radius);
        Solid(canvas, Colour::Hex(0x444455));
        Dot(canvas, x, y, radius * 0.4, LIGHT_GREY);
    }
}

enum class Roof { None, Taxi, Siren, Racing };

void Car(Canvas& canvas, Colour body, Roof roof) {
    if (roof == Roof::Taxi) {
        canvas.RoundedBox(40, 18, 20, 10, 3);
        Solid(canvas, Palette::SUN);
    } else if (roof == Roof::Siren) {
        canvas.RoundedBox(42, 16, 16, 12, 5);
        Solid(canvas, Palette::BLUE);
    }
    if (roof == Roof::Racing) {
        canvas.Polygon({6, 70, 10, 50, 40, 46, 60, 34, 94, 56, 94, 70});
    } else {
        canvas.Polygon({8, 72, 8, 52, 24, 48, 32, 28, 70, 28, 80, 48, 94, 54, 94, 72});
    }
    Solid(canvas, body);
    if (roof == Roof::Racing) {
        canvas.Circle(58, 54, 9);
        Solid(canvas, WHITE);
        canvas.Text("1", 58, 54, 12, INK);
    } else {
        canvas.Polygon({36, 46, 40, 33, 52, 33, 52, 46});
        canvas.Polygon({58, 46, 58, 33, 66, 33, 72, 46});
        Solid(canvas, Palette::PALE_SKY);
    }
    Wheels(canvas, {28, 74}, 74, 11);
}

void Bus(Canvas& canvas) {
    canvas.RoundedBox(6, 22, 88, 52, 8);
    Solid(canvas, Palette::SUN);
    for (int32_t i = 0; i < 4; ++i) {
        canvas.RoundedBox(12 + i * 20, 30, 14, 16, 3);
        Solid(canvas, Palette::PALE_SKY);
    }
    Line(canvas, 8, 56, 92, 56, Palette::RED, 4);
    Wheels(canvas, {26, 74}, 76, 10);
}

void FireEngine(Canvas& canvas) {
    Band(canvas, 14, 20, 66, 20, LIGHT_GREY, 6);
    for (double x = 20; x < 66; x += 10) Line(canvas, x, 17, x, 23, INK, 2);
    canvas.Polygon({6, 74, 6, 30, 64, 30, 64, 40, 82, 40, 94, 56, 94, 74});
    Solid(canvas, Palette::RED);
    canvas.Polygon({68, 44, 80, 44, 88, 56, 68, 56});
    Solid(canvas, Palette::PALE_SKY);
    canvas.RoundedBox(50, 22, 10, 8, 3);
    Solid(canvas, Palette::BLUE);
    Wheels(canvas, {24, 76}, 76, 10);
}

void Train(Canvas& canvas, Colour body) {
    canvas.RoundedBox(20, 8, 14, 22, 3);
    Solid(canvas, INK);
    canvas.RoundedBox(8, 28, 56, 42, 6);
    Solid(canvas, body);
    canvas.RoundedBox(56, 16, 36, 54, 6);
    Solid(canvas, body.Darker(0.85));
    canvas.RoundedBox(64, 24, 20, 18, 3);
    Solid(canvas, Palette::PALE_SKY);
    Wheels(canvas, {22, 48, 76}, 76, 11);
}

void Plane(Canvas& canvas, Colour body) {
    canvas.Polygon({44, 50, 30, 86, 46, 86, 64, 50});
    Solid(canvas, body.Darker(0.8));
    canvas.Polygon({10, 30, 20, 30, 30, 46, 14, 50});
    Solid(canvas, body);
    canvas.Ellipse(52, 48, 42, 13);
    Solid(canvas, WHITE);
    for (const double x : {44.0, 56.0, 68.0}) Dot(canvas, x, 46, 4, Palette::BLUE);
    canvas.Polygon({44, 46, 34, 14, 50, 14, 62, 46});
    Solid(canvas, body);
}

void Helicopter(Canvas& canvas) {
    Band(canvas, 14, 14, 86, 14, INK, 3);
    Line(canvas, 50, 14, 50, 30, INK, 4);
    Band(canvas, 50, 52, 92, 44, Palette::ORANGE, 7);
    canvas.Circle(44, 54, 26);
    Solid(canvas, Palette::ORANGE);
    canvas.Circle(36, 50, 12);
    Solid(canvas, Palette::PALE_SKY);
    Band(canvas, 24, 88, 66, 88, INK, 3);
}

void Rocket(Canvas& canvas, Colour body) {
    canvas.Polygon({40, 78, 50, 98, 60, 78});
    Solid(canvas, Palette::ORANGE);
    canvas.Polygon({34, 56, 18, 84, 36, 80});
    canvas.Polygon({66, 56, 82, 84, 64, 80});
    Solid(canvas, Palette::RED);
    cairo_t* context = canvas.Context();
    cairo_new_path(context);
    cairo_move_to(context, 50, 4);
    cairo_curve_to(context, 78, 24, 70, 70, 64, 82);
    cairo_line_to(context, 36, 82);
    cairo_curve_to(context, 30, 70, 22, 24, 50, 4);
    Solid(canvas, body);
    canvas.Circle(50, 40, 10);
    Solid(canvas, Palette::PALE_SKY);
}

void Balloon(Canvas& canvas, Colour colour) {
    Band(canvas, 40, 72, 60, 72, DARK_BROWN, 2);
    Line(canvas, 34, 54, 42, 76, INK, 2);
    Line(canvas, 66, 54, 58, 76, INK, 2);
    canvas.RoundedBox(38, 74, 24, 20, 4);
    Solid(canvas, Palette::BROWN);
    canvas.Ellipse(50, 34, 32, 30);
    Solid(canvas, colour);
    canvas.Ellipse(50, 34, 12, 30);
    Solid(canvas, colour.Lighter(0.5));
}

void Bicycle(Canvas& canvas, Colour frame) {
    for (const double x : {26.0, 74.0}) {
        canvas.Circle(x, 66, 18);
        canvas.StrokePath(INK, 6);
    }
    Band(canvas, 26, 66, 46, 40, frame, 4);
    Band(canvas, 46, 40, 74, 66, frame, 4);
    Band(canvas, 46, 40, 70, 40, frame, 4);
    Band(canvas, 26, 66, 50, 66, frame, 4);
    Band(canvas, 70, 40, 74, 66, frame, 4);
    Band(canvas, 40, 30, 52, 30, INK, 3);
    Band(canvas, 66, 30, 70, 40, INK, 3);
}

void Boat(Canvas& canvas, Colour hull, Colour sail) {
    Line(canvas, 50, 10, 50, 66, INK, 4);
    canvas.Polygon({54, 12, 54, 60, 86, 60});
    Solid(canvas, sail);
    canvas.Polygon({46, 18, 46, 60, 20, 60});
    Solid(canvas, WHITE);
    canvas.Polygon({8, 66, 92, 66, 78, 88, 22, 88});
    Solid(canvas, hull);
}

void Submarine(Canvas& canvas) {
    canvas.RoundedBox(44, 18, 20, 24, 5);
    Solid(canvas, Palette::SUN);
    canvas.Ellipse(50, 56, 42, 22);
    Solid(canvas, Palette::SUN);
    for (const double x : {32.0, 50.0, 68.0}) {
        canvas.Circle(x, 56, 7);
        Solid(canvas, Palette::PALE_SKY);
    }
}

void Tractor(Canvas& canvas, Colour body) {
    canvas.Polygon({10, 70, 10, 46, 52, 46, 52, 20, 84, 20, 84, 70});
    Solid(canvas, body);
    canvas.RoundedBox(58, 26, 20, 18, 3);
    Solid(canvas, Palette::PALE_SKY);
    canvas.RoundedBox(20, 30, 7, 16, 2);
    Solid(canvas, INK);
    canvas.Circle(68, 70, 20);
    Solid(canvas, Colour::Hex(0x444455));
    Dot(canvas, 68, 70, 8, Palette::SUN);
    canvas.Circle(24, 78, 12);
    Solid(canvas, Colour::Hex(0x444455));
    Dot(canvas, 24, 78, 5, Palette::SUN);
}

void Digger(Canvas& canvas) {
    Band(canvas, 56, 40, 86, 20, Palette::SUN, 7);
    Band(canvas, 86, 20, 90, 56, Palette::SUN, 7);
    canvas.Polygon({80, 56, 98, 56, 92, 74});
    Solid(canvas, LIGHT_GREY);
    canvas.RoundedBox(12, 26, 34, 34, 4);
    Solid(canvas, Palette::SUN);
    canvas.RoundedBox(18, 32, 20, 16, 3);
    Solid(canvas, Palette::PALE_SKY);
    canvas.RoundedBox(6, 56, 66, 16, 4);
    Solid(canvas, Palette::SUN);
    canvas.RoundedBox(6, 72, 70, 18, 9);
    Solid(canvas, Colour::Hex(0x444455));
    Wheels(canvas, {18, 41, 64}, 81, 5);
}

void Ufo(Canvas& canvas, Colour colour) {
    canvas.Ellipse(50, 40, 18, 20);
    Solid(canvas, Palette::PALE_SKY);
    Face(canvas, 50, 38, 24);
    canvas.Ellipse(50, 58, 44, 14);
    Solid(canvas, colour);
    for (const double x : {24.0, 50.0, 76.0}) Dot(canvas, x, 60, 4, Palette::SUN);
}

template <typename... Args>
Design With(void (*draw)(Canvas&, Args...), Args... args) {
    return [=](Canvas& canvas) { draw(canvas, args...); };
}

std::vector<Design> VehicleSheet() {
    return {
        With(Car, Palette::RED, Roof::None),
        With(Car, Palette::SUN, Roof::Taxi),
        With(Car, WHITE, Roof::Siren),
        With(Car, Palette::GREEN, Roof::Racing),
        Draw(Bus),
        Draw(FireEngine),
        With(Train, Palette::BLUE),
        With(Plane, Palette::RED),
        Draw(Helicopter),
        With(Rocket, WHITE),
        With(Balloon, Palette::RED),
        With(Bicycle, Palette::PURPLE),
        With(Boat, Palette::RED, Palette::SUN),
        Draw(Submarine),
        With(Tractor, Palette::GREEN),
        Draw(Digger),
        With(Ufo, Palette::PURPLE),
        With(Car, Palette::BLUE, Roof::None),
        With(Car, Palette::PINK, Roof::Racing),
        With(Train, Palette::RED),
        With(Plane, Palette::BLUE),
        With(Rocket, Palette::SUN),
        With(Balloon, Palette::BLUE),
        With(Bicycle, Palette::RED),
        With(Boat, Palette::BLUE, Palette::PINK),
        With(Tractor, Palette::RED),
        With(Ufo, Palette::GREEN),
        With(Car, Palette::ORANGE, Roof::Taxi),
    };
}

// ---- The farm and the sea ---------------------------------------------------------

void Fish(Canvas& canvas, Colour body, bool stripes) {
    canvas.Polygon({66, 50, 94, 28, 94, 72});
    Solid(canvas, body.Darker(0.85));
    canvas.Ellipse(46, 50, 36, 26);
    Solid(canvas, body);
    if (stripes) {
        for (const double x : {42.0, 58.0}) {
            cairo_new_path(canvas.Context());
            cairo_arc(canvas.Context(), x - 30, 50, 34, -0.5, 0.5);
            canvas.StrokePath(WHITE, 5);
        }
    }
    canvas.Polygon({40, 26, 56, 14, 60, 28});
    Solid(canvas, body.Darker(0.85));
    Dot(canvas, 24, 44, 6, INK);
    Dot(canvas, 22, 42, 2, WHITE);
    Grin(canvas, 22, 60, 6);
}

void Pufferfish(Canvas& canvas) {
    canvas.Star(48, 52, 44, 34, 16);
    Solid(canvas, Palette::ORANGE);
    canvas.Circle(48, 52, 32);
    canvas.FillPath(Palette::SUN);
    canvas.Polygon({78, 52, 96, 40, 96, 64});
    Solid(canvas, Palette::ORANGE);
    Face(canvas, 44, 52, 40);
}

void Hen(Canvas& canvas, Colour body) {
    canvas.Polygon({66, 26, 92, 18, 86, 40, 76, 44});
    Solid(canvas, body);
    canvas.Ellipse(54, 60, 34, 26);
    Solid(canvas, body);
    Line(canvas, 46, 86, 46, 96, Palette::ORANGE, 4);
    Line(canvas, 60, 86, 60, 96, Palette::ORANGE, 4);
    canvas.Circle(28, 34, 16);
    Solid(canvas, body);
    canvas.Star(26, 18, 10, 6, 3);
    Solid(canvas, Palette::RED);
    canvas.Polygon({14, 34, 4, 40, 14, 44});
    Solid(canvas, Palette::ORANGE);
    Eyes(canvas, 27, 32, 0, 3.5);
    Leaf(canvas, 44, 58, 26, 0.2, body.Darker(0.85));
}

void Duck(Canvas& canvas) {
    canvas.Ellipse(56, 64, 36, 22);
    Solid(canvas, WHITE);
    canvas.Circle(32, 36, 16);
    Solid(canvas, WHITE);
    canvas.Ellipse(14, 40, 10, 5);
    Solid(canvas, Palette::ORANGE);
    Eyes(canvas, 32, 32, 0, 3.5);
    Leaf(canvas, 52, 58, 28, 0.3, LIGHT_GREY);
}

void Chick(Canvas& canvas) {
    canvas.Ellipse(50, 62, 32, 28);
    Solid(canvas, Palette::SUN);
    Line(canvas, 42, 90, 40, 98, Palette::ORANGE, 4);
    Line(canvas, 58, 90, 60, 98, Palette::ORANGE, 4);
    canvas.Circle(50, 34, 20);
    Solid(canvas, Palette::SUN);
    canvas.Polygon({44, 40, 56, 40, 50, 48});
    Solid(canvas, Palette::ORANGE);
    Eyes(canvas, 50, 32, 14, 3.5);
    Leaf(canvas, 22, 62, 18, 0.5, Palette::SUN.Darker(0.9));
}

void Barn(Canvas& canvas) {
    canvas.Polygon({10, 44, 50, 10, 90, 44, 90, 92, 10, 92});
    Solid(canvas, Palette::RED);
    canvas.RoundedBox(34, 56, 32, 36, 2);
    Solid(canvas, WHITE);
    Line(canvas, 36, 58, 64, 90, INK, 3);
    Line(canvas, 64, 58, 36, 90, INK, 3);
    canvas.Circle(50, 36, 8);
    Solid(canvas, WHITE);
}

void Nest(Canvas& canvas) {
    for (const double x : {34.0, 50.0, 66.0}) {
        canvas.Ellipse(x, 48 - (x == 50.0 ? 8 : 0), 12, 16);
        Solid(canvas, Palette::CREAM);
    }
    canvas.Ellipse(50, 66, 42, 18);
    Solid(canvas, Palette::BROWN);
    for (const double y : {60.0, 70.0}) Line(canvas, 18, y, 82, y + 4, DARK_BROWN, 2.5);
}

void Lighthouse(Canvas& canvas) {
    canvas.Polygon({34, 92, 40, 30, 60, 30, 66, 92});
    Solid(canvas, WHITE);
    canvas.Polygon({37, 62, 63, 62, 64, 76, 36, 76});
    canvas.Polygon({39, 38, 61, 38, 62, 50, 38, 50});
    Solid(canvas, Palette::RED);
    canvas.RoundedBox(38, 16, 24, 14, 2);
    Solid(canvas, Palette::SUN);
    canvas.Polygon({34, 16, 50, 4, 66, 16});
    Solid(canvas, Palette::RED);
}

void Shell(Canvas& canvas) {
    cairo_t* context = canvas.Context();
    cairo_new_path(context);
    cairo_move_to(context, 50, 90);
    cairo_line_to(context, 10, 44);
    cairo_curve_to(context, 20, 6, 80, 6, 90, 44);
    cairo_close_path(context);
    Solid(canvas, SOFT_PINK);
    for (const double x : {24.0, 38.0, 50.0, 62.0, 76.0})
        Line(canvas, 50, 86, x, 20 + std::abs(x - 50) * 0.6, Palette::PINK, 3);
    canvas.RoundedBox(38, 84, 24, 10, 4);
    Solid(canvas, SOFT_PINK);
}

void Anchor(Canvas& canvas) {
    canvas.Circle(50, 16, 8);
    canvas.StrokePath(INK, 9);
    canvas.Circle(50, 16, 8);
    canvas.StrokePath(Palette::BLUE, 4);
    Band(canvas, 50, 24, 50, 88, Palette::BLUE, 6);
    Band(canvas, 34, 36, 66, 36, Palette::BLUE, 6);
    cairo_new_path(canvas.Context());
    cairo_arc(canvas.Context(), 50, 56, 32, 0.15 * PI, 0.85 * PI);
    canvas.StrokePath(INK, 14);
    cairo_new_path(canvas.Context());
    cairo_arc(canvas.Context(), 50, 56, 32, 0.15 * PI, 0.85 * PI);
    canvas.StrokePath(Palette::BLUE, 6);
}

void Dolphin(Canvas& canvas) {
    cairo_t* context = canvas.Context();
    canvas.Polygon({80, 70, 98, 56, 96, 84});
    Solid(canvas, Palette::BLUE);
    cairo_new_path(context);
    cairo_move_to(context, 6, 56);
    cairo_curve_to(context, 20, 20, 70, 20, 86, 72);
    cairo_curve_to(context, 60, 66, 30, 66, 6, 56);
    Solid(canvas, Palette::BLUE);
    canvas.Polygon({44, 30, 54, 12, 60, 32});
    Solid(canvas, Palette::BLUE);
    Eyes(canvas, 26, 44, 0, 3.5);
}

void Jellyfish(Canvas& canvas) {
    cairo_t* context = canvas.Context();
    for (const double x : {30.0, 44.0, 58.0, 72.0}) {
        cairo_move_to(context, x, 50);
        cairo_curve_to(context, x - 8, 64, x + 8, 78, x, 94);
    }
    canvas.StrokePath(Palette::PURPLE, 4);
    cairo_new_path(context);
    cairo_arc(context, 50, 52, 32, PI, 2 * PI);
    cairo_close_path(context);
    Solid(canvas, Palette::PINK);
    Face(canvas, 50, 38, 34);
}

void Bucket(Canvas& canvas) {
    cairo_new_path(canvas.Context());
    cairo_arc(canvas.Context(), 50, 34, 26, PI, 2 * PI);
    canvas.StrokePath(INK, 4);
    canvas.Polygon({20, 34, 80, 34, 70, 90, 30, 90});
    Solid(canvas, Palette::BLUE);
    canvas.Star(50, 62, 14, 6, 5);
    Solid(canvas, Palette::SUN);
}

void Whale(Canvas& canvas) {
    cairo_t* context = canvas.Context();
    Band(canvas, 30, 24, 26, 8, Palette::PALE_SKY, 4);
    Band(canvas, 30, 24, 36, 8, Palette::PALE_SKY, 4);
    canvas.Polygon({80, 54, 98, 34, 96, 60});
    Solid(canvas, Palette::BLUE);
    cairo_new_path(context);
    cairo_move_to(context, 4, 60);
    cairo_curve_to(context, 4, 20, 70, 20, 86, 56);
    cairo_curve_to(context, 70, 90, 10, 90, 4, 60);
    Solid(canvas, Palette::BLUE);
    canvas.Ellipse(34, 72, 24, 10);
    canvas.FillPath(Palette::PALE_SKY);
    Eyes(canvas, 26, 50, 0, 4);
    Grin(canvas, 20, 66, 7);
}

void Octopus(Canvas& canvas) {
    cairo_t* context = canvas.Context();
    for (int32_t leg = 0; leg < 5; ++leg) {
        const double x = 22 + leg * 14;
        cairo_move_to(context, x, 56);
        cairo_curve_to(context, x - 8, 74, x + 10, 84, x + 2, 94);
    }
    canvas.StrokePath(INK, 13);
    for (int32_t leg = 0; leg < 5; ++leg) {
        const double x = 22 + leg * 14;
        cairo_move_to(context, x, 56);
        cairo_curve_to(context, x - 8, 74, x + 10, 84, x + 2, 94);
    }
    canvas.StrokePath(Palette::PURPLE, 6);
    canvas.Ellipse(50, 42, 32, 30);
    Solid(canvas, Palette::PURPLE);
    Face(canvas, 50, 46, 40);
}

void Turtle(Canvas& canvas) {
    for (const auto& [x, y] : {std::pair{24.0, 72.0}, {76.0, 72.0}, {26.0, 38.0}, {74.0, 38.0}}) {
        canvas.Ellipse(x, y, 10, 8);
        Solid(canvas, LIME);
    }
    canvas.Circle(88, 52, 11);
    Solid(canvas, LIME);
    Eyes(canvas, 90, 50, 0, 2.8);
    canvas.Ellipse(50, 54, 34, 26);
    Solid(canvas, Palette::GREEN);
    canvas.Polygon({50, 38, 62, 46, 62, 62, 50, 70, 38, 62, 38, 46});
    Solid(canvas, Palette::DARK_GRASS);
}

void Seahorse(Canvas& canvas) {
    cairo_t* context = canvas.Context();
    cairo_new_path(context);
    cairo_move_to(context, 40, 20);
    cairo_curve_to(context, 72, 20, 72, 50, 56, 62);
    cairo_curve_to(context, 44, 72, 52, 92, 66, 86);
    canvas.StrokePath(INK, 22);
    cairo_move_to(context, 40, 20);
    cairo_curve_to(context, 72, 20, 72, 50, 56, 62);
    cairo_curve_to(context, 44, 72, 52, 92, 66, 86);
    canvas.StrokePath(Palette::ORANGE, 14);
    canvas.Circle(44, 22, 14);
    Solid(canvas, Palette::ORANGE);
    canvas.RoundedBox(16, 24, 20, 9, 4);
    Solid(canvas, Palette::ORANGE);
    Eyes(canvas, 46, 20, 0, 3.5);
}

void Crab(Canvas& canvas) {
    for (const double side : {-1.0, 1.0}) {
        Band(canvas, 50 + side * 26, 62, 50 + side * 40, 80, Palette::RED, 4);
        Band(canvas, 50 + side * 26, 50, 50 + side * 36, 30, Palette::RED, 5);
        canvas.Circle(50 + side * 36, 24, 10);
        Solid(canvas, Palette::RED);
        canvas.Polygon({50 + side * 36, 24, 50 + side * 30, 12, 50 + side * 42, 12});
        canvas.FillPath(WHITE);
    }
    canvas.Ellipse(50, 62, 30, 20);
    Solid(canvas, Palette::RED);
    Face(canvas, 50, 62, 30);
}

void Starfish(Canvas& canvas) {
    canvas.Star(50, 54, 46, 20, 5);
    Solid(canvas, Palette::ORANGE);
    Face(canvas, 50, 56, 30);
}

void FarmFace(Canvas& canvas, Animal animal) {
    AnimalFace(canvas, animal);
}

std::vector<Design> FarmAndSeaSheet() {
    const Animal goat{Colour::Hex(0xF0EDE6), LIGHT_GREY, Ears::Horns, Snout::Horse, Mark::Beard};
    const Animal tabby{GREY, SOFT_PINK, Ears::Pointed, Snout::Whiskers, Mark::Stripes};
    return {
        With(FarmFace, Cow()),            // 84: page 2
        With(FarmFace, Sheep()),          // 85: page 2
        With(FarmFace, Pig()),            // 86: page 2
        Draw(Chick),                      // 87: page 2
        With(Fish, Palette::SUN, false),  // 88: page 14
        Draw(Barn),
        With(FarmFace, goat),
        With(FarmFace, tabby),
        Draw(Nest),
        Draw(Lighthouse),
        With(Hen, Palette::ORANGE),  // 94: page 2
        Draw(Duck),                  // 95: page 2
        With(FarmFace, Dog()),       // 96: page 2
        Draw(Shell),
        Draw(Anchor),
        Draw(Pufferfish),
        With(Tractor, Palette::RED),  // 100: page 2
        Draw(Dolphin),
        Draw(Jellyfish),  // 102: page 14
        Draw(Bucket),
        With(Boat, WHITE, Palette::RED),  // 104: page 14
        Draw(Whale),                      // 105: page 14
        Draw(Octopus),                    // 106: page 14
        With(Fish, Palette::BLUE, true),  // 107: page 14
        Draw(Turtle),                     // 108: page 14
        Draw(Seahorse),                   // 109: page 14
        Draw(Crab),                       // 110: page 14
        Draw(Starfish),                   // 111: page 14
    };
}

// ---- The garden ---------------------------------------------------------------------

void Flower(Canvas& canvas, Colour petals, int32_t count, bool pointed) {
    Band(canvas, 50, 56, 50, 96, Palette::GREEN, 5);
    Leaf(canvas, 50, 84, 22, -0.6, Palette::GREEN);
    for (int32_t petal = 0; petal < count; ++petal) {
        const double angle = petal * 2 * PI / count;
        if (pointed) {
            Leaf(canvas, 50, 40, 34, angle, petals);
        } else {
            canvas.Circle(50 + std::cos(angle) * 20, 40 + std::sin(angle) * 20, 13);
            Solid(canvas, petals);
        }
    }
    canvas.Circle(50, 40, 13);
    Solid(canvas, Palette::SUN);
    Face(canvas, 50, 41, 22);
}

void Tulip(Canvas& canvas, Colour colour) {
    Band(canvas, 50, 56, 50, 96, Palette::GREEN, 5);
    Leaf(canvas, 50, 90, 30, -1.0, Palette::GREEN);
    canvas.Polygon({26, 22, 38, 34, 50, 16, 62, 34, 74, 22, 72, 50, 50, 64, 28, 50});
    Solid(canvas, colour);
}

void Butterfly(Canvas& canvas, Colour wings) {
    for (const double side : {-1.0, 1.0}) {
        canvas.Ellipse(50 + side * 22, 34, 22, 20);
        Solid(canvas, wings);
        canvas.Ellipse(50 + side * 18, 68, 16, 16);
        Solid(canvas, wings.Darker(0.85));
        Dot(canvas, 50 + side * 24, 34, 7, WHITE);
        Line(canvas, 50 + side * 3, 22, 50 + side * 12, 6, INK, 3);
    }
    canvas.Ellipse(50, 52, 7, 30);
    Solid(canvas, INK);
}

void Ladybird(Canvas& canvas) {
    canvas.Circle(50, 24, 14);
    Solid(canvas, INK);
    canvas.Circle(50, 58, 34);
    Solid(canvas, Palette::RED);
    Line(canvas, 50, 26, 50, 92, INK, 3);
    for (const auto& [x, y] : {std::pair{34.0, 48.0}, {66.0, 48.0}, {36.0, 72.0}, {64.0, 72.0}})
        Dot(canvas, x, y, 6, INK);
    Eyes(canvas, 50, 20, 12, 3);
    Dot(canvas, 44, 18, 1.5, WHITE);
}

void Bee(Canvas& canvas) {
    for (const double x : {38.0, 58.0}) {
        canvas.Ellipse(x, 26, 12, 16);
        Solid(canvas, Palette::PALE_SKY);
    }
    canvas.Ellipse(50, 58, 38, 28);
    Solid(canvas, Palette::SUN);
    for (const double x : {50.0, 70.0}) Line(canvas, x, 34, x, 82, INK, 8);
    canvas.Polygon({86, 56, 98, 58, 86, 62});
    Solid(canvas, INK);
    Face(canvas, 28, 58, 30);
}

void Snail(Canvas& canvas) {
    canvas.RoundedBox(8, 72, 84, 16, 8);
    Solid(canvas, Palette::PINK.Lighter(0.3));
    canvas.Circle(58, 50, 30);
    Solid(canvas, Palette::ORANGE);
    cairo_t* context = canvas.Context();
    cairo_new_path(context);
    for (double angle = 0; angle < 4 * PI; angle += 0.2) {
        cairo_line_to(context, 58 + std::cos(angle) * angle * 2, 50 + std::sin(angle) * angle * 2);
    }
    canvas.StrokePath(INK, 3);
    Line(canvas, 16, 72, 10, 50, INK, 3);
    Line(canvas, 22, 72, 26, 50, INK, 3);
    Dot(canvas, 10, 50, 4, INK);
    Dot(canvas, 26, 50, 4, INK);
}

void Mushroom(Canvas& canvas) {
    canvas.RoundedBox(38, 50, 24, 44, 10);
    Solid(canvas, Palette::CREAM);
    cairo_new_path(canvas.Context());
    cairo_arc(canvas.Context(), 50, 54, 42, PI, 2 * PI);
    cairo_close_path(canvas.Context());
    Solid(canvas, Palette::RED);
    for (const auto& [x, y, r] :
         {std::tuple{30.0, 40.0, 6.0}, {52.0, 26.0, 7.0}, {72.0, 42.0, 5.0}})
        Dot(canvas, x, y, r, WHITE);
    Eyes(canvas, 50, 70, 10, 2.5);
}

void Tree(Canvas& canvas) {
    canvas.RoundedBox(42, 58, 16, 38, 4);
    Solid(canvas, Palette::BROWN);
    for (const auto& [x, y, r] :
         {std::tuple{32.0, 46.0, 20.0}, {68.0, 46.0, 20.0}, {50.0, 28.0, 24.0}}) {
        canvas.Circle(x, y, r);
        Solid(canvas, Palette::GREEN);
    }
    canvas.Circle(32, 46, 18);
    canvas.Circle(68, 46, 18);
    canvas.Circle(50, 28, 22);
    canvas.FillPath(Palette::GREEN);
    for (const auto& [x, y] : {std::pair{36.0, 40.0}, {62.0, 26.0}, {66.0, 54.0}}) {
        canvas.Circle(x, y, 5);
        Solid(canvas, Palette::RED);
    }
}

void Caterpillar(Canvas& canvas) {
    for (int32_t part = 4; part >= 0; --part) {
        canvas.Circle(82 - part * 15, 64 - (part % 2) * 6, 13);
        Solid(canvas, part % 2 == 0 ? LIME : Palette::GREEN);
    }
    canvas.Circle(20, 48, 16);
    Solid(canvas, LIME);
    Line(canvas, 14, 34, 8, 20, INK, 3);
    Line(canvas, 26, 34, 30, 20, INK, 3);
    Face(canvas, 20, 48, 26);
}

void Cactus(Canvas& canvas) {
    canvas.Polygon({28, 80, 72, 80, 66, 96, 34, 96});
    Solid(canvas, Palette::ORANGE);
    canvas.RoundedBox(14, 36, 14, 28, 7);
    canvas.RoundedBox(72, 28, 14, 28, 7);
    Solid(canvas, Palette::GREEN);
    canvas.RoundedBox(34, 10, 32, 72, 16);
    Solid(canvas, Palette::GREEN);
    Band(canvas, 20, 56, 36, 56, Palette::GREEN, 10);
    Band(canvas, 64, 48, 80, 48, Palette::GREEN, 10);
    canvas.Star(50, 12, 8, 4, 5);
    Solid(canvas, Palette::PINK);
    Face(canvas, 50, 44, 28);
}

void WateringCan(Canvas& canvas) {
    Band(canvas, 70, 60, 94, 30, Palette::BLUE, 6);
    canvas.RoundedBox(20, 36, 52, 50, 8);
    Solid(canvas, Palette::BLUE);
    cairo_new_path(canvas.Context());
    cairo_arc(canvas.Context(), 32, 36, 16, PI, 2 * PI);
    canvas.StrokePath(INK, 5);
    for (const double x : {92.0, 86.0, 96.0}) Dot(canvas, x, 20 + (x - 86), 2.5, Palette::BLUE);
}

void Worm(Canvas& canvas) {
    cairo_t* context = canvas.Context();
    for (const auto& [colour, width] : {std::pair{INK, 22.0}, {Palette::PINK, 14.0}}) {
        cairo_move_to(context, 80, 80);
        cairo_curve_to(context, 60, 50, 40, 100, 24, 60);
        cairo_curve_to(context, 18, 44, 24, 36, 30, 30);
        canvas.StrokePath(colour, width);
    }
    Eyes(canvas, 30, 28, 8, 2.4);
}

void Acorn(Canvas& canvas) {
    canvas.Ellipse(50, 62, 24, 28);
    Solid(canvas, Palette::BROWN);
    canvas.Ellipse(50, 36, 30, 14);
    Solid(canvas, DARK_BROWN);
    Line(canvas, 50, 22, 54, 10, INK, 4);
    Face(canvas, 50, 64, 30);
}

void Leafy(Canvas& canvas, Colour colour) {
    Leaf(canvas, 14, 86, 100, -PI / 4, colour);
    Line(canvas, 14, 86, 60, 40, colour.Darker(0.7), 3);
}

void Birdhouse(Canvas& canvas) {
    canvas.RoundedBox(46, 70, 8, 28, 2);
    Solid(canvas, Palette::BROWN);
    canvas.Polygon({22, 40, 78, 40, 78, 74, 22, 74});
    Solid(canvas, Palette::SUN);
    canvas.Polygon({12, 44, 50, 12, 88, 44});
    Solid(canvas, Palette::RED);
    Dot(canvas, 50, 56, 8, INK);
}

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

void Dragonfly(Canvas& canvas) {
    for (const double side : {-1.0, 1.0}) {
        canvas.Ellipse(50 + side * 24, 30, 22, 9);
        canvas.Ellipse(50 + side * 22, 50, 20, 8);
        canvas.FillAndOutline(Palette::PALE_SKY, INK, 3);
    }
    canvas.RoundedBox(44, 24, 12, 72, 6);
    Solid(canvas, TEAL);
    canvas.Circle(50, 18, 11);
    Solid(canvas, TEAL);
    Eyes(canvas, 50, 17, 10, 3);
}

std::vector<Design> GardenSheet() {
    return {
        With(Flower, Palette::PINK, 6, false),
        With(Flower, Palette::RED, 5, false),
        With(Flower, WHITE, 10, true),                      // daisy
        With(Flower, Palette::SUN.Darker(0.95), 12, true),  // sunflower
        With(Tulip, Palette::RED),
        With(Tulip, Palette::PURPLE),
        With(Butterfly, Palette::BLUE),
        With(Butterfly, Palette::ORANGE),
        Draw(Ladybird),
        Draw(Bee),
        Draw(Snail),
        Draw(Mushroom),
        Draw(Tree),
        Draw(Caterpillar),
        Draw(Cactus),
        Draw(WateringCan),
        Draw(Worm),
        Draw(Acorn),
        With(Leafy, Palette::GREEN),
        With(Leafy, Palette::ORANGE),
        Draw(Birdhouse),
        With(Bird, Palette::BLUE),
        With(Bird, Palette::RED),
        Draw(Dragonfly),
        With(Flower, Palette::PURPLE, 8, true),
        With(Butterfly, Palette::PINK),
        With(Tulip, Palette::SUN),
        With(Flower, Palette::BLUE, 5, false),
    };
}

// ---- The sky ------------------------------------------------------------------------

void SunFace(Canvas& canvas) {
    for (int32_t ray = 0; ray < 10; ++ray) {
        const double angle = ray * PI / 5;
        Band(canvas, 50 + std::cos(angle) * 34, 50 + std::sin(angle) * 34,
             50 + std::cos(angle) * 44, 50 + std::sin(angle) * 44, Palette::ORANGE, 6);
    }
    canvas.Circle(50, 50, 28);
    Solid(canvas, Palette::SUN);
    Face(canvas, 50, 52, 40);
}

void Moon(Canvas& canvas, Colour colour) {
    cairo_t* context = canvas.Context();
    cairo_new_path(context);
    cairo_arc(context, 50, 50, 40, 0.35 * PI, 1.65 * PI);
    cairo_arc_negative(context, 66, 44, 30, 1.45 * PI, 0.6 * PI);
    cairo_close_path(context);
    Solid(canvas, colour);
    Eyes(canvas, 28, 46, 0, 4);
    Grin(canvas, 30, 64, 6);
}

void ShinyStar(Canvas& canvas, Colour colour) {
    canvas.Star(50, 54, 46, 22, 5);
    Solid(canvas, colour);
    Face(canvas, 50, 58, 32);
}

void Comet(Canvas& canvas) {
    canvas.Polygon({60, 28, 6, 10, 72, 46, 20, 60, 68, 60});
    Solid(canvas, Palette::ORANGE.Lighter(0.3));
    canvas.Star(70, 44, 26, 12, 5);
    Solid(canvas, Palette::SUN);
}

void Planet(Canvas& canvas, Colour colour, bool ring) {
    canvas.Circle(50, 50, 30);
    Solid(canvas, colour);
    if (ring) {
        cairo_t* context = canvas.Context();
        cairo_save(context);
        cairo_translate(context, 50, 50);
        cairo_rotate(context, -0.3);
        cairo_scale(context, 1.0, 0.3);
        cairo_new_path(context);
        cairo_arc(context, 0, 0, 46, 0, PI);
        cairo_restore(context);
        canvas.StrokePath(INK, 10);
        cairo_save(context);
        cairo_translate(context, 50, 50);
        cairo_rotate(context, -0.3);
        cairo_scale(context, 1.0, 0.3);
        cairo_new_path(context);
        cairo_arc(context, 0, 0, 46, 0, PI);
        cairo_restore(context);
        canvas.StrokePath(Palette::SUN, 4);
    } else {
        Dot(canvas, 38, 40, 7, colour.Darker(0.8));
        Dot(canvas, 62, 62, 5, colour.Darker(0.8));
    }
    Face(canvas, 50, 52, 30);
}

void Earth(Canvas& canvas) {
    canvas.Circle(50, 50, 38);
    Solid(canvas, Palette::BLUE);
    canvas.Polygon({28, 28, 46, 22, 50, 40, 36, 56, 24, 46});
    canvas.Polygon({58, 56, 76, 50, 80, 66, 62, 80});
    canvas.FillPath(Palette::GREEN);
    canvas.Circle(50, 50, 38);
    canvas.StrokePath(INK, OUTLINE);
}

void Cloud(Canvas& canvas, bool rain) {
    if (rain) {
        for (const double x : {32.0, 50.0, 68.0}) {
            canvas.Heart(x, 84, 12);
            Solid(canvas, Palette::BLUE);
        }
    }
    for (const auto& [x, y, r] :
         {std::tuple{28.0, 56.0, 16.0}, {50.0, 44.0, 22.0}, {72.0, 56.0, 16.0}}) {
        canvas.Circle(x, y, r);
        Solid(canvas, rain ? LIGHT_GREY : WHITE);
    }
    canvas.RoundedBox(24, 50, 52, 22, 11);
    Solid(canvas, rain ? LIGHT_GREY : WHITE);
    canvas.Circle(28, 56, 14);
    canvas.Circle(50, 44, 20);
    canvas.Circle(72, 56, 14);
    canvas.FillPath(rain ? LIGHT_GREY : WHITE);
    Face(canvas, 50, 56, 30);
}

void RainbowArc(Canvas& canvas) {
    const Colour bands[] = {Palette::RED, Palette::ORANGE, Palette::SUN, Palette::GREEN,
                            Palette::BLUE};
    cairo_t* context = canvas.Context();
    cairo_new_path(context);
    cairo_arc(context, 50, 80, 44, PI, 2 * PI);
    canvas.StrokePath(INK, 4);
    for (size_t band = 0; band < std::size(bands); ++band) {
        cairo_new_path(context);
        cairo_arc(context, 50, 80, 40 - static_cast<double>(band) * 6.5, PI, 2 * PI);
        canvas.StrokePath(bands[band], 7);
    }
    for (const double x : {12.0, 88.0}) {
        canvas.Circle(x, 80, 12);
        Solid(canvas, WHITE);
    }
}

void Lightning(Canvas& canvas) {
    canvas.Polygon({58, 4, 22, 56, 46, 56, 36, 96, 80, 38, 54, 38});
    Solid(canvas, Palette::SUN);
}

void Snowflake(Canvas& canvas) {
    for (int32_t arm = 0; arm < 6; ++arm) {
        const double angle = arm * PI / 3;
        const double x = 50 + std::cos(angle) * 40;
        const double y = 50 + std::sin(angle) * 40;
        Band(canvas, 50, 50, x, y, Palette::PALE_SKY, 5);
    }
    canvas.Circle(50, 50, 12);
    Solid(canvas, WHITE);
}

void Snowman(Canvas& canvas) {
    canvas.Circle(50, 70, 26);
    Solid(canvas, WHITE);
    canvas.Circle(50, 32, 20);
    Solid(canvas, WHITE);
    canvas.RoundedBox(34, 4, 32, 12, 2);
    Solid(canvas, INK);
    canvas.Polygon({50, 36, 66, 40, 50, 42});
    Solid(canvas, Palette::ORANGE);
    Eyes(canvas, 50, 28, 14, 3);
    Band(canvas, 32, 50, 68, 50, Palette::RED, 6);
    for (const double y : {62.0, 76.0}) Dot(canvas, 50, y, 3.5, INK);
}

void Umbrella(Canvas& canvas, Colour colour) {
    Band(canvas, 50, 40, 50, 84, INK, 2);
    cairo_new_path(canvas.Context());
    cairo_arc(canvas.Context(), 60, 84, 10, 0, PI);
    canvas.StrokePath(INK, 5);
    cairo_new_path(canvas.Context());
    cairo_arc(canvas.Context(), 50, 50, 42, PI, 2 * PI);
    cairo_close_path(canvas.Context());
    Solid(canvas, colour);
    Line(canvas, 50, 8, 36, 50, INK, 3);
    Line(canvas, 50, 8, 64, 50, INK, 3);
}

void Kite(Canvas& canvas, Colour colour) {
    cairo_move_to(canvas.Context(), 50, 84);
    cairo_curve_to(canvas.Context(), 30, 90, 60, 96, 40, 98);
    canvas.StrokePath(INK, 3);
    canvas.Polygon({50, 4, 82, 36, 50, 86, 18, 36});
    Solid(canvas, colour);
    Line(canvas, 50, 4, 50, 86, INK, 2.5);
    Line(canvas, 18, 36, 82, 36, INK, 2.5);
}

void Astronaut(Canvas& canvas) {
    canvas.Circle(50, 50, 40);
    Solid(canvas, WHITE);
    canvas.RoundedBox(22, 30, 56, 42, 20);
    Solid(canvas, Palette::NIGHT);
    Face(canvas, 50, 52, 36);
    Dot(canvas, 32, 38, 4, WHITE);
}

void Alien(Canvas& canvas) {
    for (const double side : {-1.0, 1.0}) {
        Line(canvas, 50 + side * 10, 20, 50 + side * 18, 4, INK, 3);
        Dot(canvas, 50 + side * 18, 4, 4, Palette::PINK);
    }
    canvas.Ellipse(50, 54, 32, 38);
    Solid(canvas, LIME);
    canvas.Circle(50, 44, 12);
    Solid(canvas, WHITE);
    Dot(canvas, 50, 44, 6, INK);
    Grin(canvas, 50, 74, 9);
}

std::vector<Design> SkySheet() {
    return {
        Draw(SunFace),
        With(Moon, Palette::SUN),
        With(ShinyStar, Palette::SUN),
        Draw(Comet),
        With(Planet, Palette::ORANGE, true),
        Draw(Earth),
        With(Rocket, Palette::RED),
        With(Ufo, Palette::BLUE),
        Draw(Astronaut),
        Draw(Alien),
        With(Cloud, false),
        With(Cloud, true),
        Draw(RainbowArc),
        Draw(Lightning),
        Draw(Snowflake),
        Draw(Snowman),
        With(Umbrella, Palette::RED),
        With(Kite, Palette::ORANGE),
        With(Planet, Palette::PINK, false),
        With(ShinyStar, Palette::PINK),
        With(Moon, LIGHT_GREY),
        With(Balloon, Palette::SUN),
        With(Planet, TEAL, true),
        With(Umbrella, Palette::PURPLE),
        With(Kite, Palette::GREEN),
        With(ShinyStar, Palette::BLUE),
        With(Planet, Palette::PURPLE, false),
        With(Plane, Palette::GREEN),
    };
}

// ---- Toys ---------------------------------------------------------------------------

void BeachBall(Canvas& canvas, Colour first, Colour second) {
    canvas.Circle(50, 50, 40);
    Solid(canvas, WHITE);
    cairo_t* context = canvas.Context();
    for (int32_t segment = 0; segment < 6; segment += 2) {
        const double from = segment * PI / 3;
        cairo_new_path(context);
        cairo_move_to(context, 50, 50);
        cairo_arc(context, 50, 50, 38, from, from + PI / 3);
        cairo_close_path(context);
        canvas.FillPath(segment == 2 ? second : first);
    }
    canvas.Circle(50, 50, 40);
    canvas.StrokePath(INK, OUTLINE);
    canvas.Circle(50, 50, 8);
    Solid(canvas, WHITE);
}

void Football(Canvas& canvas) {
    canvas.Circle(50, 50, 40);
    Solid(canvas, WHITE);
    canvas.Polygon({50, 36, 63, 46, 58, 61, 42, 61, 37, 46});
    canvas.FillPath(INK);
    for (int32_t i = 0; i < 5; ++i) {
        const double angle = -PI / 2 + i * 2 * PI / 5;
        canvas.Circle(50 + std::cos(angle) * 36, 50 + std::sin(angle) * 36, 8);
        canvas.FillPath(INK);
    }
    canvas.Circle(50, 50, 40);
    canvas.StrokePath(INK, OUTLINE);
}

void PartyBalloon(Canvas& canvas, Colour colour) {
    cairo_move_to(canvas.Context(), 50, 78);
    cairo_curve_to(canvas.Context(), 40, 86, 60, 92, 50, 100);
    canvas.StrokePath(INK, 3);
    canvas.Polygon({44, 84, 56, 84, 50, 74});
    Solid(canvas, colour);
    canvas.Ellipse(50, 42, 30, 36);
    Solid(canvas, colour);
    canvas.Ellipse(38, 28, 6, 10);
    canvas.FillPath(colour.Lighter(0.6));
}

void Block(Canvas& canvas, Colour colour, const char* letter) {
    canvas.Polygon({14, 30, 34, 12, 88, 12, 68, 30});
    Solid(canvas, colour.Lighter(0.4));
    canvas.Polygon({68, 30, 88, 12, 88, 68, 68, 88});
    Solid(canvas, colour.Darker(0.8));
    canvas.RoundedBox(14, 30, 54, 58, 4);
    Solid(canvas, colour);
    canvas.OutlinedText(letter, 41, 59, 38, WHITE, INK, 2.5);
}

void Dice(Canvas& canvas) {
    canvas.RoundedBox(12, 12, 76, 76, 16);
    Solid(canvas, WHITE);
    for (const auto& [x, y] :
         {std::pair{32.0, 32.0}, {68.0, 32.0}, {50.0, 50.0}, {32.0, 68.0}, {68.0, 68.0}})
        Dot(canvas, x, y, 7, Palette::RED);
}

void Teddy(Canvas& canvas) {
    canvas.Ellipse(50, 78, 26, 20);
    Solid(canvas, FUR_BROWN);
    canvas.Ellipse(50, 80, 12, 10);
    canvas.FillPath(TAN);
    cairo_save(canvas.Context());
    cairo_translate(canvas.Context(), 14, -4);
    cairo_scale(canvas.Context(), 0.72, 0.72);
    AnimalFace(canvas, {FUR_BROWN, TAN, Ears::Round, Snout::Muzzle, Mark::None});
    cairo_restore(canvas.Context());
    Band(canvas, 40, 60, 60, 60, Palette::RED, 5);
}

void Robot(Canvas& canvas) {
    Line(canvas, 50, 14, 50, 4, INK, 3);
    Dot(canvas, 50, 4, 4, Palette::RED);
    canvas.RoundedBox(26, 14, 48, 34, 6);
    Solid(canvas, LIGHT_GREY);
    for (const double x : {40.0, 60.0}) {
        canvas.Circle(x, 28, 7);
        Solid(canvas, Palette::SUN);
    }
    canvas.RoundedBox(38, 38, 24, 5, 2);
    canvas.FillPath(INK);
    canvas.RoundedBox(20, 52, 60, 42, 6);
    Solid(canvas, Palette::BLUE);
    canvas.Heart(50, 72, 16);
    Solid(canvas, Palette::RED);
}

void Drum(Canvas& canvas) {
    Band(canvas, 60, 24, 88, 6, TAN, 4);
    canvas.Polygon({14, 40, 86, 40, 86, 84, 14, 84});
    Solid(canvas, Palette::RED);
    for (double x = 14; x < 86; x += 18) Line(canvas, x, 42, x + 18, 82, Palette::SUN, 3);
    canvas.Ellipse(50, 40, 36, 12);
    Solid(canvas, WHITE);
}

void Present(Canvas& canvas, Colour box, Colour ribbon) {
    canvas.RoundedBox(16, 38, 68, 54, 4);
    Solid(canvas, box);
    canvas.RoundedBox(10, 28, 80, 16, 4);
    Solid(canvas, box);
    canvas.RoundedBox(44, 28, 12, 64, 1);
    Solid(canvas, ribbon);
    for (const double side : {-1.0, 1.0}) {
        canvas.Ellipse(50 + side * 14, 20, 14, 9);
        Solid(canvas, ribbon);
    }
}

void Crown(Canvas& canvas) {
    canvas.Polygon({12, 80, 12, 28, 32, 50, 50, 18, 68, 50, 88, 28, 88, 80});
    Solid(canvas, Palette::SUN);
    for (const auto& [x, colour] :
         {std::pair{30.0, Palette::RED}, {50.0, Palette::BLUE}, {70.0, Palette::GREEN}})
        Dot(canvas, x, 68, 6, colour);
}

void SpinningTop(Canvas& canvas) {
    Band(canvas, 50, 6, 50, 20, DARK_BROWN, 5);
    canvas.Polygon({12, 40, 50, 20, 88, 40, 50, 96});
    Solid(canvas, Palette::PINK);
    canvas.Polygon({14, 44, 86, 44, 78, 56, 22, 56});
    Solid(canvas, Palette::SUN);
}

void YoYo(Canvas& canvas) {
    Line(canvas, 50, 4, 50, 50, INK, 2.5);
    canvas.Circle(50, 56, 34);
    Solid(canvas, Palette::GREEN);
    canvas.Circle(50, 56, 14);
    Solid(canvas, LIME);
}

void Trumpet(Canvas& canvas) {
    canvas.Polygon({60, 50, 94, 24, 94, 76});
    Solid(canvas, Palette::SUN);
    canvas.RoundedBox(10, 42, 56, 16, 6);
    Solid(canvas, Palette::SUN);
    for (const double x : {30.0, 42.0, 54.0}) {
        canvas.RoundedBox(x - 3, 28, 6, 14, 2);
        Solid(canvas, Palette::ORANGE);
    }
}

void Sandcastle(Canvas& canvas) {
    Line(canvas, 50, 4, 50, 26, INK, 3);
    canvas.Polygon({50, 4, 66, 10, 50, 16});
    Solid(canvas, Palette::RED);
    canvas.Polygon({14, 94, 14, 44, 30, 44, 30, 52, 40, 52, 40, 26,
                    60, 26, 60, 52, 70, 52, 70, 44, 86, 44, 86, 94});
    Solid(canvas, TAN);
    cairo_new_path(canvas.Context());
    cairo_arc(canvas.Context(), 50, 84, 10, PI, 2 * PI);
    cairo_line_to(canvas.Context(), 60, 94);
    cairo_line_to(canvas.Context(), 40, 94);
    cairo_close_path(canvas.Context());
    Solid(canvas, Palette::BROWN);
}

void Pinwheel(Canvas& canvas) {
    Band(canvas, 50, 50, 50, 98, TAN, 4);
    const Colour vanes[] = {Palette::RED, Palette::SUN, Palette::BLUE, Palette::GREEN};
    for (int32_t vane = 0; vane < 4; ++vane) {
        cairo_t* context = canvas.Context();
        cairo_save(context);
        cairo_translate(context, 50, 46);
        cairo_rotate(context, vane * PI / 2);
        canvas.Polygon({0, 0, 0, -40, 30, -10});
        cairo_restore(context);
        Solid(canvas, vanes[vane]);
    }
    Dot(canvas, 50, 46, 5, INK);
}

std::vector<Design> ToySheet() {
    return {
        With(BeachBall, Palette::RED, Palette::BLUE),
        Draw(Football),
        With(PartyBalloon, Palette::RED),
        With(PartyBalloon, Palette::BLUE),
        With(Block, Palette::RED, "A"),
        With(Block, Palette::BLUE, "B"),
        With(Block, Palette::GREEN, "C"),
        Draw(Dice),
        Draw(Teddy),
        Draw(Robot),
        Draw(Drum),
        With(Present, Palette::PURPLE, Palette::SUN),
        Draw(Crown),
        Draw(SpinningTop),
        Draw(YoYo),
        Draw(Trumpet),
        Draw(Sandcastle),
        Draw(Pinwheel),
        With(Kite, Palette::RED),
        With(Boat, Palette::SUN, Palette::BLUE),
        With(Train, Palette::GREEN),
        With(PartyBalloon, Palette::SUN),
        With(Block, Palette::ORANGE, "1"),
        With(Block, Palette::PURPLE, "2"),
        With(Block, Palette::PINK, "3"),
        With(Present, Palette::RED, Palette::GREEN),
        With(BeachBall, Palette::SUN, Palette::GREEN),
        With(Car, Palette::PURPLE, Roof::Racing),
    };
}

// ---- Shapes with faces --------------------------------------------------------------

enum class Form { Circle, Square, Triangle, Star, Heart, Diamond, Hexagon };

void SmilingShape(Canvas& canvas, Form form, Colour colour) {
    switch (form) {
        case Form::Circle:
            canvas.Circle(50, 50, 40);
            break;
        case Form::Square:
            canvas.RoundedBox(12, 12, 76, 76, 8);
            break;
        case Form::Triangle:
            canvas.Polygon({50, 6, 94, 88, 6, 88});
            break;
        case Form::Star:
            canvas.Star(50, 54, 48, 22, 5);
            break;
        case Form::Heart:
            canvas.Heart(50, 46, 80);
            break;
        case Form::Diamond:
            canvas.Polygon({50, 4, 88, 50, 50, 96, 12, 50});
            break;
        case Form::Hexagon:
            canvas.Star(50, 50, 42, 42, 3, PI / 6);
            break;
    }
    Solid(canvas, colour);
    Face(canvas, 50, form == Form::Triangle ? 62 : 54, 40);
}

std::vector<Design> ShapeSheet() {
    const Form forms[] = {Form::Circle, Form::Square,  Form::Triangle, Form::Star,
                          Form::Heart,  Form::Diamond, Form::Hexagon};
    const Colour colours[] = {Palette::RED,  Palette::BLUE,   Palette::SUN,   Palette::GREEN,
                              Palette::PINK, Palette::PURPLE, Palette::ORANGE};
    std::vector<Design> designs;
    // Four rounds through the shapes, each shape a different colour every round.
    for (size_t round = 0; round < 4; ++round) {
        for (size_t shape = 0; shape < std::size(forms); ++shape) {
            designs.push_back(With(SmilingShape, forms[shape],
                                   colours[(shape + round * 3) % std::size(colours)]));
        }
    }
    return designs;
}

struct Sheet {
    const char* theme;
    Colour colour;
    std::vector<Design> (*designs)();
};

const Sheet SHEETS[NUMBEROFSHEETS] = {
    {"Animals", Palette::ORANGE, AnimalSheet},
    {"Food", Palette::RED, FoodSheet},
    {"Things that go", Palette::BLUE, VehicleSheet},
    {"Farm and sea", Palette::GREEN, FarmAndSeaSheet},
    {"Garden", Palette::PINK, GardenSheet},
    {"Sky", Palette::NIGHT, SkySheet},
    {"Toys", Palette::PURPLE, ToySheet},
    {"Shapes", TEAL, ShapeSheet},
};

const std::vector<Design>& AllDesigns() {
    static const std::vector<Design> designs = [] {
        std::vector<Design> all;
        for (const Sheet& sheet : SHEETS) {
            std::vector<Design> more = sheet.designs();
            if (more.size() != static_cast<size_t>(STICKERSPERSHEET)) {
                throw std::logic_error(std::string("sheet \"") + sheet.theme +
                                       "\" does not hold one design per sticker");
            }
            all.insert(all.end(), more.begin(), more.end());
        }
        return all;
    }();
    return designs;
}

const Sheet& SheetAt(int32_t sheet) {
    if (sheet < 1 || sheet > NUMBEROFSHEETS) throw std::out_of_range("no such sheet");
    return SHEETS[sheet - 1];
}

}  // namespace

void StickerDesigns::Draw(Canvas& canvas, int32_t stickerIndex) {
    if (!IsStickerIndex(stickerIndex)) throw std::out_of_range("no such sticker");
    AllDesigns()[static_cast<size_t>(stickerIndex)](canvas);
}

const char* StickerDesigns::SheetTheme(int32_t sheet) {
    return SheetAt(sheet).theme;
}

Colour StickerDesigns::SheetColour(int32_t sheet) {
    return SheetAt(sheet).colour;
}
