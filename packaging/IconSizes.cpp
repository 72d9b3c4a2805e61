#include "packaging/IconSizes.h"

#include <algorithm>
#include <cmath>

namespace {

// A pixel's colour premultiplied by its coverage, so that blending never bleeds the
// see-through pixels' colour into the edge.
struct Premultiplied {
    double red = 0, green = 0, blue = 0, alpha = 0;

    void Add(uint32_t pixel, double weight) {
        const double coverage = weight * static_cast<double>(pixel >> 24) / 255.0;
        red += coverage * static_cast<double>((pixel >> 16) & 0xFF);
        green += coverage * static_cast<double>((pixel >> 8) & 0xFF);
        blue += coverage * static_cast<double>(pixel & 0xFF);
        alpha += coverage;
    }
    uint32_t Pixel() const {
        if (alpha <= 0) return 0;
        const auto channel = [](double value) {
            return static_cast<uint32_t>(std::clamp(std::lround(value), 0L, 255L));
        };
        return channel(alpha * 255) << 24 | channel(red / alpha) << 16 |
               channel(green / alpha) << 8 | channel(blue / alpha);
    }
};

uint32_t At(const CursorImage& icon, LONG x, LONG y) {
    x = std::clamp(x, LONG{0}, icon.width - 1);
    y = std::clamp(y, LONG{0}, icon.height - 1);
    return icon.pixels[static_cast<size_t>(y * icon.width + x)];
}

uint32_t ResampledPixel(const CursorImage& icon, LONG size, LONG x, LONG y) {
    const double scale = static_cast<double>(icon.width) / static_cast<double>(size);
    Premultiplied sum;
    if (scale >= 1) {
        const double left = x * scale, top = y * scale;
        for (auto sy = static_cast<LONG>(top); sy < std::ceil(top + scale); ++sy) {
            const double height = std::min<double>(sy + 1, top + scale) - std::max<double>(sy, top);
            for (auto sx = static_cast<LONG>(left); sx < std::ceil(left + scale); ++sx) {
                const double width =
                    std::min<double>(sx + 1, left + scale) - std::max<double>(sx, left);
                sum.Add(At(icon, sx, sy), width * height / (scale * scale));
            }
        }
        return sum.Pixel();
    }
    const double u = (x + 0.5) * scale - 0.5, v = (y + 0.5) * scale - 0.5;
    const auto sx = static_cast<LONG>(std::floor(u)), sy = static_cast<LONG>(std::floor(v));
    const double fx = u - static_cast<double>(sx), fy = v - static_cast<double>(sy);
    sum.Add(At(icon, sx, sy), (1 - fx) * (1 - fy));
    sum.Add(At(icon, sx + 1, sy), fx * (1 - fy));
    sum.Add(At(icon, sx, sy + 1), (1 - fx) * fy);
    sum.Add(At(icon, sx + 1, sy + 1), fx * fy);
    return sum.Pixel();
}

// The middle circle a launcher's shape keeps has a diameter of 80 % of the icon; the
// icon's square, corners on that circle, is 80 % / sqrt(2) of it, a little less here.
constexpr double kSafeSquare = 0.56;

// `pixel` laid over the opaque `background`.
uint32_t Over(uint32_t pixel, uint32_t background) {
    const double coverage = static_cast<double>(pixel >> 24) / 255.0;
    uint32_t blended = 0xFF000000;
    for (const int shift : {16, 8, 0}) {
        const double front = static_cast<double>((pixel >> shift) & 0xFF);
        const double back = static_cast<double>((background >> shift) & 0xFF);
        blended |= static_cast<uint32_t>(std::lround(front * coverage + back * (1 - coverage)))
                   << shift;
    }
    return blended;
}

}  // namespace

CursorImage IconSizes::Maskable(const CursorImage& icon, LONG size, uint32_t background) {
    const auto inner = static_cast<LONG>(std::lround(static_cast<double>(size) * kSafeSquare));
    const CursorImage shrunk = Resampled(icon, inner);
    const LONG margin = (size - inner) / 2;
    CursorImage maskable{size, size, POINT{0, 0}, {}};
    maskable.pixels.reserve(static_cast<size_t>(size * size));
    for (LONG y = 0; y < size; ++y) {
        for (LONG x = 0; x < size; ++x) {
            const bool inside =
                x >= margin && x < margin + inner && y >= margin && y < margin + inner;
            const uint32_t pixel =
                inside ? shrunk.pixels[static_cast<size_t>((y - margin) * inner + x - margin)] : 0;
            maskable.pixels.push_back(Over(pixel, background));
        }
    }
    return maskable;
}

CursorImage IconSizes::Resampled(const CursorImage& icon, LONG size) {
    CursorImage resampled{size, size, POINT{0, 0}, {}};
    resampled.pixels.reserve(static_cast<size_t>(size * size));
    for (LONG y = 0; y < size; ++y) {
        for (LONG x = 0; x < size; ++x)
            resampled.pixels.push_back(ResampledPixel(icon, size, x, y));
    }
    return resampled;
}
