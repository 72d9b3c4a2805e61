#include "content/SoftOutline.h"

#include "content/Palette.h"

Colour SoftOutline::Ink() {
    return Palette::kInk.Lighter(0.45);
}

void SoftOutline::Draw(Canvas& canvas, Colour fill) {
    canvas.FillAndOutline(fill, Ink(), 2.5);
}
