#include "content/ShapePath.h"

#include <cairo.h>

#include <stdexcept>

void ShapePath::Trace(Canvas& canvas, std::initializer_list<Point> points) {
    cairo_t* context = canvas.Context();
    cairo_new_path(context);
    bool first = true;
    for (const Point& point : points) {
        const double* at = point.begin();
        if (first && point.size() == 2) {
            cairo_move_to(context, at[0], at[1]);
        } else if (!first && point.size() == 2) {
            cairo_line_to(context, at[0], at[1]);
        } else if (!first && point.size() == 6) {
            cairo_curve_to(context, at[0], at[1], at[2], at[3], at[4], at[5]);
        } else {
            throw std::invalid_argument("an outline point has two numbers, a curve six");
        }
        first = false;
    }
    cairo_close_path(context);
}
