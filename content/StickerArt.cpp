#include "content/StickerArt.h"

#include <cairo.h>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <cstring>
#include <numbers>
#include <utility>
#include <vector>

#include "content/Palette.h"
#include "content/ScreenFrame.h"
#include "content/StickerDesigns.h"

namespace {

// Shifting a shape around a circle of this many steps and painting it each time
// widens it evenly enough for an edge a few pixels wide.
constexpr int32_t kWideningSteps = 16;

// Pixels less than half covered are see-through in the album's pictures.
constexpr uint8_t kSeeThroughBelow = 128;
// Alpha is the high byte of cairo's native-endian 32-bit pixels: the fourth byte on
// the little-endian machines the album is built on.
constexpr size_t kAlphaByte = 3;

// A die-cut sticker has no holes: the gaps its drawing closes in (between cherry
// stalks, inside bicycle wheels) are filled with the white of its edge, so that only
// the surroundings of a sticker are see-through.
void FillEnclosedGaps(Canvas& sticker) {
    cairo_surface_t* surface = sticker.Surface();
    cairo_surface_flush(surface);
    unsigned char* data = cairo_image_surface_get_data(surface);
    const auto stride = static_cast<size_t>(cairo_image_surface_get_stride(surface));
    const int32_t width = sticker.Width();
    const int32_t height = sticker.Height();
    auto at = [&](int32_t x, int32_t y) {
        return data + static_cast<size_t>(y) * stride + static_cast<size_t>(x) * 4;
    };
    std::vector<uint8_t> outside(static_cast<size_t>(width * height), 0);
    std::vector<std::pair<int32_t, int32_t>> open;
    auto reach = [&](int32_t x, int32_t y) {
        if (x < 0 || y < 0 || x >= width || y >= height) return;
        uint8_t& mark = outside[static_cast<size_t>(y * width + x)];
        if (mark == 0 && at(x, y)[kAlphaByte] < kSeeThroughBelow) {
            mark = 1;
            open.emplace_back(x, y);
        }
    };
    for (int32_t x = 0; x < width; ++x) {
        reach(x, 0);
        reach(x, height - 1);
    }
    for (int32_t y = 0; y < height; ++y) {
        reach(0, y);
        reach(width - 1, y);
    }
    while (!open.empty()) {
        const auto [x, y] = open.back();
        open.pop_back();
        reach(x + 1, y);
        reach(x - 1, y);
        reach(x, y + 1);
        reach(x, y - 1);
    }
    for (int32_t y = 0; y < height; ++y) {
        for (int32_t x = 0; x < width; ++x) {
            if (outside[static_cast<size_t>(y * width + x)] == 0 &&
                at(x, y)[kAlphaByte] < kSeeThroughBelow) {
                std::memset(at(x, y), 0xFF, 4);
            }
        }
    }
    cairo_surface_mark_dirty(surface);
}

// Scenes lighter than this under a home get a shadow for a ghost rather than a pale one.
constexpr double kLightScene = 0.8;

// The mean lightness, 0 to 1, of the page's pixels in a box, the part off the page left out.
double MeanLightness(const Canvas& page, double x, double y, int32_t width, int32_t height) {
    cairo_surface_t* surface = page.Surface();
    cairo_surface_flush(surface);
    const unsigned char* data = cairo_image_surface_get_data(surface);
    const auto stride = static_cast<size_t>(cairo_image_surface_get_stride(surface));
    const auto left = std::max(0, static_cast<int32_t>(x));
    const auto top = std::max(0, static_cast<int32_t>(y));
    const int32_t right = std::min(page.Width(), static_cast<int32_t>(x) + width);
    const int32_t bottom = std::min(page.Height(), static_cast<int32_t>(y) + height);
    double sum = 0;
    int32_t count = 0;
    for (int32_t row = top; row < bottom; ++row) {
        for (int32_t column = left; column < right; ++column) {
            // Native-endian ARGB: blue, green, red, alpha on the little-endian build machine.
            const unsigned char* pixel =
                data + static_cast<size_t>(row) * stride + static_cast<size_t>(column) * 4;
            sum += (0.11 * pixel[0] + 0.59 * pixel[1] + 0.3 * pixel[2]) / 255.0;
            ++count;
        }
    }
    return count == 0 ? 0.0 : sum / count;
}

}  // namespace

double StickerArt::Edge(int32_t size) {
    return std::max(2.0, size / 28.0);
}

Canvas StickerArt::Render(int32_t stickerIndex, int32_t size) {
    const double edge = Edge(size);
    const double inner = size - 2 * edge;
    const auto innerSide = static_cast<int32_t>(std::ceil(inner));
    Canvas design(innerSide, innerSide);
    cairo_scale(design.Context(), inner / StickerDesigns::kBox, inner / StickerDesigns::kBox);
    StickerDesigns::Draw(design, stickerIndex);

    Canvas sticker(size, size);
    for (int32_t step = 0; step < kWideningSteps; ++step) {
        const double angle = step * 2 * std::numbers::pi / kWideningSteps;
        sticker.PaintSilhouette(design, edge + std::cos(angle) * edge,
                                edge + std::sin(angle) * edge, 1.0, Palette::kWhite, 1.0);
    }
    sticker.Paint(design, edge, edge);
    FillEnclosedGaps(sticker);
    return sticker;
}

Canvas StickerArt::Widened(const Canvas& picture, int32_t radius) {
    Canvas widened(picture.Width() + 2 * radius, picture.Height() + 2 * radius);
    for (int32_t step = 0; step < kWideningSteps; ++step) {
        const double angle = step * 2 * std::numbers::pi / kWideningSteps;
        widened.PaintSilhouette(picture, radius + std::cos(angle) * radius,
                                radius + std::sin(angle) * radius, 1.0, Palette::kInk, 1.0);
    }
    return widened;
}

void StickerArt::PaintHome(Canvas& page, const Canvas& picture, double x, double y) {
    constexpr int32_t kRim = 2;
    const bool lightScene =
        MeanLightness(page, x, y, picture.Width(), picture.Height()) > kLightScene;
    page.PaintSilhouette(Widened(picture, kRim), x - kRim, y - kRim, 1.0, Palette::kInk, 0.35);
    // A pale ghost shows on a darker scene. On snow or a pale wall a white sticker's
    // ghost would vanish: there a soft shadow lies over the trace of the picture.
    if (!lightScene) page.PaintSilhouette(picture, x, y, 1.0, Palette::kWhite, 0.6);
    cairo_t* context = page.Context();
    cairo_save(context);
    cairo_set_source_surface(context, picture.Surface(), x, y);
    cairo_paint_with_alpha(context, 0.22);
    cairo_restore(context);
    if (lightScene) page.PaintSilhouette(picture, x, y, 1.0, Palette::kInk, 0.14);
}
