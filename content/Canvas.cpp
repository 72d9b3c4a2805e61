#include "content/Canvas.h"

#include <cairo.h>

#include <cmath>
#include <numbers>
#include <stdexcept>

Canvas::Canvas(int32_t width, int32_t height)
    : m_width(width),
      m_height(height),
      m_surface(cairo_image_surface_create(CAIRO_FORMAT_ARGB32, width, height)),
      m_context(cairo_create(m_surface)) {
    if (cairo_status(m_context) != CAIRO_STATUS_SUCCESS) {
        throw std::runtime_error("cannot create a drawing surface");
    }
    // Unhinted outlines keep the pictures identical whatever the font settings of
    // the machine that builds them.
    cairo_font_options_t* options = cairo_font_options_create();
    cairo_font_options_set_antialias(options, CAIRO_ANTIALIAS_GRAY);
    cairo_font_options_set_hint_style(options, CAIRO_HINT_STYLE_NONE);
    cairo_font_options_set_hint_metrics(options, CAIRO_HINT_METRICS_OFF);
    cairo_set_font_options(m_context, options);
    cairo_font_options_destroy(options);
    cairo_set_line_join(m_context, CAIRO_LINE_JOIN_ROUND);
    cairo_set_line_cap(m_context, CAIRO_LINE_CAP_ROUND);
}

Canvas::~Canvas() {
    if (m_context != nullptr) {
        cairo_destroy(m_context);
        cairo_surface_destroy(m_surface);
    }
}

Canvas::Canvas(Canvas&& other) noexcept
    : m_width(other.m_width),
      m_height(other.m_height),
      m_surface(other.m_surface),
      m_context(other.m_context) {
    other.m_surface = nullptr;
    other.m_context = nullptr;
}

void Canvas::Fill(Colour colour) {
    cairo_set_source_rgb(m_context, colour.red, colour.green, colour.blue);
    cairo_paint(m_context);
}

void Canvas::VerticalGradient(double x, double y, double width, double height, Colour top,
                              Colour bottom) {
    cairo_pattern_t* gradient = cairo_pattern_create_linear(0, y, 0, y + height);
    cairo_pattern_add_color_stop_rgb(gradient, 0, top.red, top.green, top.blue);
    cairo_pattern_add_color_stop_rgb(gradient, 1, bottom.red, bottom.green, bottom.blue);
    cairo_rectangle(m_context, x, y, width, height);
    cairo_set_source(m_context, gradient);
    cairo_fill(m_context);
    cairo_pattern_destroy(gradient);
}

void Canvas::RoundedBox(double x, double y, double width, double height, double radius) {
    const double quarter = std::numbers::pi / 2.0;
    cairo_new_sub_path(m_context);
    cairo_arc(m_context, x + width - radius, y + radius, radius, -quarter, 0);
    cairo_arc(m_context, x + width - radius, y + height - radius, radius, 0, quarter);
    cairo_arc(m_context, x + radius, y + height - radius, radius, quarter, 2 * quarter);
    cairo_arc(m_context, x + radius, y + radius, radius, 2 * quarter, 3 * quarter);
    cairo_close_path(m_context);
}

void Canvas::Circle(double centreX, double centreY, double radius) {
    cairo_new_sub_path(m_context);
    cairo_arc(m_context, centreX, centreY, radius, 0, 2 * std::numbers::pi);
    cairo_close_path(m_context);
}

void Canvas::Ellipse(double centreX, double centreY, double radiusX, double radiusY) {
    cairo_save(m_context);
    cairo_translate(m_context, centreX, centreY);
    cairo_scale(m_context, radiusX, radiusY);
    Circle(0, 0, 1);
    cairo_restore(m_context);
}

void Canvas::Star(double centreX, double centreY, double outerRadius, double innerRadius,
                  int32_t points, double turn) {
    cairo_new_sub_path(m_context);
    for (int32_t corner = 0; corner < points * 2; ++corner) {
        const double radius = corner % 2 == 0 ? outerRadius : innerRadius;
        const double angle = turn - std::numbers::pi / 2.0 + corner * std::numbers::pi / points;
        cairo_line_to(m_context, centreX + radius * std::cos(angle),
                      centreY + radius * std::sin(angle));
    }
    cairo_close_path(m_context);
}

void Canvas::Heart(double centreX, double centreY, double size) {
    const double s = size / 2.0;
    cairo_new_sub_path(m_context);
    cairo_move_to(m_context, centreX, centreY + s);
    cairo_curve_to(m_context, centreX - 1.6 * s, centreY - 0.1 * s, centreX - 0.9 * s,
                   centreY - 1.2 * s, centreX, centreY - 0.45 * s);
    cairo_curve_to(m_context, centreX + 0.9 * s, centreY - 1.2 * s, centreX + 1.6 * s,
                   centreY - 0.1 * s, centreX, centreY + s);
    cairo_close_path(m_context);
}

void Canvas::Polygon(const std::vector<double>& xy) {
    cairo_new_sub_path(m_context);
    for (size_t i = 0; i + 1 < xy.size(); i += 2) {
        cairo_line_to(m_context, xy[i], xy[i + 1]);
    }
    cairo_close_path(m_context);
}

void Canvas::FillPath(Colour fill) {
    cairo_set_source_rgb(m_context, fill.red, fill.green, fill.blue);
    cairo_fill(m_context);
}

void Canvas::StrokePath(Colour line, double width) {
    cairo_set_source_rgb(m_context, line.red, line.green, line.blue);
    cairo_set_line_width(m_context, width);
    cairo_stroke(m_context);
}

void Canvas::FillAndOutline(Colour fill, Colour outline, double width) {
    cairo_set_source_rgb(m_context, fill.red, fill.green, fill.blue);
    cairo_fill_preserve(m_context);
    StrokePath(outline, width);
}

void Canvas::DashedStroke(Colour line, double width, double dash) {
    const double pattern[] = {dash, dash * 0.8};
    cairo_set_dash(m_context, pattern, 2, 0);
    StrokePath(line, width);
    cairo_set_dash(m_context, nullptr, 0, 0);
}

void Canvas::TextPath(const std::string& text, double centreX, double centreY, double size) {
    cairo_select_font_face(m_context, "DejaVu Sans", CAIRO_FONT_SLANT_NORMAL,
                           CAIRO_FONT_WEIGHT_BOLD);
    cairo_set_font_size(m_context, size);
    cairo_text_extents_t extents;
    cairo_text_extents(m_context, text.c_str(), &extents);
    cairo_new_path(m_context);
    cairo_move_to(m_context, centreX - extents.width / 2.0 - extents.x_bearing,
                  centreY - extents.height / 2.0 - extents.y_bearing);
    cairo_text_path(m_context, text.c_str());
}

void Canvas::TextFrom(const std::string& text, double x, double baselineY, double size,
                      Colour fill) {
    cairo_select_font_face(m_context, "DejaVu Sans", CAIRO_FONT_SLANT_NORMAL,
                           CAIRO_FONT_WEIGHT_BOLD);
    cairo_set_font_size(m_context, size);
    cairo_new_path(m_context);
    cairo_move_to(m_context, x, baselineY);
    cairo_text_path(m_context, text.c_str());
    FillPath(fill);
}

double Canvas::TextAdvance(const std::string& text, double size) {
    cairo_select_font_face(m_context, "DejaVu Sans", CAIRO_FONT_SLANT_NORMAL,
                           CAIRO_FONT_WEIGHT_BOLD);
    cairo_set_font_size(m_context, size);
    cairo_text_extents_t extents;
    cairo_text_extents(m_context, text.c_str(), &extents);
    return extents.x_advance;
}

void Canvas::Text(const std::string& text, double centreX, double centreY, double size,
                  Colour fill) {
    TextPath(text, centreX, centreY, size);
    FillPath(fill);
}

void Canvas::OutlinedText(const std::string& text, double centreX, double centreY, double size,
                          Colour fill, Colour outline, double outlineWidth) {
    TextPath(text, centreX, centreY, size);
    StrokePath(outline, outlineWidth * 2.0);
    Text(text, centreX, centreY, size, fill);
}

void Canvas::Smile(double centreX, double centreY, double size, Colour ink) {
    const double eye = size * 0.09;
    Circle(centreX - size * 0.2, centreY - size * 0.12, eye);
    Circle(centreX + size * 0.2, centreY - size * 0.12, eye);
    FillPath(ink);
    cairo_new_path(m_context);
    cairo_arc(m_context, centreX, centreY + size * 0.02, size * 0.25, 0.15 * std::numbers::pi,
              0.85 * std::numbers::pi);
    StrokePath(ink, size * 0.07);
}

void Canvas::Paint(const Canvas& other, double x, double y, double scale) {
    cairo_save(m_context);
    cairo_translate(m_context, x, y);
    cairo_scale(m_context, scale, scale);
    cairo_set_source_surface(m_context, other.Surface(), 0, 0);
    // Enlarged previews keep their pixels square, so that what is reviewed is what
    // the album shows.
    cairo_pattern_set_filter(cairo_get_source(m_context), CAIRO_FILTER_NEAREST);
    cairo_paint(m_context);
    cairo_restore(m_context);
}

void Canvas::PaintSilhouette(const Canvas& shape, double x, double y, double scale, Colour colour,
                             double alpha) {
    cairo_save(m_context);
    cairo_translate(m_context, x, y);
    cairo_scale(m_context, scale, scale);
    cairo_set_source_rgba(m_context, colour.red, colour.green, colour.blue, alpha);
    cairo_mask_surface(m_context, shape.Surface(), 0, 0);
    cairo_restore(m_context);
}

Canvas Canvas::Cropped(int32_t x, int32_t y, int32_t width, int32_t height) const {
    Canvas part(width, height);
    cairo_surface_flush(m_surface);
    cairo_set_source_surface(part.m_context, m_surface, -x, -y);
    cairo_paint(part.m_context);
    return part;
}

void Canvas::WritePng(const std::string& path) const {
    cairo_surface_flush(m_surface);
    if (cairo_surface_write_to_png(m_surface, path.c_str()) != CAIRO_STATUS_SUCCESS) {
        throw std::runtime_error("cannot write " + path);
    }
}
