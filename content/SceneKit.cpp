#include "content/SceneKit.h"

#include <cairo.h>

#include <cmath>
#include <numbers>

namespace SceneKit {

namespace {

constexpr double kPi = std::numbers::pi;

}  // namespace

void Sky(Canvas& canvas, Colour top, Colour bottom, double height) {
    canvas.VerticalGradient(0, 0, kWidth, height, top, bottom);
}

void Ground(Canvas& canvas, double y, Colour top, Colour bottom) {
    cairo_t* context = canvas.Context();
    cairo_move_to(context, -10, y);
    cairo_curve_to(context, kWidth * 0.3, y - 16, kWidth * 0.65, y + 14, kWidth + 10, y - 4);
    cairo_line_to(context, kWidth + 10, kHeight + 10);
    cairo_line_to(context, -10, kHeight + 10);
    cairo_close_path(context);
    cairo_pattern_t* gradient = cairo_pattern_create_linear(0, y, 0, kHeight);
    cairo_pattern_add_color_stop_rgb(gradient, 0, top.red, top.green, top.blue);
    cairo_pattern_add_color_stop_rgb(gradient, 1, bottom.red, bottom.green, bottom.blue);
    cairo_set_source(context, gradient);
    cairo_fill_preserve(context);
    cairo_pattern_destroy(gradient);
    canvas.StrokePath(Palette::kInk, 3);
}

void Hill(Canvas& canvas, double centreX, double centreY, double radiusX, double radiusY,
          Colour colour) {
    canvas.Ellipse(centreX, centreY, radiusX, radiusY);
    canvas.FillAndOutline(colour, Palette::kInk, 3);
}

void Cloud(Canvas& canvas, double x, double y, double size) {
    canvas.Circle(x - size * 0.5, y + size * 0.1, size * 0.4);
    canvas.Circle(x, y - size * 0.1, size * 0.55);
    canvas.Circle(x + size * 0.5, y + size * 0.1, size * 0.4);
    canvas.FillAndOutline(Palette::kWhite, Palette::kInk.Lighter(0.5), 2.5);
    canvas.Circle(x - size * 0.5, y + size * 0.1, size * 0.38);
    canvas.Circle(x, y - size * 0.1, size * 0.53);
    canvas.Circle(x + size * 0.5, y + size * 0.1, size * 0.38);
    canvas.FillPath(Palette::kWhite);
}

void Daisy(Canvas& canvas, double x, double y, Colour petals) {
    for (int32_t petal = 0; petal < 6; ++petal) {
        const double angle = petal * kPi / 3;
        canvas.Circle(x + std::cos(angle) * 6, y + std::sin(angle) * 6, 5);
    }
    canvas.FillAndOutline(petals, Palette::kInk, 1.5);
    canvas.Circle(x, y, 4);
    canvas.FillPath(Palette::kSun);
}

void Bush(Canvas& canvas, double x, double y, double size, Colour colour) {
    canvas.Circle(x - size * 0.45, y - size * 0.3, size * 0.35);
    canvas.Circle(x + size * 0.45, y - size * 0.3, size * 0.35);
    canvas.Circle(x, y - size * 0.5, size * 0.45);
    canvas.FillAndOutline(colour, Palette::kInk, 3);
    canvas.Circle(x - size * 0.45, y - size * 0.3, size * 0.33);
    canvas.Circle(x + size * 0.45, y - size * 0.3, size * 0.33);
    canvas.Circle(x, y - size * 0.5, size * 0.43);
    canvas.FillPath(colour);
}

void Room(Canvas& canvas, Colour wall, Colour floor, double floorY) {
    canvas.Fill(wall);
    cairo_t* context = canvas.Context();
    for (double x = 20; x < kWidth; x += 56) {
        cairo_rectangle(context, x, 0, 22, floorY);
    }
    canvas.FillPath(wall.Lighter(0.25));
    cairo_rectangle(context, 0, floorY, kWidth, kHeight - floorY);
    canvas.FillPath(floor);
    for (double y = floorY + 28; y < kHeight; y += 30) {
        cairo_move_to(context, 0, y);
        cairo_line_to(context, kWidth, y);
    }
    canvas.StrokePath(floor.Darker(0.85), 2);
    cairo_rectangle(context, -5, floorY - 14, kWidth + 10, 14);
    canvas.FillAndOutline(Palette::kWhite, Palette::kInk, 3);
}

void Window(Canvas& canvas, double x, double y, double width, double height) {
    canvas.RoundedBox(x, y, width, height, 8);
    canvas.FillAndOutline(Palette::kWhite, Palette::kInk, 3);
    canvas.VerticalGradient(x + 10, y + 10, width - 20, height - 20, Palette::kSky,
                            Palette::kPaleSky);
    cairo_t* context = canvas.Context();
    cairo_move_to(context, x + width / 2, y + 10);
    cairo_line_to(context, x + width / 2, y + height - 10);
    cairo_move_to(context, x + 10, y + height / 2);
    cairo_line_to(context, x + width - 10, y + height / 2);
    canvas.StrokePath(Palette::kWhite, 6);
}

void Box(Canvas& canvas, double x, double y, double width, double height, Colour colour) {
    canvas.RoundedBox(x, y, width, height, 6);
    canvas.FillAndOutline(colour, Palette::kInk, 3);
}

}  // namespace SceneKit
