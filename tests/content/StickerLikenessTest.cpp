// No two stickers may be one drawing: not a recoloured copy, not a mirror image, not
// the same outline at another size. A child tells stickers apart by their shapes; two
// with one shape and two homes make a right drop look wrong.

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cstdint>
#include <sstream>
#include <string>
#include <vector>

#include "catalogue/DataFiles.h"
#include "catalogue/StickerHomePositions.h"
#include "catalogue/StickerNumbering.h"
#include "tests/content/PictureBytes.h"
#include "tests/support/Files.h"

namespace {

// Each sticker is measured on a kGrid × kGrid grid laid over its picture's opaque
// part, scaled evenly by its longer side and centred, so that size and position on
// the sticker's picture do not count but proportions do.
constexpr int32_t kGrid = 48;

// A grid cell belongs to the silhouette when at least half of it is opaque, and to the
// line drawing when at least a quarter of it is the album's dark ink.
constexpr double kSilhouetteCover = 0.5;
constexpr double kInkCover = 0.25;
// Dark enough to be outline ink: the sum of red, green and blue below this.
constexpr uint32_t kInkBrightness = 3 * 90;

// Two stickers share a silhouette when their silhouettes' cells overlap by this much of
// their union (intersection over union). Different things drawn as plain discs still
// differ by a stalk, a handle or a fin by more than that.
constexpr double kSameSilhouette = 0.96;
// Two stickers share a line drawing when this share of each one's ink cells has ink of
// the other within one cell. A recoloured copy scores 1; two drawings of one kind of
// thing (two different aircraft) stay well under it.
constexpr double kSameLines = 0.88;

using Grid = std::array<bool, kGrid * kGrid>;

size_t Cell(int32_t x, int32_t y) {
    return static_cast<size_t>(y * kGrid + x);
}

struct Shape {
    Grid silhouette{};
    Grid ink{};
};

bool IsInk(uint32_t colour) {
    return (colour & 0xFF) + (colour >> 8 & 0xFF) + (colour >> 16 & 0xFF) < kInkBrightness;
}

Shape ShapeOf(const PictureView& picture) {
    int32_t left = picture.Width(), top = picture.Height(), right = -1, bottom = -1;
    for (int32_t y = 0; y < picture.Height(); ++y) {
        for (int32_t x = 0; x < picture.Width(); ++x) {
            if (picture.Pixel(x, y) == MAGENTA) continue;
            left = std::min(left, x), right = std::max(right, x);
            top = std::min(top, y), bottom = std::max(bottom, y);
        }
    }
    Shape shape;
    if (right < 0) return shape;
    const int32_t side = std::max(right - left, bottom - top) + 1;
    const int32_t originX = left - (side - (right - left + 1)) / 2;
    const int32_t originY = top - (side - (bottom - top + 1)) / 2;
    std::array<int32_t, kGrid * kGrid> opaque{}, ink{}, all{};
    for (int32_t y = 0; y < side; ++y) {
        for (int32_t x = 0; x < side; ++x) {
            const int32_t cellX = x * kGrid / side, cellY = y * kGrid / side;
            ++all[Cell(cellX, cellY)];
            const int32_t pictureX = originX + x, pictureY = originY + y;
            if (pictureX < 0 || pictureY < 0 || pictureX >= picture.Width() ||
                pictureY >= picture.Height()) {
                continue;
            }
            const uint32_t colour = picture.Pixel(pictureX, pictureY);
            if (colour == MAGENTA) continue;
            ++opaque[Cell(cellX, cellY)];
            ink[Cell(cellX, cellY)] += IsInk(colour);
        }
    }
    for (int32_t y = 0; y < kGrid; ++y) {
        for (int32_t x = 0; x < kGrid; ++x) {
            shape.silhouette[Cell(x, y)] = opaque[Cell(x, y)] >= kSilhouetteCover * all[Cell(x, y)];
            shape.ink[Cell(x, y)] = ink[Cell(x, y)] >= kInkCover * all[Cell(x, y)];
        }
    }
    return shape;
}

Grid Mirrored(const Grid& grid) {
    Grid mirrored;
    for (int32_t y = 0; y < kGrid; ++y) {
        for (int32_t x = 0; x < kGrid; ++x) mirrored[Cell(x, y)] = grid[Cell(kGrid - 1 - x, y)];
    }
    return mirrored;
}

double Overlap(const Grid& a, const Grid& b) {
    int32_t both = 0, either = 0;
    for (int32_t y = 0; y < kGrid; ++y) {
        for (int32_t x = 0; x < kGrid; ++x) {
            both += a[Cell(x, y)] && b[Cell(x, y)];
            either += a[Cell(x, y)] || b[Cell(x, y)];
        }
    }
    return either == 0 ? 1.0 : static_cast<double>(both) / either;
}

// The share of a's ink cells with ink of b in the 3 × 3 cells around them.
double InkNear(const Grid& a, const Grid& b) {
    int32_t cells = 0, near = 0;
    for (int32_t y = 0; y < kGrid; ++y) {
        for (int32_t x = 0; x < kGrid; ++x) {
            if (!a[Cell(x, y)]) continue;
            ++cells;
            bool found = false;
            for (int32_t dy = -1; dy <= 1 && !found; ++dy) {
                for (int32_t dx = -1; dx <= 1 && !found; ++dx) {
                    const int32_t nearX = x + dx, nearY = y + dy;
                    found = nearX >= 0 && nearY >= 0 && nearX < kGrid && nearY < kGrid &&
                            b[Cell(nearX, nearY)];
                }
            }
            near += found;
        }
    }
    return cells == 0 ? 1.0 : static_cast<double>(near) / cells;
}

double SameLines(const Grid& a, const Grid& b) {
    return std::min(InkNear(a, b), InkNear(b, a));
}

struct Likeness {
    double silhouette;
    double lines;
};

// How alike two shapes are, as drawn or with the second one mirrored.
Likeness LikenessOf(const Shape& a, const Shape& b) {
    return {std::max(Overlap(a.silhouette, b.silhouette),
                     Overlap(a.silhouette, Mirrored(b.silhouette))),
            std::max(SameLines(a.ink, b.ink), SameLines(a.ink, Mirrored(b.ink)))};
}

std::vector<Shape> AllShapes() {
    std::vector<Shape> shapes;
    for (const char* name : StickerPictureFiles) {
        std::string path = std::string(QUILLORY_ALBUM_DIR) + name;
        std::replace(path.begin(), path.end(), '\\', '/');
        const Bytes bytes = ReadBytes(path);
        shapes.push_back(ShapeOf(PictureView{bytes}));
    }
    return shapes;
}

TEST(StickerLikenessTest, TheMeasureTellsACopyFromADifferentDrawing) {
    Shape disc, ring, square;
    for (int32_t y = 0; y < kGrid; ++y) {
        for (int32_t x = 0; x < kGrid; ++x) {
            const int32_t dx = 2 * x - kGrid + 1, dy = 2 * y - kGrid + 1;
            const int32_t distance = dx * dx + dy * dy;
            disc.silhouette[Cell(x, y)] = distance <= kGrid * kGrid;
            disc.ink[Cell(x, y)] =
                distance <= kGrid * kGrid && distance >= (kGrid - 4) * (kGrid - 4);
            square.silhouette[Cell(x, y)] = true;
            square.ink[Cell(x, y)] = x == 0 || y == 0 || x == kGrid - 1 || y == kGrid - 1;
        }
    }
    Shape mirrored = disc;
    mirrored.silhouette[Cell(kGrid / 2 - 1, 0)] = mirrored.ink[Cell(kGrid / 2 - 1, 0)] = true;
    const Shape flipped{Mirrored(mirrored.silhouette), Mirrored(mirrored.ink)};
    EXPECT_GE(LikenessOf(mirrored, flipped).silhouette, 0.999);
    EXPECT_GE(LikenessOf(mirrored, flipped).lines, 0.999);
    EXPECT_LT(LikenessOf(disc, square).silhouette, kSameSilhouette);
    EXPECT_LT(LikenessOf(disc, square).lines, kSameLines);
}

TEST(StickerLikenessTest, NoTwoStickersShareASilhouetteOrALineDrawing) {
    const std::vector<Shape> shapes = AllShapes();
    std::ostringstream alike;
    int32_t pairs = 0;
    for (size_t a = 0; a < shapes.size(); ++a) {
        for (size_t b = a + 1; b < shapes.size(); ++b) {
            const Likeness likeness = LikenessOf(shapes[a], shapes[b]);
            if (likeness.silhouette < kSameSilhouette && likeness.lines < kSameLines) continue;
            ++pairs;
            alike << "\n  stickers " << a << " (page " << StickerHomePositions[a].pageNumber
                  << ") and " << b << " (page " << StickerHomePositions[b].pageNumber
                  << "): silhouette " << likeness.silhouette << ", lines " << likeness.lines;
        }
    }
    EXPECT_EQ(pairs, 0) << "stickers drawn alike:" << alike.str();
}

}  // namespace
