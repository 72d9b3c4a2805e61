#pragma once
// Small pictures that several of the album's pictures share: the smiling star and
// heart stickers, the sun, the arrow pointer and the dashed outline that shows where
// a sticker belongs.

#include "content/Canvas.h"

class Motifs {
public:
    static void StarSticker(Canvas& canvas, double centreX, double centreY, double radius,
                            Colour colour);
    static void HeartSticker(Canvas& canvas, double centreX, double centreY, double size,
                             Colour colour);
    static void Sun(Canvas& canvas, double centreX, double centreY, double radius);
    // The arrow pointer with its tip at (tipX, tipY); `scale` 1 is 32 pixels tall.
    static void Pointer(Canvas& canvas, double tipX, double tipY, double scale);
    // A star's empty place: a dashed outline on a faint fill.
    static void StarOutline(Canvas& canvas, double centreX, double centreY, double radius);
    // A white sheet of paper with rounded corners and a soft shadow.
    static void Paper(Canvas& canvas, double x, double y, double width, double height);
    // Short curved strokes that show movement.
    static void MotionLines(Canvas& canvas, double x, double y, double length, double gap,
                            int32_t count);
};
