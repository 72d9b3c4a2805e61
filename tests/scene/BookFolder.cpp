#include "tests/scene/BookFolder.h"

#include <algorithm>
#include <filesystem>

#include "catalogue/DataFiles.h"
#include "catalogue/PageTable.h"
#include "tests/gfx/PictureBytes.h"

BookFolder::BookFolder() {
    std::filesystem::create_directory(folder.Path() / "data003");
    for (const AlbumPage& page : kAlbumPages) {
        const SIZE size = PageSize(page.pageIndex);
        WriteBytes(HostPath(page.backgroundFile),
                   Picture24(size.cx, size.cy, [&page](LONG x, LONG y) {
                       return BackgroundColour(page.pageIndex, x, y);
                   }));
    }
    WriteBytes(HostPath(kPageCornersFile),
               Picture24(4 * kCornerSide, kCornerSide,
                         [](LONG x, LONG) { return CornerColour(x / kCornerSide); }));
    for (int32_t index = 0; index < NUMBEROFSTICKERGRAPHICS; ++index) {
        WriteBytes(HostPath(StickerPictureFiles[static_cast<size_t>(index)]),
                   Picture24(kStickerWidth, kStickerHeight,
                             [index](LONG, LONG) { return StickerColour(index); }));
    }
}

COLORREF BookFolder::StickerColour(int32_t stickerIndex) {
    return static_cast<COLORREF>(stickerIndex) | 0xC8u << 8 | 0x32u << 16;
}

COLORREF BookFolder::CornerColour(int32_t column) {
    return 0x10u | static_cast<COLORREF>(column) << 8 | 0x80u << 16;
}

COLORREF BookFolder::BackgroundColour(int32_t pageIndex, LONG x, LONG y) {
    return pageIndex == 0 ? PatternColour(x, y) : 0x404040;
}

std::string BookFolder::HostPath(const std::string& programPath) const {
    std::string relative = programPath.substr(1);
    std::replace(relative.begin(), relative.end(), '\\', '/');
    return folder / relative;
}

Bytes BookFolder::PageOf(const std::vector<StickerRecord>& records) {
    Bytes page = EmptyPage();
    for (const StickerRecord& record : records) {
        for (int32_t value : record) page = Concat({page, LongBytes(value)});
    }
    return page;
}
