#pragma once
// Small album pictures for the screen and button tests, written under data003 of the
// current base directory: each tile is one colour, so that a pixel on screen tells
// which tile was drawn there.

#include <algorithm>
#include <cstdint>
#include <filesystem>
#include <span>

#include "catalogue/TiledBitmapInfo.h"
#include "io/FileManager.h"
#include "platform/kernel/Kernel.h"
#include "tests/gfx/PictureBytes.h"
#include "tests/support/ScreenPixels.h"

// The colour of tile `tile` of the picture numbered `picture`.
inline COLORREF TileColour(int32_t picture, int32_t tile) {
    const auto p = static_cast<uint32_t>(picture);
    const auto t = static_cast<uint32_t>(tile);
    return (p * 29 + 11) % 251 | ((t * 47 + 3) % 251) << 8 | ((p + t * 7) % 251) << 16;
}

// Writes the descriptor's file, as large as its tiles reach, each tile filled with
// TileColour(picture, tile).
inline void WriteTiledPicture(const TiledBitmapInfo& info, int32_t picture) {
    int32_t width = 1, height = 1;
    for (const TileRect& r : std::span(info.tiles, static_cast<size_t>(info.tileCount))) {
        width = std::max(width, r.x + r.width);
        height = std::max(height, r.y + r.height);
    }
    const auto colour = [&info, picture](LONG x, LONG y) {
        for (int32_t t = info.tileCount - 1; t >= 0; --t) {
            const TileRect& r = info.tiles[t];
            if (x >= r.x && x < r.x + r.width && y >= r.y && y < r.y + r.height)
                return TileColour(picture, t);
        }
        return COLORREF{0};
    };
    const std::filesystem::path path = ToHostPath(CFileManager::BaseDirectory() + info.fileName);
    std::filesystem::create_directories(path.parent_path());
    WriteBytes(path, Picture24(width, height, colour));
}

inline COLORREF ScreenColour(LONG x, LONG y) {
    return SurfaceColour(ScreenPixels().Pixel(x, y));
}
