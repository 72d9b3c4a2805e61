#pragma once
// Scenery drawn a step softer than the stickers: a lighter outline ink and wooden or
// painted bars (posts, planks, chair legs), so that the stickers stuck on a scene,
// and their faint outlines, stand out from what they stand on.

#include <initializer_list>

#include "content/Canvas.h"

namespace SoftScenery {

constexpr Colour kSoftInk = Colour::Hex(0x6A6380);
constexpr Colour kWood = Colour::Hex(0xE2B47C);

// Fills the current path and outlines it in a soft ink: the album's own, or a page's
// ink tinted to its scene.
void Soft(Canvas& canvas, Colour fill, Colour ink = kSoftInk);
// A softly outlined box with rounded corners: furniture, counters, cupboards.
void Box(Canvas& canvas, double x, double y, double width, double height, Colour fill,
         Colour ink = kSoftInk);
// A sky from the top of the page down to `height`, with a pale sun at (sunX, sunY).
void SunnySky(Canvas& canvas, Colour top, Colour bottom, double height, double sunX, double sunY,
              double sunRadius);
struct Lobe {
    double centreX;
    double centreY;
    double radiusX;
    double radiusY;
};
// Overlapping ellipses drawn as one puffy shape (tree tops, bushes): outlined round
// the outside only.
void Puff(Canvas& canvas, std::initializer_list<Lobe> lobes, Colour fill, Colour ink = kSoftInk);
// A thick bar with a soft outline from (x1, y1) to (x2, y2).
void Bar(Canvas& canvas, double x1, double y1, double x2, double y2, double width, Colour colour);

}  // namespace SoftScenery
