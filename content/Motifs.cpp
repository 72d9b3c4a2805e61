#include "content/Motifs.h"

#include <cairo.h>

#include <cmath>
#include <numbers>

#include "content/Palette.h"

void Motifs::StarSticker(Canvas& canvas, double centreX, double centreY, double radius,
                         Colour colour) {
    // The rounded joins of a thick outline make the points soft.
    canvas.Star(centreX, centreY, radius, radius * 0.5, 5);
    canvas.FillAndOutline(colour, Palette::kInk, radius * 0.09);
    canvas.Smile(centreX, centreY + radius * 0.1, radius * 0.75, Palette::kInk);
}

void Motifs::HeartSticker(Canvas& canvas, double centreX, double centreY, double size,
                          Colour colour) {
    canvas.Heart(centreX, centreY, size);
    canvas.FillAndOutline(colour, Palette::kInk, size * 0.06);
    canvas.Smile(centreX, centreY - size * 0.05, size * 0.45, Palette::kInk);
}

void Motifs::Sun(Canvas& canvas, double centreX, double centreY, double radius) {
    cairo_t* context = canvas.Context();
    for (int32_t ray = 0; ray < 12; ++ray) {
        const double angle = ray * std::numbers::pi / 6.0;
        cairo_move_to(context, centreX + std::cos(angle) * radius * 1.25,
                      centreY + std::sin(angle) * radius * 1.25);
        cairo_line_to(context, centreX + std::cos(angle) * radius * 1.6,
                      centreY + std::sin(angle) * radius * 1.6);
    }
    canvas.StrokePath(Palette::kOrange, radius * 0.16);
    canvas.Circle(centreX, centreY, radius);
    canvas.FillAndOutline(Palette::kSun, Palette::kInk, radius * 0.08);
    canvas.Circle(centreX - radius * 0.5, centreY + radius * 0.2, radius * 0.15);
    canvas.Circle(centreX + radius * 0.5, centreY + radius * 0.2, radius * 0.15);
    canvas.FillPath(Palette::kPink);
    canvas.Smile(centreX, centreY, radius * 1.1, Palette::kInk);
}

void Motifs::Pointer(Canvas& canvas, double tipX, double tipY, double scale) {
    const double s = scale;
    canvas.Polygon({tipX, tipY, tipX, tipY + 24 * s, tipX + 6 * s, tipY + 19 * s, tipX + 10.5 * s,
                    tipY + 28 * s, tipX + 15 * s, tipY + 26 * s, tipX + 10.5 * s, tipY + 17 * s,
                    tipX + 18 * s, tipY + 17 * s});
    canvas.FillAndOutline(Palette::kSun, Palette::kInk, 2.2 * s);
}

void Motifs::StarOutline(Canvas& canvas, double centreX, double centreY, double radius) {
    canvas.Star(centreX, centreY, radius, radius * 0.5, 5);
    canvas.FillPath(Colour::Hex(0xFFF3B0));
    canvas.Star(centreX, centreY, radius, radius * 0.5, 5);
    canvas.DashedStroke(Colour::Hex(0xB08A2E), radius * 0.07, radius * 0.16);
}

void Motifs::Paper(Canvas& canvas, double x, double y, double width, double height) {
    canvas.RoundedBox(x + 5, y + 6, width, height, 12);
    canvas.FillPath(Colour::Hex(0x000000).Lighter(0.75));
    canvas.RoundedBox(x, y, width, height, 12);
    canvas.FillAndOutline(Palette::kWhite, Palette::kInk, 4);
}

void Motifs::MotionLines(Canvas& canvas, double x, double y, double length, double gap,
                         int32_t count) {
    cairo_t* context = canvas.Context();
    for (int32_t line = 0; line < count; ++line) {
        const double lineY = y + line * gap;
        cairo_move_to(context, x, lineY);
        cairo_curve_to(context, x + length * 0.3, lineY - 6, x + length * 0.7, lineY - 6,
                       x + length, lineY);
    }
    canvas.StrokePath(Palette::kInk, 4);
}
