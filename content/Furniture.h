#pragma once
// Furniture of the indoor scenes, drawn to hold the stickers that live on it: a sticker
// whose home's bottom edge is at `top` stands on a shelf whose board starts there.

#include "content/Canvas.h"

namespace Furniture {

constexpr Colour kWood = Colour::Hex(0xD9A36A);

// A wooden board on two brackets, fixed to the wall, its top at `top`.
void WallShelf(Canvas& canvas, double left, double top, double width);

// A chair seen from the front, the top rail of its back at `top` and its seat 64 below:
// balloons are tied to the rail, things rest on the seat.
void Chair(Canvas& canvas, double left, double top, double width);

// An oval rug on the floor with a stitched border.
void Rug(Canvas& canvas, double centreX, double centreY, double radiusX, double radiusY,
         Colour colour);

}  // namespace Furniture
