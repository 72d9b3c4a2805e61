#pragma once
// What each of the 224 stickers shows. A design draws its picture in a 100 × 100
// box at the canvas's current transform, in bright colours with bold dark outlines.
// The sheets have one theme each, so that a child knows where to look for a sticker:
// animal faces, food, things that go, the farm and the sea (the two pages of the
// book), the garden, the sky, toys, and shapes with faces.

#include <cstdint>

#include "content/Canvas.h"

class StickerDesigns {
public:
    static constexpr double BOX = 100.0;

    static void Draw(Canvas& canvas, int32_t stickerIndex);
    // The theme of sheet 1 to 8, and its colour, for sheet buttons and contact sheets.
    static const char* SheetTheme(int32_t sheet);
    static Colour SheetColour(int32_t sheet);
};
