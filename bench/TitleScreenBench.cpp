// Drawing the title screen: the background tile laid at every 8-pixel step (12,288
// overlapping blits of a 460 x 468 tile, the screen's definition) against the same pixels
// from its repeating 8 x 8 block. Goal: the title screen in under 2 ms.

#include <benchmark/benchmark.h>

#include <cstring>
#include <filesystem>
#include <fstream>
#include <vector>

#include "album/ScreenDrawings.h"
#include "catalogue/TileTables.h"
#include "gfx/PictureFormat.h"
#include "io/FileManager.h"
#include "platform/gdi/DeviceContext.h"

namespace {

constexpr LONG kTileWidth = 460;
constexpr LONG kTileHeight = 468;

// A 24-bit picture file of the album's layout with a colourful pattern.
void WritePicture(const std::filesystem::path& path, LONG width, LONG height) {
    const uint32_t stride = DibStride(width, 24);
    const uint32_t imageSize = stride * static_cast<uint32_t>(height);
    std::vector<uint8_t> bytes(kPicturePixelOffset);
    PictureFileHeader{.fileSize = kPicturePixelOffset + imageSize}.Store(bytes.data());
    const BITMAPINFOHEADER header{kInfoHeaderSize, width, height, 1, 24, BI_RGB,
                                  imageSize,       0,     0,      0, 0};
    StoreInfoHeader(header, bytes.data() + kFileHeaderSize);
    for (LONG row = 0; row < height; ++row) {
        std::vector<uint8_t> line(stride, 0);
        for (LONG x = 0; x < width; ++x) {
            const auto pixel = static_cast<size_t>(x) * 3;
            line[pixel] = static_cast<uint8_t>(x * 5 + row);
            line[pixel + 1] = static_cast<uint8_t>(row * 3);
            line[pixel + 2] = static_cast<uint8_t>(x ^ row);
        }
        bytes.insert(bytes.end(), line.begin(), line.end());
    }
    std::ofstream(path, std::ios::binary)
        .write(reinterpret_cast<const char*>(bytes.data()),
               static_cast<std::streamsize>(bytes.size()));
}

// The title pictures at their real size, in a scratch album folder.
class TitlePictures {
public:
    TitlePictures() : m_folder(std::filesystem::temp_directory_path() / "quillory_title_bench") {
        std::filesystem::create_directories(m_folder / "data003");
        WritePicture(m_folder / "data003" / "m0001.dat", kTileWidth, kTileHeight);
        WritePicture(m_folder / "data003" / "m0005.dat", kTileWidth, kTileHeight);
        const auto previous = std::filesystem::current_path();
        std::filesystem::current_path(m_folder);
        CFileManager::SetBaseDirectoryFromCurrent();
        std::filesystem::current_path(previous);
        background.SetTiledInfo(&kTitleBackgroundInfo);
        title.SetTiledInfo(&kTitlePictureInfo);
        background.Load(nullptr);
        title.Load(nullptr);
    }
    ~TitlePictures() { std::filesystem::remove_all(m_folder); }

    TiledBitmap background;
    TiledBitmap title;

private:
    std::filesystem::path m_folder;
};

template <void (*Draw)(HDC, const TiledBitmap&, const TiledBitmap&)>
void BM_TitleScreen(benchmark::State& state) {
    TitlePictures pictures;
    Surface screen(kScreenWidth, kScreenHeight);
    HDC dc = CreateSurfaceDC(&screen, POINT{0, 0}, screen.Bounds());
    for (auto _ : state) {
        Draw(dc, pictures.background, pictures.title);
        benchmark::DoNotOptimize(screen.Pixel(0, 0));
    }
    ReleaseSurfaceDC(dc);
}

BENCHMARK(BM_TitleScreen<DrawTitleScreen>)
    ->Name("TitleScreen/RepeatedBlock")
    ->Unit(benchmark::kMillisecond);
BENCHMARK(BM_TitleScreen<DrawTitleScreenTileByTile>)
    ->Name("TitleScreen/TileByTile")
    ->Unit(benchmark::kMillisecond)
    ->Iterations(1);

}  // namespace
