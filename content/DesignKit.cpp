#include "content/DesignKit.h"

#include <cairo.h>

namespace DesignKit {

void Solid(Canvas& canvas, Colour fill) {
    canvas.FillAndOutline(fill, kInk, kOutline);
}

void Line(Canvas& canvas, double x1, double y1, double x2, double y2, Colour colour, double width) {
    cairo_move_to(canvas.Context(), x1, y1);
    cairo_line_to(canvas.Context(), x2, y2);
    canvas.StrokePath(colour, width);
}

void Band(Canvas& canvas, double x1, double y1, double x2, double y2, Colour colour, double width) {
    Line(canvas, x1, y1, x2, y2, kInk, width + 2 * kOutline - 1);
    Line(canvas, x1, y1, x2, y2, colour, width);
}

void Dot(Canvas& canvas, double x, double y, double radius, Colour colour) {
    canvas.Circle(x, y, radius);
    canvas.FillPath(colour);
}

void Eyes(Canvas& canvas, double centreX, double y, double gap, double radius) {
    for (const double x : {centreX - gap / 2, centreX + gap / 2}) {
        Dot(canvas, x, y, radius, kInk);
        Dot(canvas, x - radius * 0.35, y - radius * 0.35, radius * 0.35, kWhite);
    }
}

void Grin(Canvas& canvas, double centreX, double y, double radius) {
    cairo_new_path(canvas.Context());
    cairo_arc(canvas.Context(), centreX, y - radius * 0.6, radius, 0.2 * kPi, 0.8 * kPi);
    canvas.StrokePath(kInk, 3.2);
}

void Face(Canvas& canvas, double centreX, double centreY, double size) {
    Eyes(canvas, centreX, centreY - size * 0.12, size * 0.4, size * 0.07);
    Grin(canvas, centreX, centreY + size * 0.12, size * 0.2);
}

void Leaf(Canvas& canvas, double x, double y, double length, double turn, Colour colour) {
    cairo_t* context = canvas.Context();
    cairo_save(context);
    cairo_translate(context, x, y);
    cairo_rotate(context, turn);
    cairo_new_path(context);
    cairo_move_to(context, 0, 0);
    cairo_curve_to(context, length * 0.3, -length * 0.45, length * 0.8, -length * 0.35, length, 0);
    cairo_curve_to(context, length * 0.8, length * 0.35, length * 0.3, length * 0.45, 0, 0);
    cairo_restore(context);
    canvas.FillAndOutline(colour, kInk, 3);
}

void PairOf(const std::function<void(double side)>& draw) {
    draw(-1.0);
    draw(1.0);
}

void Wheels(Canvas& canvas, std::initializer_list<double> xs, double y, double radius) {
    for (const double x : xs) {
        canvas.Circle(x, y, radius);
        Solid(canvas, kTyre);
        Dot(canvas, x, y, radius * 0.4, kLightGrey);
    }
}

}  // namespace DesignKit
