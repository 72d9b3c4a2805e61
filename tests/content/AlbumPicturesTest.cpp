#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <map>
#include <span>
#include <string>
#include <vector>

#include "catalogue/DataFiles.h"
#include "catalogue/PageGeometry.h"
#include "catalogue/PageTable.h"
#include "catalogue/StickerHomePositions.h"
#include "catalogue/TileTables.h"
#include "gfx/DIB.h"
#include "gfx/DIBSection.h"
#include "io/FileManager.h"
#include "tests/content/PictureBytes.h"
#include "tests/content/RunGenerator.h"
#include "tests/support/Files.h"
#include "tests/support/TempDirectory.h"

namespace {

struct Size {
    int32_t width, height;
    friend bool operator==(const Size&, const Size&) = default;
};

constexpr Size PAGE = {kPageWidth, kPageHeight};
constexpr Size CORNERS = {32, 8};

Size Extent(std::span<const TileRect> tiles) {
    Size size{0, 0};
    for (const TileRect& tile : tiles) {
        size.width = std::max(size.width, tile.x + tile.width);
        size.height = std::max(size.height, tile.y + tile.height);
    }
    return size;
}

std::string PathIn(const std::string& folder, const char* catalogueName) {
    std::string path = folder + catalogueName;
    std::replace(path.begin(), path.end(), '\\', '/');
    return path;
}

// Every picture file read once for the whole suite: the build wrote them, the tests
// only look.
PictureView Picture(const char* catalogueName) {
    static std::map<std::string, Bytes> pictures;
    const auto [found, added] = pictures.try_emplace(catalogueName);
    if (added) found->second = ReadBytes(PathIn(QUILLORY_ALBUM_DIR, catalogueName));
    return PictureView{found->second};
}

// What every size is, by file: each tiled picture's descriptor, as the screens fill
// them in, decides; the pages and corners are the page window and four 8 × 8 frames.
std::vector<std::pair<const char*, Size>> ExpectedSizes() {
    FillStartButtonInfo();
    FillPlayingButtonInfos();
    std::vector<std::pair<const char*, Size>> sizes;
    const auto add = [&](const TiledBitmapInfo& info) {
        sizes.emplace_back(info.fileName,
                           Extent({info.tiles, static_cast<size_t>(info.tileCount)}));
    };
    add(StartButtonInfo);
    for (const TiledBitmapInfo* info :
         {&kTitlePictureInfo, &kTitleBackgroundInfo, &kTopBottomBarsInfo, &kLeftRightBarsInfo,
          &kPageLabelsInfo, &kStickersLeftNumberInfo, &kStickersLeftCaptionInfo})
        add(*info);
    for (const TiledBitmapInfo& info : CommandButtonInfos) add(info);
    for (const TiledBitmapInfo& info : SheetButtonInfos) add(info);
    for (const TiledBitmapInfo& info : StickerButtonInfos) add(info);
    for (const char* file : PageBackgroundFiles) sizes.emplace_back(file, PAGE);
    sizes.emplace_back(kPageCornersFile, CORNERS);
    return sizes;
}

// Magenta pixels that no path of magenta joins to the picture's edge: see-through
// holes inside the drawing, which the album would show as holes.
int32_t EnclosedMagenta(const PictureView& picture) {
    const int32_t width = picture.Width(), height = picture.Height();
    std::vector<uint8_t> reached(static_cast<size_t>(width * height), 0);
    std::vector<std::pair<int32_t, int32_t>> open;
    const auto visit = [&](int32_t x, int32_t y) {
        if (x < 0 || y < 0 || x >= width || y >= height) return;
        uint8_t& mark = reached[static_cast<size_t>(y * width + x)];
        if (mark == 0 && picture.Pixel(x, y) == MAGENTA) {
            mark = 1;
            open.emplace_back(x, y);
        }
    };
    int32_t magenta = 0;
    for (int32_t y = 0; y < height; ++y) {
        for (int32_t x = 0; x < width; ++x) {
            magenta += picture.Pixel(x, y) == MAGENTA;
            if (x == 0 || y == 0 || x == width - 1 || y == height - 1) visit(x, y);
        }
    }
    // Every magenta pixel reached from the edge is opened once.
    for (; !open.empty(); --magenta) {
        const auto [x, y] = open.back();
        open.pop_back();
        for (const auto& [dx, dy] :
             {std::pair{1, 0}, std::pair{-1, 0}, std::pair{0, 1}, std::pair{0, -1}})
            visit(x + dx, y + dy);
    }
    return magenta;
}

int32_t CountOf(const PictureView& picture, uint32_t colour) {
    int32_t count = 0;
    for (int32_t y = 0; y < picture.Height(); ++y) {
        for (int32_t x = 0; x < picture.Width(); ++x) count += picture.Pixel(x, y) == colour;
    }
    return count;
}

int32_t ColourDistance(uint32_t first, uint32_t second) {
    int32_t distance = 0;
    for (const int32_t shift : {0, 8, 16})
        distance += std::abs(static_cast<int32_t>((first >> shift) & 0xFF) -
                             static_cast<int32_t>((second >> shift) & 0xFF));
    return distance;
}

// Less than this, a child would not see the outline.
constexpr int32_t VISIBLE_DISTANCE = 30;

// A sticker's picture laid at its home on its page.
struct Home {
    const StickerHome& home;
    PictureView picture;

    explicit Home(size_t index)
        : home(StickerHomePositions[index]), picture(Picture(StickerPictureFiles[index])) {}

    bool OpaqueAt(int32_t pageX, int32_t pageY) const {
        const int32_t x = pageX - home.x, y = pageY - home.y;
        return x >= 0 && y >= 0 && x < picture.Width() && y < picture.Height() &&
               picture.Pixel(x, y) != MAGENTA;
    }
    // Visits the part of the picture on the page, in page coordinates; its area.
    template <typename Visit>
    int32_t ForEachPagePixel(Visit visit) const {
        const int32_t left = std::max(home.x, 0), top = std::max(home.y, 0);
        const int32_t right = std::min(home.x + picture.Width(), PAGE.width);
        const int32_t bottom = std::min(home.y + picture.Height(), PAGE.height);
        for (int32_t y = top; y < bottom; ++y) {
            for (int32_t x = left; x < right; ++x) visit(x, y);
        }
        return std::max(0, right - left) * std::max(0, bottom - top);
    }
};

}  // namespace

// Both of the program's picture readers take every data file, found the way the program
// finds them: from the album folder as the base directory.
TEST(AlbumPicturesTest, EveryDataFileIsAPictureOfTheFormatTheProgramReadsAndItsSize) {
    const std::filesystem::path previous = std::filesystem::current_path();
    std::filesystem::current_path(QUILLORY_ALBUM_DIR);
    CFileManager::SetBaseDirectoryFromCurrent();
    std::filesystem::current_path(previous);
    std::vector<const char*> names = DataFilesToCheck();
    names.insert(names.end(), {kStickersLeftCaptionFile, kStickersLeftNumberFile});
    for (const char* name : names) {
        SCOPED_TRACE(name);
        ExpectPictureHeader(name, Picture(name).bytes);
        CDIB picture(1, 1);
        EXPECT_TRUE(picture.Load(name));
        CFileManager file;
        ASSERT_NE(file.OpenForRead(name), nullptr);
        CDIBSection section;
        EXPECT_TRUE(section.ReadSection(file, nullptr));
        file.Close();
        EXPECT_EQ(section.GetWidth(), picture.GetWidth());
        EXPECT_EQ(section.GetHeight(), picture.GetHeight());
    }
    EXPECT_EQ(Extent(kStickerButtonTiles), (Size{300, 60}));
    EXPECT_EQ(Extent(kStartButtonTiles), (Size{124, 100}));
    EXPECT_EQ(Extent(PageLabelTiles), (Size{196, 1040}));
    EXPECT_EQ(Extent(StickersLeftNumberTiles), (Size{30, 5280}));
    for (const auto& [name, size] : ExpectedSizes()) {
        const PictureView picture = Picture(name);
        EXPECT_EQ((Size{picture.Width(), picture.Height()}), size) << name;
        EXPECT_EQ(CountOf(picture, MAGENTA) == 0, std::string(name) != kPageCornersFile)
            << name << ": only the corners are see-through";
    }
}

// Stickers hold magenta only around them, are real pictures (not specks, even a thin
// one like the banana), and mostly lie on their page even where a home is cut by its edge.
// Each home's outline shows on its page's background (most pixels under the sticker
// differ visibly from the page's scene alone) and no other sticker of the page covers it.
TEST(AlbumPicturesTest, StickersAreWholePicturesMostlyOnTheirPageOverUncoveredOutlines) {
    TempDirectory scenes;
    ASSERT_EQ(RunGenerator("--scenes '" + scenes.Path().string() + "'"), 0);
    std::vector<Home> homes;
    for (size_t index = 0; index < StickerHomePositions.size(); ++index) homes.emplace_back(index);
    for (size_t index = 0; index < homes.size(); ++index) {
        const Home& home = homes[index];
        const int32_t area = home.picture.Width() * home.picture.Height();
        SCOPED_TRACE(StickerPictureFiles[index]);
        EXPECT_EQ(EnclosedMagenta(home.picture), 0);
        EXPECT_GT(area - CountOf(home.picture, MAGENTA), area / 5);
        EXPECT_GE(std::min(home.picture.Width(), home.picture.Height()), 48) << "too small";
        EXPECT_GE(home.ForEachPagePixel([](int32_t, int32_t) {}) * 4, area * 3);
        const int32_t pageNumber = home.home.pageNumber;
        const AlbumPage& page = kAlbumPages[static_cast<size_t>(PageIndexOfPageNumber(pageNumber))];
        const PictureView background = Picture(page.backgroundFile);
        const Bytes sceneBytes = ReadBytes(PathIn(scenes.Path().string(), page.backgroundFile));
        const PictureView scene{sceneBytes};
        int32_t shown = 0, outlined = 0, covered = 0;
        home.ForEachPagePixel([&](int32_t x, int32_t y) {
            if (!home.OpaqueAt(x, y)) return;
            ++shown;
            outlined +=
                ColourDistance(background.Pixel(x, y), scene.Pixel(x, y)) >= VISIBLE_DISTANCE;
            for (const Home& other : homes)
                covered +=
                    &other != &home && other.home.pageNumber == pageNumber && other.OpaqueAt(x, y);
        });
        EXPECT_GE(outlined * 4, shown * 3) << "the outline shows on too few pixels";
        EXPECT_EQ(covered, 0) << "the outline is covered by a neighbour";
    }
}

TEST(AlbumPicturesTest, CornersAreSeeThroughInsideTheirCurveAndTheTitleBackgroundRepeats) {
    const PictureView corners = Picture(kPageCornersFile);
    // Frame k's outermost pixel (toward the page's corner) and innermost one.
    const int32_t outer[4][2] = {{0, 0}, {7, 0}, {0, 7}, {7, 7}};
    for (int32_t frame = 0; frame < 4; ++frame) {
        const int32_t left = frame * 8;
        const int32_t* corner = outer[frame];
        EXPECT_NE(corners.Pixel(left + corner[0], corner[1]), MAGENTA) << "frame " << frame;
        EXPECT_EQ(corners.Pixel(left + 7 - corner[0], 7 - corner[1]), MAGENTA) << "frame " << frame;
    }
    EXPECT_EQ(EnclosedMagenta(corners), 0);
    // The title background is its top-left block repeated.
    const PictureView background = Picture(kTitleBackgroundFile);
    for (int32_t y = 0; y < background.Height(); ++y) {
        for (int32_t x = 0; x < background.Width(); ++x)
            ASSERT_EQ(background.Pixel(x, y), background.Pixel(x % 8, y % 8)) << x << "," << y;
    }
}

// A number face laid over its caption must meet it without a seam: the face's edge
// pixels are the caption's pixels beneath them.
TEST(AlbumPicturesTest, CounterNumbersMeetTheirCaptionsWithoutASeam) {
    const PictureView captions = Picture(kStickersLeftCaptionFile);
    const PictureView numbers = Picture(kStickersLeftNumberFile);
    struct Range {
        int32_t from, to;
        size_t caption;
        int32_t offset;
    };
    for (const Range& range : {Range{100, 223, 0, 23}, Range{10, 98, 1, 19}, Range{2, 8, 2, 16}}) {
        const TileRect& caption = kStickersLeftCaptionTiles[range.caption];
        for (int32_t left = range.from; left <= range.to; ++left) {
            const TileRect& face = StickersLeftNumberTiles[static_cast<size_t>(left)];
            for (int32_t y = 0; y < face.height; ++y) {
                for (int32_t x = 0; x < face.width; ++x) {
                    if (x > 0 && y > 0 && x < face.width - 1 && y < face.height - 1) continue;
                    ASSERT_EQ(numbers.Pixel(face.x + x, face.y + y),
                              captions.Pixel(caption.x + range.offset + x, caption.y + y))
                        << left << " stickers left, at " << x << "," << y;
                }
            }
        }
    }
}
