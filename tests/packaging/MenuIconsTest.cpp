// The menu icons: every size keeps the see-through surround see-through without
// colour bleeding into the edge, the PNG keeps its alpha, and the traced scalable
// icon draws each colour where the pixel icon has it.

#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <cstdlib>
#include <regex>
#include <string>
#include <vector>

#include "packaging/IconPng.h"
#include "packaging/IconSizes.h"
#include "packaging/IconTracer.h"
#include "tests/support/Files.h"
#include "tests/support/TempDirectory.h"

namespace {

constexpr uint32_t kSeeThroughGreen = 0x0000FF00;  // never seen: its alpha is 0
constexpr uint32_t kInk = 0xFF202030, kSky = 0xFF90D0FF, kSun = 0xFFFFD040;

// 64 × 64: see-through outside the box x 8..55, y 4..39; the box is ink with a sky
// inside (x 12..51, y 8..35) and a sun block (x 20..27, y 12..19).
CursorImage TestIcon(bool threeColours) {
    CursorImage icon{64, 64, POINT{0, 0}, std::vector<uint32_t>(64 * 64, kSeeThroughGreen)};
    for (LONG y = 4; y < 40; ++y) {
        for (LONG x = 8; x < 56; ++x) {
            uint32_t colour = kInk;
            if (threeColours && x >= 12 && x < 52 && y >= 8 && y < 36) colour = kSky;
            if (threeColours && x >= 20 && x < 28 && y >= 12 && y < 20) colour = kSun;
            icon.pixels[static_cast<size_t>(y * 64 + x)] = colour;
        }
    }
    return icon;
}

TEST(MenuIcons, EverySizeKeepsTheSurroundSeeThroughAndTheEdgeFreeOfItsColour) {
    const CursorImage icon = TestIcon(false);
    for (const LONG size : {16, 22, 24, 32, 48, 64, 128, 256}) {
        SCOPED_TRACE(size);
        const CursorImage resampled = IconSizes::Resampled(icon, size);
        ASSERT_EQ(resampled.pixels.size(), static_cast<size_t>(size * size));
        EXPECT_TRUE(resampled.pixels.front() >> 24 == 0 && resampled.pixels.back() >> 24 == 0)
            << "see-through corners";
        EXPECT_EQ(resampled.pixels[static_cast<size_t>(size * 22 / 64 * size + size / 2)], kInk)
            << "inside the box";
        for (const uint32_t pixel : resampled.pixels)
            ASSERT_TRUE(pixel >> 24 == 0 || (pixel & 0xFFFFFF) == (kInk & 0xFFFFFF))
                << "an edge pixel took another colour";
    }
}

TEST(MenuIcons, MaskableIconIsOpaqueWithTheIconInsideTheCircleEveryShapeKeeps) {
    const CursorImage icon = TestIcon(false);
    const struct {
        LONG size;
        uint32_t background;
    } cases[] = {{192, 0x8FD3FF}, {512, 0x2E3A87}, {48, 0xFFFFFF}};
    for (const auto& [size, background] : cases) {
        SCOPED_TRACE(size);
        const CursorImage maskable = IconSizes::Maskable(icon, size, background);
        ASSERT_EQ(maskable.pixels.size(), static_cast<size_t>(size * size));
        const double centre = size / 2.0, radius = size * 0.4;
        size_t inked = 0;
        for (LONG y = 0; y < size; ++y) {
            for (LONG x = 0; x < size; ++x) {
                const uint32_t pixel = maskable.pixels[static_cast<size_t>(y * size + x)];
                ASSERT_EQ(pixel >> 24, 0xFFu) << "see-through at " << x << ", " << y;
                if (pixel == kInk) ++inked;
                if (std::hypot(x + 0.5 - centre, y + 0.5 - centre) > radius) {
                    ASSERT_EQ(pixel, 0xFF000000 | background) << "outside at " << x << ", " << y;
                }
            }
        }
        // The box covers 48 x 36 of the icon's 64 x 64, shrunk by a little over half.
        EXPECT_GT(inked, static_cast<size_t>(size * size) * 48 * 36 / (64 * 64) / 8);
    }
}

TEST(MenuIcons, PngKeepsEachChannelAndAlpha) {
    if (std::system("command -v convert > /dev/null") != 0)
        GTEST_SKIP() << "ImageMagick is not installed";
    const TempDirectory folder;
    ASSERT_TRUE(
        IconPng::Write({2, 2, POINT{0, 0}, {0x00FF0000, 0x80112233, 0xFF445566, 0x40AABBCC}},
                       folder / "icon.png"));
    ASSERT_FALSE(IconPng::Write({2, 2, POINT{0, 0}, {0xFF000000}}, folder / "short.png"))
        << "too few pixels";

    ASSERT_EQ(
        std::system(("convert " + folder / "icon.png" + " rgba:" + folder / "icon.rgba").c_str()),
        0);
    EXPECT_EQ(ReadBytes(folder / "icon.rgba"), (Bytes{0xFF, 0, 0, 0, 0x11, 0x22, 0x33, 0x80, 0x44,
                                                      0x55, 0x66, 0xFF, 0xAA, 0xBB, 0xCC, 0x40}));
}

// The smallest and largest x and y of a path's points: left, top, right, bottom.
std::array<double, 4> PathBounds(const std::string& path) {
    std::array<double, 4> bounds = {1e9, 1e9, -1e9, -1e9};
    const std::regex pair(R"((-?[0-9.]+) (-?[0-9.]+))");
    for (auto it = std::sregex_iterator(path.begin(), path.end(), pair);
         it != std::sregex_iterator(); ++it) {
        const double x = std::stod((*it)[1]), y = std::stod((*it)[2]);
        bounds = {std::min(bounds[0], x), std::min(bounds[1], y), std::max(bounds[2], x),
                  std::max(bounds[3], y)};
    }
    return bounds;
}

TEST(MenuIcons, ScalableIconTracesEachColourWhereThePixelsHaveIt) {
    const std::optional<std::string> svg = IconTracer::Svg(TestIcon(true));
    ASSERT_TRUE(svg.has_value());
    EXPECT_NE(svg->find("viewBox=\"0 0 64 64\""), std::string::npos);

    // Darkest first: the ink is the whole silhouette beneath the others.
    const std::pair<const char*, std::array<double, 4>> layers[] = {
        {"#202030", {8, 4, 56, 40}}, {"#90D0FF", {12, 8, 52, 36}}, {"#FFD040", {20, 12, 28, 20}}};
    const std::regex element(
        R"re(<path fill="(#[0-9A-F]{6})" fill-rule="evenodd" d="([^"]*)"/>)re");
    auto it = std::sregex_iterator(svg->begin(), svg->end(), element);
    for (const auto& [fill, expected] : layers) {
        SCOPED_TRACE(fill);
        ASSERT_NE(it, std::sregex_iterator());
        EXPECT_EQ((*it)[1], fill);
        const std::array<double, 4> bounds = PathBounds((*it)[2]);
        for (size_t side = 0; side < 4; ++side) EXPECT_NEAR(bounds[side], expected[side], 1.0);
        ++it;
    }
    EXPECT_EQ(it, std::sregex_iterator()) << "one path per colour";
}

}  // namespace
