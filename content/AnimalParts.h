#pragma once
// Parts that the book's whole animals are drawn from: legs to stand on, bent bands for
// necks, tails and trunks, outlined bodies and an eye seen from the side. Each animal
// puts them together in a shape of its own.

#include <initializer_list>

#include "content/DesignKit.h"

namespace AnimalParts {

// A cubic curve from (x0, y0) to (x3, y3), bent towards the two control points.
struct Curve {
    double x0, y0, x1, y1, x2, y2, x3, y3;
};

// A filled ellipse with the album's bold outline: bodies, heads, ears.
void Blob(Canvas& canvas, double centreX, double centreY, double radiusX, double radiusY,
          Colour colour);
// The same, turned by `turn` radians about its centre: ears, tails, wings.
void TiltedBlob(Canvas& canvas, double centreX, double centreY, double radiusX, double radiusY,
                double turn, Colour colour);
// Legs from `top` down to the ground line `bottom`, one at each x.
void Legs(Canvas& canvas, std::initializer_list<double> xs, double top, double bottom, double width,
          Colour colour);
// A bold outlined band along a curve: necks, tails, trunks, arms.
void CurvedBand(Canvas& canvas, const Curve& curve, Colour colour, double width);
// One shiny eye of an animal seen from the side.
void Eye(Canvas& canvas, double x, double y, double radius);

}  // namespace AnimalParts
