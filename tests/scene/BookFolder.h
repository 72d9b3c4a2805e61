#pragma once
// A fresh base directory with its save folder and small stand-ins for the pictures
// the page document reads: the page backgrounds, the page corners and a picture for
// every sticker.

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "platform/kernel/WinTypes.h"
#include "tests/album/AlbumFiles.h"
#include "tests/gfx/PictureBytes.h"

class BookFolder : public AlbumFolder {
public:
    static constexpr LONG kStickerWidth = 10;
    static constexpr LONG kStickerHeight = 8;
    static constexpr LONG kCornerSide = 8;
    // A size of its own for every page, so that a test can tell the pages apart.
    static constexpr SIZE PageSize(int32_t pageIndex) { return {64 - pageIndex, 48 - pageIndex}; }

    BookFolder();

    // A colour of its own for every sticker, and for every corner frame.
    static COLORREF StickerColour(int32_t stickerIndex) {
        return static_cast<COLORREF>(stickerIndex) | 0xC8u << 8 | 0x32u << 16;
    }
    static COLORREF CornerColour(int32_t column) {
        return 0x10u | static_cast<COLORREF>(column) << 8 | 0x80u << 16;
    }
    static COLORREF BackgroundColour(int32_t pageIndex, LONG x, LONG y) {
        return pageIndex == 0 ? PatternColour(x, y) : 0x404040;
    }

    // The host path of a program path ("\data003\s0101.dat").
    std::string HostPath(const std::string& programPath) const {
        return folder / ToHostPath(programPath.substr(1));
    }

    // One page file record: sprite index, x, y, priority, flipped.
    using StickerRecord = std::array<int32_t, 5>;
    static Bytes PageOf(const std::vector<StickerRecord>& records);
};
