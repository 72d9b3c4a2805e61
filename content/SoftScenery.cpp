#include "content/SoftScenery.h"

#include "content/DesignKit.h"
#include "content/Palette.h"
#include "content/SceneKit.h"

namespace SoftScenery {

void Soft(Canvas& canvas, Colour fill, Colour ink) {
    canvas.FillAndOutline(fill, ink, 2.5);
}

void Box(Canvas& canvas, double x, double y, double width, double height, Colour fill, Colour ink) {
    canvas.RoundedBox(x, y, width, height, 5);
    Soft(canvas, fill, ink);
}

void SunnySky(Canvas& canvas, Colour top, Colour bottom, double height, double sunX, double sunY,
              double sunRadius) {
    SceneKit::Sky(canvas, top, bottom, height);
    canvas.Circle(sunX, sunY, sunRadius);
    Soft(canvas, Palette::kSun.Lighter(0.42));
}

void Puff(Canvas& canvas, std::initializer_list<Lobe> lobes, Colour fill, Colour ink) {
    for (const Lobe& lobe : lobes) {
        canvas.Ellipse(lobe.centreX, lobe.centreY, lobe.radiusX, lobe.radiusY);
    }
    Soft(canvas, fill, ink);
    // Filling again a little inside covers the outlines where the lobes overlap.
    for (const Lobe& lobe : lobes) {
        canvas.Ellipse(lobe.centreX, lobe.centreY, lobe.radiusX - 1.5, lobe.radiusY - 1.5);
    }
    canvas.FillPath(fill);
}

void Bar(Canvas& canvas, double x1, double y1, double x2, double y2, double width, Colour colour) {
    DesignKit::Line(canvas, x1, y1, x2, y2, kSoftInk, width + 5);
    DesignKit::Line(canvas, x1, y1, x2, y2, colour, width);
}

}  // namespace SoftScenery
