// Writes the program's embedded icon as PNG pictures of the sizes desktops look for,
// with its see-through surround kept see-through, and as a scalable SVG picture, so
// that the installed menu entry shows the same icon as the window.
// Usage: quillory_icon_writer <folder>   ->  <folder>/<size>x<size>/apps/quillory3.png
//                                            <folder>/scalable/apps/quillory3.svg

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <optional>
#include <string>

#include "packaging/IconTracer.h"
#include "platform/Resources.h"
#include "platform/headless/PngFile.h"
#include "platform/sdl/KeyedPicture.h"

namespace {

constexpr uint16_t kIconId = 100;
constexpr LONG kSizes[] = {16, 22, 24, 32, 48, 64, 128, 256};

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
        const auto channel = [](double value) { return static_cast<uint32_t>(std::clamp(std::lround(value), 0L, 255L)); };
        return channel(alpha * 255) << 24 | channel(red / alpha) << 16 | channel(green / alpha) << 8 | channel(blue / alpha);
    }
};

uint32_t At(const CursorImage& icon, LONG x, LONG y) {
    x = std::clamp(x, LONG{0}, icon.width - 1);
    y = std::clamp(y, LONG{0}, icon.height - 1);
    return icon.pixels[static_cast<size_t>(y * icon.width + x)];
}

// Smaller sizes average the icon's pixels under each new pixel (area by area);
// larger ones blend the four nearest, so that no size shows jagged steps.
uint32_t Resampled(const CursorImage& icon, LONG size, LONG x, LONG y) {
    const double scale = static_cast<double>(icon.width) / static_cast<double>(size);
    Premultiplied sum;
    if (scale >= 1) {
        const double left = x * scale, top = y * scale;
        for (auto sy = static_cast<LONG>(top); sy < std::ceil(top + scale); ++sy) {
            const double height = std::min<double>(sy + 1, top + scale) - std::max<double>(sy, top);
            for (auto sx = static_cast<LONG>(left); sx < std::ceil(left + scale); ++sx) {
                const double width = std::min<double>(sx + 1, left + scale) - std::max<double>(sx, left);
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

bool WritePng(const CursorImage& icon, LONG size, const std::filesystem::path& file) {
    std::vector<uint32_t> pixels;
    pixels.reserve(static_cast<size_t>(size * size));
    for (LONG y = 0; y < size; ++y) {
        for (LONG x = 0; x < size; ++x) pixels.push_back(Resampled(icon, size, x, y));
    }
    return SavePngWithAlpha(size, size, pixels, file.string());
}

bool WriteSvg(const CursorImage& icon, const std::filesystem::path& folder) {
    const std::optional<std::string> svg = IconTracer::Svg(icon);
    if (!svg) return false;
    std::filesystem::create_directories(folder);
    std::ofstream file(folder / "quillory3.svg", std::ios::binary);
    file << *svg;
    return static_cast<bool>(file);
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s <folder>\n", argv[0]);
        return 2;
    }
    const Resource* resource = Resources::Find(kIconId, ResourceKind::Icon);
    const std::optional<CursorImage> icon =
        resource != nullptr ? KeyedPicture::Read(resource->bytes, POINT{0, 0}) : std::nullopt;
    if (!icon || icon->width != icon->height) {
        std::fprintf(stderr, "the program has no readable square icon %u\n", kIconId);
        return 1;
    }
    for (const LONG size : kSizes) {
        const std::string name = std::to_string(size) + "x" + std::to_string(size);
        const std::filesystem::path folder = std::filesystem::path(argv[1]) / name / "apps";
        std::filesystem::create_directories(folder);
        if (!WritePng(*icon, size, folder / "quillory3.png")) return 1;
    }
    return WriteSvg(*icon, std::filesystem::path(argv[1]) / "scalable" / "apps") ? 0 : 1;
}
