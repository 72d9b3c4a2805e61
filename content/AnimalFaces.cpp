#include "content/AnimalFaces.h"

#include <cairo.h>

#include <cmath>

namespace {

using namespace DesignKit;

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
                Solid(canvas, Palette::kCream);
                canvas.Ellipse(50 + s * 34, 38, 11, 6);
                Solid(canvas, animal.fur);
            });
            break;
        case Ears::Antlers:
            PairOf([&](double s) {
                Band(canvas, 50 + s * 16, 28, 50 + s * 30, 6, kDarkBrown, 4);
                Band(canvas, 50 + s * 25, 14, 50 + s * 38, 12, kDarkBrown, 4);
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
        Solid(canvas, Palette::kOrange);
    } else if (animal.mark == Mark::Spikes) {
        canvas.Star(50, 56, 46, 34, 16);
        Solid(canvas, kDarkBrown);
    } else if (animal.mark == Mark::Wool) {
        for (int32_t puff = 0; puff < 10; ++puff) {
            const double angle = puff * kPi / 5.0;
            canvas.Circle(50 + std::cos(angle) * 31, 52 + std::sin(angle) * 31, 11);
            Solid(canvas, kWhite);
        }
    }
}

void DrawMarks(Canvas& canvas, const Animal& animal) {
    switch (animal.mark) {
        case Mark::Patches:
            PairOf([&](double s) {
                canvas.Ellipse(50 + s * 13, 50, 9, 11);
                canvas.FillPath(kInk);
            });
            break;
        case Mark::Stripes:
            for (const double x : {40.0, 50.0, 60.0}) Line(canvas, x, 24, x, 34, kInk, 4);
            PairOf([&](double s) { Line(canvas, 50 + s * 32, 54, 50 + s * 22, 56, kInk, 4); });
            break;
        case Mark::Spots:
            canvas.Ellipse(34, 36, 9, 7);
            canvas.Ellipse(68, 70, 7, 6);
            canvas.FillPath(kInk);
            break;
        case Mark::Mask:
            canvas.Ellipse(50, 50, 27, 9);
            canvas.FillPath(kInk);
            break;
        case Mark::Cheeks:
            PairOf([&](double s) { Dot(canvas, 50 + s * 22, 64, 7, kSoftPink); });
            break;
        case Mark::Disc:
            canvas.Ellipse(50, 60, 24, 22);
            canvas.FillPath(animal.light);
            break;
        case Mark::Horn:
            canvas.Polygon({43, 26, 50, -2, 57, 26});
            Solid(canvas, Palette::kSun);
            canvas.Ellipse(30, 32, 9, 6);
            Solid(canvas, Palette::kPink);
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
            Solid(canvas, Palette::kPink);
            PairOf([&](double s) {
                Line(canvas, 50 + s * 12, 66, 50 + s * 30, 62, kInk, 2);
                Line(canvas, 50 + s * 12, 70, 50 + s * 30, 72, kInk, 2);
            });
            Grin(canvas, 50, 74, 6);
            break;
        case Snout::Muzzle:
            canvas.Ellipse(50, 67, 15, 11);
            Solid(canvas, animal.light);
            canvas.Ellipse(50, 61, 6, 4.5);
            canvas.FillPath(kInk);
            Grin(canvas, 50, 72, 6);
            break;
        case Snout::Pig:
        case Snout::Hippo: {
            const double width = animal.snout == Snout::Pig ? 13 : 22;
            canvas.Ellipse(50, 68, width, width * 0.7);
            Solid(canvas, animal.light);
            PairOf([&](double s) { Dot(canvas, 50 + s * width * 0.4, 68, 3, kInk); });
            break;
        }
        case Snout::Beak:
            canvas.Polygon({42, 60, 58, 60, 50, 72});
            Solid(canvas, Palette::kOrange);
            break;
        case Snout::Trunk:
            cairo_move_to(canvas.Context(), 50, 60);
            cairo_curve_to(canvas.Context(), 50, 80, 52, 92, 66, 90);
            canvas.StrokePath(kInk, 20);
            cairo_move_to(canvas.Context(), 50, 60);
            cairo_curve_to(canvas.Context(), 50, 80, 52, 92, 66, 90);
            canvas.StrokePath(animal.fur, 12);
            break;
        case Snout::Frog:
            cairo_new_path(canvas.Context());
            cairo_arc(canvas.Context(), 50, 56, 20, 0.15 * kPi, 0.85 * kPi);
            canvas.StrokePath(kInk, 3.5);
            break;
        case Snout::Koala:
            canvas.Ellipse(50, 62, 8, 11);
            Solid(canvas, kInk);
            break;
        case Snout::Horse:
            canvas.Ellipse(50, 74, 16, 12);
            Solid(canvas, animal.light);
            PairOf([&](double s) { Dot(canvas, 50 + s * 6, 74, 2.5, kInk); });
            break;
    }
}

}  // namespace

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
            Dot(canvas, 50 + s * 17, 26, 8, kWhite);
        });
        Eyes(canvas, 50, 27, 34, 4.5);
    }
    DrawMarks(canvas, animal);
    if (animal.snout != Snout::Frog) {
        if (animal.snout == Snout::Beak && animal.ears == Ears::Tufts) {
            PairOf([&](double s) {
                canvas.Circle(50 + s * 14, 46, 11);
                Solid(canvas, kWhite);
            });
        }
        Eyes(canvas, 50, 47, 28, 4.5);
    }
    DrawSnout(canvas, animal);
}

DesignKit::Design AnimalDesign(const Animal& animal) {
    return [animal](Canvas& canvas) { AnimalFace(canvas, animal); };
}
