#pragma once
// A drawing surface for the generator: a cairo image with the few shape and text
// helpers that every picture of the album is made of (bold outlines, rounded boxes,
// stars, centred captions), so that each picture module only says what it shows.
// This header does not pull cairo in: a module that draws its own paths includes
// <cairo.h> itself and draws on Context().

#include <cstdint>
#include <string>
#include <vector>

// cairo's opaque handles, named as cairo names them.
struct _cairo;
struct _cairo_surface;
using cairo_t = _cairo;
using cairo_surface_t = _cairo_surface;

struct Colour {
    double red;
    double green;
    double blue;

    // Colours are written as 0xRRGGBB, the way an artist's palette lists them.
    static constexpr Colour Hex(uint32_t rgb) {
        return {static_cast<double>((rgb >> 16) & 0xFF) / 255.0,
                static_cast<double>((rgb >> 8) & 0xFF) / 255.0,
                static_cast<double>(rgb & 0xFF) / 255.0};
    }
    Colour Darker(double factor) const { return {red * factor, green * factor, blue * factor}; }
    Colour Lighter(double amount) const {
        return {red + (1.0 - red) * amount, green + (1.0 - green) * amount,
                blue + (1.0 - blue) * amount};
    }
};

class Canvas {
public:
    // A fully transparent picture; pictures without transparency paint their
    // background first.
    Canvas(int32_t width, int32_t height);
    ~Canvas();
    Canvas(Canvas&& other) noexcept;
    Canvas(const Canvas&) = delete;
    Canvas& operator=(const Canvas&) = delete;
    Canvas& operator=(Canvas&&) = delete;

    int32_t Width() const { return m_width; }
    int32_t Height() const { return m_height; }
    cairo_t* Context() const { return m_context; }
    cairo_surface_t* Surface() const { return m_surface; }

    void Fill(Colour colour);
    void VerticalGradient(double x, double y, double width, double height, Colour top,
                          Colour bottom);

    // Paths; the fill and outline operations below paint the current path.
    void RoundedBox(double x, double y, double width, double height, double radius);
    void Circle(double centreX, double centreY, double radius);
    void Ellipse(double centreX, double centreY, double radiusX, double radiusY);
    void Star(double centreX, double centreY, double outerRadius, double innerRadius,
              int32_t points, double turn = 0.0);
    void Heart(double centreX, double centreY, double size);
    void Polygon(const std::vector<double>& xy);

    void FillPath(Colour fill);
    void StrokePath(Colour line, double width);
    // The album's look: a bright fill with a clear dark outline.
    void FillAndOutline(Colour fill, Colour outline, double width);
    void DashedStroke(Colour line, double width, double dash);

    // Bold text centred on (centreX, centreY), with an optional outline drawn below
    // the fill so that the letters stay full size.
    void Text(const std::string& text, double centreX, double centreY, double size, Colour fill);
    void OutlinedText(const std::string& text, double centreX, double centreY, double size,
                      Colour fill, Colour outline, double outlineWidth);

    // Bold text starting at x on the baseline y, and how far such text advances.
    void TextFrom(const std::string& text, double x, double baselineY, double size, Colour fill);
    double TextAdvance(const std::string& text, double size);

    // A smiling face: the friendly mark of the album's characters.
    void Smile(double centreX, double centreY, double size, Colour ink);

    // Paints another canvas at (x, y), scaled by `scale`.
    void Paint(const Canvas& other, double x, double y, double scale = 1.0);
    // Paints the pixels that `shape` covers in one colour, at (x, y) scaled by `scale`,
    // with `alpha` from 0 (nothing) to 1: silhouettes and shadows.
    void PaintSilhouette(const Canvas& shape, double x, double y, double scale, Colour colour,
                         double alpha);
    // A copy of the part of this canvas at (x, y) of the given size.
    Canvas Cropped(int32_t x, int32_t y, int32_t width, int32_t height) const;

    void WritePng(const std::string& path) const;

private:
    void TextPath(const std::string& text, double centreX, double centreY, double size);

    int32_t m_width;
    int32_t m_height;
    cairo_surface_t* m_surface;
    cairo_t* m_context;
};
