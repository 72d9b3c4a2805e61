#pragma once
// The drawing vocabulary of the page scenes: skies, grounds, rooms and the small
// things that fill them. Scenes stay simple and soft so that the stickers and their
// outlines stand out; nothing in a scene looks like a sticker of another page.

#include <cstdint>

#include "content/Canvas.h"
#include "content/Palette.h"
#include "content/ScreenFrame.h"

namespace SceneKit {

constexpr double kWidth = kPageWidth;
constexpr double kHeight = kPageHeight;

// A sky from the top of the page down to `height`.
void Sky(Canvas& canvas, Colour top, Colour bottom, double height);
// Ground from a gently rolling edge near `y` down to the bottom of the page.
void Ground(Canvas& canvas, double y, Colour top, Colour bottom);
void Hill(Canvas& canvas, double centreX, double centreY, double radiusX, double radiusY,
          Colour colour);
void Cloud(Canvas& canvas, double x, double y, double size);
void Daisy(Canvas& canvas, double x, double y, Colour petals);
// A round, leafy bush sitting on the ground at (x, y).
void Bush(Canvas& canvas, double x, double y, double size, Colour colour);
// Inside: a striped wall down to `floorY`, then a floor of boards.
void Room(Canvas& canvas, Colour wall, Colour floor, double floorY);
// A window on the wall showing the sky.
void Window(Canvas& canvas, double x, double y, double width, double height);
// A plain outlined box: shelves, tables, counters.
void Box(Canvas& canvas, double x, double y, double width, double height, Colour colour);
}  // namespace SceneKit
