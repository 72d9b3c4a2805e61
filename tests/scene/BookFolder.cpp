#include "tests/scene/BookFolder.h"

#include <filesystem>

#include "catalogue/DataFiles.h"
#include "catalogue/PageTable.h"

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
    for (int32_t index = 0; index < NUMBEROFSTICKERGRAPHICS; ++index)
        WriteBytes(HostPath(StickerPictureFiles[static_cast<size_t>(index)]),
                   Picture24(kStickerWidth, kStickerHeight,
                             [index](LONG, LONG) { return StickerColour(index); }));
}

Bytes BookFolder::PageOf(const std::vector<StickerRecord>& records) {
    Bytes page = EmptyPage();
    for (const StickerRecord& record : records)
        for (int32_t value : record) page = Concat({page, LongBytes(value)});
    return page;
}
