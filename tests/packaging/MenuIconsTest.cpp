// The menu icons: every size keeps the see-through surround see-through without
// colour bleeding into the edge, the PNG keeps its alpha, and the traced scalable
// icon draws each colour where the pixel icon has it; the Windows icon file lists
// each size with a PNG picture of that size.

#include <gtest/gtest.h>
#include <png.h>

#include <array>
#include <cmath>
#include <cstdlib>
#include <regex>
#include <string>
#include <vector>

#include "packaging/IconIco.h"
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

uint32_t LittleEndian(const std::vector<uint8_t>& bytes, size_t at, size_t count) {
    uint32_t value = 0;
    for (size_t i = 0; i < count; ++i) value |= static_cast<uint32_t>(bytes.at(at + i)) << (8 * i);
    return value;
}

// A PNG picture in memory read back as 0xAARRGGBB pixels.
CursorImage DecodedPng(const uint8_t* bytes, size_t size) {
    png_image image{};
    image.version = PNG_IMAGE_VERSION;
    CursorImage picture{0, 0, POINT{0, 0}, {}};
    if (png_image_begin_read_from_memory(&image, bytes, size) != 0) {
        image.format = PNG_FORMAT_BGRA;
        picture.width = static_cast<LONG>(image.width);
        picture.height = static_cast<LONG>(image.height);
        picture.pixels.resize(static_cast<size_t>(image.width) * image.height);
        png_image_finish_read(&image, nullptr, picture.pixels.data(), 0, nullptr);
    }
    png_image_free(&image);
    return picture;
}

TEST(MenuIcons, WindowsIconFileListsEachSizeWithItsPngPicture) {
    const CursorImage icon = TestIcon(false);
    const LONG sizes[] = {16, 48, 256};
    const std::optional<std::vector<uint8_t>> ico = IconIco::Encode(icon, sizes);
    ASSERT_TRUE(ico.has_value());
    ASSERT_EQ(LittleEndian(*ico, 0, 2), 0u);
    ASSERT_EQ(LittleEndian(*ico, 2, 2), 1u) << "an icon, not a cursor";
    ASSERT_EQ(LittleEndian(*ico, 4, 2), 3u);

    size_t expectedOffset = 6 + 16 * 3;
    for (size_t i = 0; i < 3; ++i) {
        SCOPED_TRACE(sizes[i]);
        const size_t entry = 6 + 16 * i;
        const uint32_t side = sizes[i] == 256 ? 0 : static_cast<uint32_t>(sizes[i]);
        EXPECT_EQ(LittleEndian(*ico, entry, 1), side) << "width";
        EXPECT_EQ(LittleEndian(*ico, entry + 1, 1), side) << "height";
        EXPECT_EQ(LittleEndian(*ico, entry + 6, 2), 32u) << "bits per pixel";
        const uint32_t length = LittleEndian(*ico, entry + 8, 4);
        const uint32_t offset = LittleEndian(*ico, entry + 12, 4);
        ASSERT_EQ(offset, expectedOffset) << "pictures follow the directory, one after another";
        ASSERT_LE(offset + length, ico->size());
        expectedOffset += length;

        const CursorImage picture = DecodedPng(ico->data() + offset, length);
        ASSERT_EQ(picture.width, sizes[i]);
        ASSERT_EQ(picture.height, sizes[i]);
        EXPECT_EQ(picture.pixels, IconSizes::Resampled(icon, sizes[i]).pixels);
    }
    EXPECT_EQ(expectedOffset, ico->size()) << "nothing after the last picture";

    for (const LONG outOfRange : {0, 257}) {
        const LONG one[] = {outOfRange};
        EXPECT_FALSE(IconIco::Encode(icon, one).has_value()) << outOfRange;
    }
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
