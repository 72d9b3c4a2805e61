#include "content/AnimalParts.h"

#include <cairo.h>

#include <utility>

namespace AnimalParts {

using DesignKit::kInk;
using DesignKit::kOutline;

void Blob(Canvas& canvas, double centreX, double centreY, double radiusX, double radiusY,
          Colour colour) {
    canvas.Ellipse(centreX, centreY, radiusX, radiusY);
    DesignKit::Solid(canvas, colour);
}

void TiltedBlob(Canvas& canvas, double centreX, double centreY, double radiusX, double radiusY,
                double turn, Colour colour) {
    cairo_t* context = canvas.Context();
    cairo_save(context);
    cairo_translate(context, centreX, centreY);
    cairo_rotate(context, turn);
    canvas.Ellipse(0, 0, radiusX, radiusY);
    // The outline is drawn once the turn is undone, so that it keeps an even width.
    cairo_restore(context);
    DesignKit::Solid(canvas, colour);
}

void Legs(Canvas& canvas, std::initializer_list<double> xs, double top, double bottom, double width,
          Colour colour) {
    for (const double x : xs) {
        canvas.RoundedBox(x - width / 2, top, width, bottom - top, width * 0.4);
        DesignKit::Solid(canvas, colour);
    }
}

void CurvedBand(Canvas& canvas, const Curve& curve, Colour colour, double width) {
    cairo_t* context = canvas.Context();
    // The ink first, wider, then the colour along the same curve: an outlined band.
    for (const auto& [ink, bandWidth] :
         {std::pair{kInk, width + 2 * kOutline - 1}, std::pair{colour, width}}) {
        cairo_new_path(context);
        cairo_move_to(context, curve.x0, curve.y0);
        cairo_curve_to(context, curve.x1, curve.y1, curve.x2, curve.y2, curve.x3, curve.y3);
        canvas.StrokePath(ink, bandWidth);
    }
}

void Eye(Canvas& canvas, double x, double y, double radius) {
    DesignKit::Dot(canvas, x, y, radius, kInk);
    DesignKit::Dot(canvas, x - radius * 0.35, y - radius * 0.35, radius * 0.35, DesignKit::kWhite);
}

}  // namespace AnimalParts
