#pragma once
// Closed outlines given as a list of points: the first point starts the outline, a
// point of two numbers draws a straight edge to it, one of six numbers a curve (two
// control points, then the end). A drawing then reads as the table of its shape.

#include <initializer_list>

#include "content/Canvas.h"

class ShapePath {
public:
    using Point = std::initializer_list<double>;

    // Makes the outline the canvas's current path, closed, for the fill and outline
    // operations to paint.
    static void Trace(Canvas& canvas, std::initializer_list<Point> points);
};
