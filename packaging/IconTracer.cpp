#include "packaging/IconTracer.h"

#include <potracelib.h>

#include <algorithm>
#include <climits>
#include <cstdio>
#include <map>
#include <memory>
#include <vector>

namespace {

// The icon's main colours: its outline, its box and its sticker. Edge pixels in
// between join the nearest of them.
constexpr size_t kColours = 3;

uint32_t Rgb(uint32_t pixel) {
    return pixel & 0xFFFFFF;
}
bool Opaque(uint32_t pixel) {
    return (pixel >> 24) >= 0x80;
}

int Channel(uint32_t rgb, int shift) {
    return static_cast<int>((rgb >> shift) & 0xFF);
}

int Distance(uint32_t a, uint32_t b) {
    int sum = 0;
    for (const int shift : {16, 8, 0}) {
        const int d = Channel(a, shift) - Channel(b, shift);
        sum += d * d;
    }
    return sum;
}

int Brightness(uint32_t rgb) {
    return Channel(rgb, 16) * 3 + Channel(rgb, 8) * 6 + Channel(rgb, 0);
}

// The most common colours of the opaque pixels, darkest first.
std::vector<uint32_t> MainColours(const CursorImage& icon) {
    std::map<uint32_t, int> counts;
    for (const uint32_t pixel : icon.pixels) {
        if (Opaque(pixel)) ++counts[Rgb(pixel)];
    }
    std::vector<std::pair<int, uint32_t>> byCount;
    for (const auto& [rgb, count] : counts) byCount.emplace_back(count, rgb);
    std::sort(byCount.rbegin(), byCount.rend());
    std::vector<uint32_t> colours;
    for (size_t i = 0; i < std::min(kColours, byCount.size()); ++i)
        colours.push_back(byCount[i].second);
    std::sort(colours.begin(), colours.end(),
              [](uint32_t a, uint32_t b) { return Brightness(a) < Brightness(b); });
    return colours;
}

uint32_t Nearest(const std::vector<uint32_t>& colours, uint32_t rgb) {
    return *std::min_element(colours.begin(), colours.end(), [rgb](uint32_t a, uint32_t b) {
        return Distance(a, rgb) < Distance(b, rgb);
    });
}

// potrace's bitmap: rows of machine words, most significant bit leftmost, the first
// row at the bottom.
class Mask {
public:
    Mask(LONG width, LONG height)
        : m_wordsPerRow((width + kBits - 1) / kBits),
          m_words(static_cast<size_t>(m_wordsPerRow * height)) {
        m_bitmap = {static_cast<int>(width), static_cast<int>(height),
                    static_cast<int>(m_wordsPerRow), m_words.data()};
    }
    void Set(LONG x, LONG yFromTop) {
        const LONG row = m_bitmap.h - 1 - yFromTop;
        m_words[static_cast<size_t>(row * m_wordsPerRow + x / kBits)] |= potrace_word{1}
                                                                         << (kBits - 1 - x % kBits);
    }
    const potrace_bitmap_t* Bitmap() const { return &m_bitmap; }

private:
    static constexpr LONG kBits = static_cast<LONG>(sizeof(potrace_word) * CHAR_BIT);
    LONG m_wordsPerRow;
    std::vector<potrace_word> m_words;
    potrace_bitmap_t m_bitmap{};
};

std::string Point(const potrace_dpoint_t& point, LONG height) {
    char text[48];
    std::snprintf(text, sizeof text, "%.2f %.2f", point.x, static_cast<double>(height) - point.y);
    return text;
}

// Every outline and hole of the traced mask as one SVG path; even-odd filling
// leaves the holes open.
std::optional<std::string> TracedPath(const Mask& mask, LONG height) {
    const std::unique_ptr<potrace_param_t, void (*)(potrace_param_t*)> param(
        potrace_param_default(), potrace_param_free);
    if (!param) return std::nullopt;
    const std::unique_ptr<potrace_state_t, void (*)(potrace_state_t*)> state(
        potrace_trace(param.get(), mask.Bitmap()), potrace_state_free);
    if (!state || state->status != POTRACE_STATUS_OK) return std::nullopt;
    std::string path;
    for (const potrace_path_t* outline = state->plist; outline != nullptr;
         outline = outline->next) {
        const potrace_curve_t& curve = outline->curve;
        path += "M" + Point(curve.c[curve.n - 1][2], height);
        for (int i = 0; i < curve.n; ++i) {
            if (curve.tag[i] == POTRACE_CURVETO) {
                path += "C" + Point(curve.c[i][0], height) + " " + Point(curve.c[i][1], height) +
                        " " + Point(curve.c[i][2], height);
            } else {
                path += "L" + Point(curve.c[i][1], height) + " " + Point(curve.c[i][2], height);
            }
        }
        path += "Z";
    }
    return path;
}

}  // namespace

std::optional<std::string> IconTracer::Svg(const CursorImage& icon) {
    const std::vector<uint32_t> colours = MainColours(icon);
    char header[160];
    std::snprintf(header, sizeof header,
                  "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"%ld\" height=\"%ld\" "
                  "viewBox=\"0 0 %ld %ld\">\n",
                  static_cast<long>(icon.width), static_cast<long>(icon.height),
                  static_cast<long>(icon.width), static_cast<long>(icon.height));
    std::string svg = header;
    for (const uint32_t colour : colours) {
        const bool silhouette = colour == colours.front();
        Mask mask(icon.width, icon.height);
        for (LONG y = 0; y < icon.height; ++y) {
            for (LONG x = 0; x < icon.width; ++x) {
                const uint32_t pixel = icon.pixels[static_cast<size_t>(y * icon.width + x)];
                if (Opaque(pixel) && (silhouette || Nearest(colours, Rgb(pixel)) == colour))
                    mask.Set(x, y);
            }
        }
        const std::optional<std::string> path = TracedPath(mask, icon.height);
        if (!path) return std::nullopt;
        char fill[16];
        std::snprintf(fill, sizeof fill, "#%06X", colour);
        svg += std::string("<path fill=\"") + fill + "\" fill-rule=\"evenodd\" d=\"" + *path +
               "\"/>\n";
    }
    return svg + "</svg>\n";
}
