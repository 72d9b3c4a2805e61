#pragma once
// The outline of scenery drawn around sticker homes: fainter and thinner than the
// stickers' bold ink, so that a stuck sticker and the ghost of a missing one stand out
// from what they hang on or stand on.

#include "content/Canvas.h"

class SoftOutline {
public:
    static Colour Ink();
    // Fills the current path and outlines it softly.
    static void Draw(Canvas& canvas, Colour fill);
};
