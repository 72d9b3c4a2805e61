// The album folder the build generates: every data file the catalogue names, at the
// size its tile table needs, in the picture format the program reads; magenta only
// around stickers and corners; counter faces that meet their captions seamlessly.

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cstdint>
#include <cstdlib>
#include <map>
#include <span>
#include <string>
#include <vector>

#include "catalogue/DataFiles.h"
#include "catalogue/PageTable.h"
#include "catalogue/StickerHomePositions.h"
#include "catalogue/TileTables.h"
#include "tests/content/PictureBytes.h"
#include "tests/content/RunGenerator.h"
#include "tests/support/Files.h"
#include "tests/support/TempDirectory.h"

namespace {

struct Size {
    int32_t width;
    int32_t height;
    friend bool operator==(const Size&, const Size&) = default;
};

constexpr Size PAGE = {844, 588};
constexpr Size CORNERS = {32, 8};
constexpr int32_t CORNER = 8;

// The smallest picture that holds every tile of a table.
Size Extent(std::span<const TileRect> tiles) {
    Size size{0, 0};
    for (const TileRect& tile : tiles) {
        size.width = std::max(size.width, tile.x + tile.width);
        size.height = std::max(size.height, tile.y + tile.height);
    }
    return size;
}

Size Extent(const TiledBitmapInfo& info) {
    return Extent({info.tiles, static_cast<size_t>(info.tileCount)});
}

std::string PathIn(const std::string& folder, const char* catalogueName) {
    std::string path = folder + catalogueName;
    std::replace(path.begin(), path.end(), '\\', '/');
    return path;
}

std::string AlbumPath(const char* catalogueName) {
    return PathIn(QUILLORY_ALBUM_DIR, catalogueName);
}

// Every picture file read once for the whole suite: the build wrote them, the tests
// only look.
const Bytes& Picture(const char* catalogueName) {
    static std::map<std::string, Bytes> pictures;
    auto found = pictures.find(catalogueName);
    if (found == pictures.end()) {
        found = pictures.emplace(catalogueName, ReadBytes(AlbumPath(catalogueName))).first;
    }
    return found->second;
}

template <size_t N>
void AppendAll(std::vector<const TiledBitmapInfo*>& list,
               const std::array<TiledBitmapInfo, N>& infos) {
    for (const TiledBitmapInfo& info : infos) list.push_back(&info);
}

// What every size is, by file: each tiled picture's descriptor, as the screens fill
// them in, decides; the pages and corners are the page window and four 8 × 8 frames.
std::vector<std::pair<const char*, Size>> ExpectedSizes() {
    FillStartButtonInfo();
    FillPlayingButtonInfos();
    std::vector<const TiledBitmapInfo*> described = {
        &StartButtonInfo,         &kTitlePictureInfo,       &kTitleBackgroundInfo,
        &kTopBottomBarsInfo,      &kLeftRightBarsInfo,      &kPageLabelsInfo,
        &kStickersLeftNumberInfo, &kStickersLeftCaptionInfo};
    AppendAll(described, CommandButtonInfos);
    AppendAll(described, SheetButtonInfos);
    AppendAll(described, StickerButtonInfos);

    std::vector<std::pair<const char*, Size>> sizes;
    for (const TiledBitmapInfo* info : described) sizes.emplace_back(info->fileName, Extent(*info));
    for (const char* file : PageBackgroundFiles) sizes.emplace_back(file, PAGE);
    sizes.emplace_back(kPageCornersFile, CORNERS);
    return sizes;
}

// Magenta pixels that no path of magenta joins to the picture's edge: see-through
// holes inside the drawing, which the album would show as holes.
int32_t EnclosedMagenta(const PictureView& picture) {
    const int32_t width = picture.Width();
    const int32_t height = picture.Height();
    std::vector<uint8_t> reached(static_cast<size_t>(width * height), 0);
    std::vector<std::pair<int32_t, int32_t>> open;
    auto visit = [&](int32_t x, int32_t y) {
        if (x < 0 || y < 0 || x >= width || y >= height) return;
        uint8_t& mark = reached[static_cast<size_t>(y * width + x)];
        if (mark == 0 && picture.Pixel(x, y) == MAGENTA) {
            mark = 1;
            open.emplace_back(x, y);
        }
    };
    for (int32_t x = 0; x < width; ++x) {
        visit(x, 0);
        visit(x, height - 1);
    }
    for (int32_t y = 0; y < height; ++y) {
        visit(0, y);
        visit(width - 1, y);
    }
    while (!open.empty()) {
        const auto [x, y] = open.back();
        open.pop_back();
        visit(x + 1, y);
        visit(x - 1, y);
        visit(x, y + 1);
        visit(x, y - 1);
    }
    int32_t enclosed = 0;
    for (int32_t y = 0; y < height; ++y) {
        for (int32_t x = 0; x < width; ++x) {
            enclosed +=
                picture.Pixel(x, y) == MAGENTA && reached[static_cast<size_t>(y * width + x)] == 0;
        }
    }
    return enclosed;
}

// Counts pixels of one colour straight from the rows' bytes (blue, green, red): the
// whole album is scanned, so this stays a plain loop.
int32_t CountOf(const PictureView& picture, uint32_t colour) {
    const uint8_t blue = static_cast<uint8_t>(colour >> 16);
    const uint8_t green = static_cast<uint8_t>(colour >> 8);
    const uint8_t red = static_cast<uint8_t>(colour);
    const uint8_t* pixels = picture.bytes.data() + 54;
    int32_t count = 0;
    for (int32_t y = 0; y < picture.Height(); ++y) {
        const uint8_t* row = pixels + static_cast<size_t>(y) * picture.Stride();
        for (int32_t x = 0; x < picture.Width(); ++x) {
            const uint8_t* pixel = row + static_cast<size_t>(x) * 3;
            count += pixel[0] == blue && pixel[1] == green && pixel[2] == red;
        }
    }
    return count;
}

// How far apart two colours are: the sum of their channels' differences.
int32_t ColourDistance(uint32_t first, uint32_t second) {
    int32_t distance = 0;
    for (const int32_t shift : {0, 8, 16}) {
        distance += std::abs(static_cast<int32_t>((first >> shift) & 0xFF) -
                             static_cast<int32_t>((second >> shift) & 0xFF));
    }
    return distance;
}

// Less than this, a child would not see the outline.
constexpr int32_t VISIBLE_DISTANCE = 30;

struct PageArea {
    int32_t left;
    int32_t top;
    int32_t right;
    int32_t bottom;

    int32_t Size() const { return std::max(0, right - left) * std::max(0, bottom - top); }
};

// A sticker's picture laid at its home on its page.
struct Home {
    const StickerHome& home;
    PictureView picture;

    Home(size_t index, PictureView stickerPicture)
        : home(StickerHomePositions[index]), picture(stickerPicture) {}

    // The part of the picture on the page, in page coordinates.
    PageArea Visible() const {
        return {std::max(home.x, 0), std::max(home.y, 0),
                std::min(home.x + picture.Width(), PAGE.width),
                std::min(home.y + picture.Height(), PAGE.height)};
    }
    bool OpaqueAt(int32_t pageX, int32_t pageY) const {
        const int32_t x = pageX - home.x;
        const int32_t y = pageY - home.y;
        return x >= 0 && y >= 0 && x < picture.Width() && y < picture.Height() &&
               picture.Pixel(x, y) != MAGENTA;
    }
    template <typename Visit>
    void ForEachOpaquePagePixel(Visit visit) const {
        const PageArea area = Visible();
        for (int32_t y = area.top; y < area.bottom; ++y) {
            for (int32_t x = area.left; x < area.right; ++x) {
                if (OpaqueAt(x, y)) visit(x, y);
            }
        }
    }
};

}  // namespace

TEST(AlbumPicturesTest, EveryCheckedDataFileIsAPictureOfTheFormatTheProgramReads) {
    for (const char* name : DataFilesToCheck()) {
        ExpectPictureHeader(name, Picture(name));
    }
    ExpectPictureHeader(kStickersLeftCaptionFile, Picture(kStickersLeftCaptionFile));
    ExpectPictureHeader(kStickersLeftNumberFile, Picture(kStickersLeftNumberFile));
}

TEST(AlbumPicturesTest, EveryTiledPictureHasTheSizeItsTilesNeedAndOnlyCornersSeeThrough) {
    EXPECT_EQ(Extent(kStickerButtonTiles), (Size{300, 60}));
    EXPECT_EQ(Extent(kStartButtonTiles), (Size{124, 100}));
    EXPECT_EQ(Extent(PageLabelTiles), (Size{196, 1040}));
    EXPECT_EQ(Extent(StickersLeftNumberTiles), (Size{30, 5280}));
    for (const auto& [name, size] : ExpectedSizes()) {
        const PictureView picture{Picture(name)};
        EXPECT_EQ((Size{picture.Width(), picture.Height()}), size) << name;
        // Only the corners are see-through; every other picture is opaque.
        if (std::string(name) != kPageCornersFile) {
            EXPECT_EQ(CountOf(picture, MAGENTA), 0) << name;
        }
    }
}

TEST(AlbumPicturesTest, StickersHoldMagentaOnlyAroundThemAndLieMostlyOnTheirPage) {
    for (size_t index = 0; index < StickerPictureFiles.size(); ++index) {
        const char* name = StickerPictureFiles[index];
        const PictureView sticker{Picture(name)};
        const int32_t area = sticker.Width() * sticker.Height();
        EXPECT_EQ(EnclosedMagenta(sticker), 0) << name;
        // A real picture, not a speck, even for a thin one like the banana.
        EXPECT_GT(area - CountOf(sticker, MAGENTA), area / 5) << name;
        EXPECT_GE(std::min(sticker.Width(), sticker.Height()), 48) << name << ": too small to see";
        // A home near the edge is cut by it, but most of the sticker shows.
        const Home home{index, sticker};
        EXPECT_GE(home.Visible().Size() * 4, area * 3) << name;
    }
}

// Each home's outline shows on its page's background (most pixels under the sticker
// differ visibly from the page's scene alone) and no other sticker of the page covers it.
TEST(AlbumPicturesTest, EveryHomeShowsItsStickersOutlineUncovered) {
    TempDirectory scenes;
    ASSERT_EQ(RunGenerator("--scenes '" + scenes.Path().string() + "'"), 0);
    std::map<int32_t, Bytes> sceneOfPage;
    for (const AlbumPage& page : kAlbumPages) {
        sceneOfPage[page.pageNumber] =
            ReadBytes(PathIn(scenes.Path().string(), page.backgroundFile));
    }
    for (size_t index = 0; index < StickerHomePositions.size(); ++index) {
        const Home home{index, PictureView{Picture(StickerPictureFiles[index])}};
        const int32_t pageNumber = home.home.pageNumber;
        std::vector<Home> neighbours;
        for (size_t other = 0; other < StickerHomePositions.size(); ++other) {
            if (other != index && StickerHomePositions[other].pageNumber == pageNumber) {
                neighbours.emplace_back(other, PictureView{Picture(StickerPictureFiles[other])});
            }
        }
        const PictureView page{
            Picture(PageBackgroundFiles[static_cast<size_t>(PageIndexOfPageNumber(pageNumber))])};
        const PictureView scene{sceneOfPage.at(pageNumber)};
        int32_t shown = 0;
        int32_t outlined = 0;
        int32_t covered = 0;
        home.ForEachOpaquePagePixel([&](int32_t x, int32_t y) {
            ++shown;
            outlined += ColourDistance(page.Pixel(x, y), scene.Pixel(x, y)) >= VISIBLE_DISTANCE;
            for (const Home& neighbour : neighbours) covered += neighbour.OpaqueAt(x, y);
        });
        EXPECT_GE(outlined * 4, shown * 3) << "sticker " << index << ": outline shows on only "
                                           << outlined << " of " << shown << " pixels";
        EXPECT_EQ(covered, 0) << "sticker " << index << ": outline covered by a neighbour";
    }
}

TEST(AlbumPicturesTest, CornersAreRimOutsideTheirCurveAndSeeThroughInside) {
    const PictureView corners{Picture(kPageCornersFile)};
    // Frame k's outermost pixel (toward the page's corner) and innermost one.
    const int32_t outer[4][2] = {{0, 0}, {7, 0}, {0, 7}, {7, 7}};
    for (int32_t frame = 0; frame < 4; ++frame) {
        const int32_t left = frame * CORNER;
        const int32_t* corner = outer[frame];
        EXPECT_NE(corners.Pixel(left + corner[0], corner[1]), MAGENTA) << "frame " << frame;
        EXPECT_EQ(corners.Pixel(left + 7 - corner[0], 7 - corner[1]), MAGENTA) << "frame " << frame;
    }
    EXPECT_EQ(EnclosedMagenta(corners), 0);
}

// A number face laid over its caption must meet it without a seam: the face's edge
// pixels are the caption's pixels beneath them.
TEST(AlbumPicturesTest, CounterNumbersMeetTheirCaptionsWithoutASeam) {
    const PictureView captions{Picture(kStickersLeftCaptionFile)};
    const PictureView numbers{Picture(kStickersLeftNumberFile)};
    struct Range {
        int32_t from;
        int32_t to;
        size_t caption;
        int32_t offset;
    };
    for (const Range& range : {Range{100, 223, 0, 23}, Range{10, 98, 1, 19}, Range{2, 8, 2, 16}}) {
        const TileRect& caption = kStickersLeftCaptionTiles[range.caption];
        for (int32_t left = range.from; left <= range.to; ++left) {
            const TileRect& face = StickersLeftNumberTiles[static_cast<size_t>(left)];
            for (int32_t y = 0; y < face.height; ++y) {
                for (int32_t x = 0; x < face.width; ++x) {
                    const bool edge =
                        x == 0 || y == 0 || x == face.width - 1 || y == face.height - 1;
                    if (!edge) continue;
                    ASSERT_EQ(numbers.Pixel(face.x + x, face.y + y),
                              captions.Pixel(caption.x + range.offset + x, caption.y + y))
                        << left << " stickers left, at " << x << "," << y;
                }
            }
        }
    }
}

TEST(AlbumPicturesTest, TitleBackgroundIsItsTopLeftBlockRepeated) {
    const PictureView background{Picture(kTitleBackgroundFile)};
    for (int32_t y = 0; y < background.Height(); ++y) {
        for (int32_t x = 0; x < background.Width(); ++x) {
            ASSERT_EQ(background.Pixel(x, y), background.Pixel(x % 8, y % 8)) << x << "," << y;
        }
    }
}
