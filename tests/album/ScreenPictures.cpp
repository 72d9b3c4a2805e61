#include "tests/album/ScreenPictures.h"

#include <algorithm>
#include <filesystem>

#include "io/FileManager.h"
#include "tests/gfx/PictureBytes.h"
#include "tests/support/ScreenPixels.h"

COLORREF TileColour(int32_t picture, int32_t tile) {
    const auto p = static_cast<uint32_t>(picture);
    const auto t = static_cast<uint32_t>(tile);
    return (p * 29 + 11) % 251 | ((t * 47 + 3) % 251) << 8 | ((p + t * 7) % 251) << 16;
}

void WriteTiledPicture(const TiledBitmapInfo& info, int32_t picture) {
    int32_t width = 1;
    int32_t height = 1;
    for (int32_t t = 0; t < info.tileCount; ++t) {
        width = std::max(width, info.tiles[t].x + info.tiles[t].width);
        height = std::max(height, info.tiles[t].y + info.tiles[t].height);
    }
    const auto colour = [&info, picture](LONG x, LONG y) {
        for (int32_t t = info.tileCount - 1; t >= 0; --t) {
            const TileRect& r = info.tiles[t];
            if (x >= r.x && x < r.x + r.width && y >= r.y && y < r.y + r.height)
                return TileColour(picture, t);
        }
        return COLORREF{0};
    };
    std::string path;
    CFileManager().MakeFullPath(path, info.fileName);
    std::replace(path.begin(), path.end(), '\\', '/');
    std::filesystem::create_directories(std::filesystem::path(path).parent_path());
    WriteBytes(path, Picture24(width, height, colour));
}

COLORREF ScreenColour(LONG x, LONG y) {
    return SurfaceColour(ScreenPixels().Pixel(x, y));
}
