// Tells the browser test of the web album where to click and what to look for, from the
// album's own tables and pictures, as JSON on standard output: the title's heading and
// its start button, the stickers-left counter at four counts, three stickers of the first
// page with their sheet button, their button, their home and their picture as it lies
// there, the next-page button with the second and third pages' label, picture as it lies
// there and the address of the picture's file on the site, and the Quit button and the
// ending screen. Run in the album folder. Pictures are given as flat lists of x, y, red,
// green, blue, over their opaque pixels, every `step`th pixel each way.

#include <algorithm>
#include <cstdlib>
#include <iostream>
#include <string>
#include <string_view>

#include "catalogue/ButtonLayout.h"
#include "catalogue/CommandIds.h"
#include "catalogue/DataFiles.h"
#include "catalogue/PageGeometry.h"
#include "catalogue/PageTable.h"
#include "catalogue/StickerHomePositions.h"
#include "catalogue/TileTables.h"
#include "gfx/DIB.h"
#include "io/FileManager.h"
#include "platform/gdi/DeviceContext.h"

namespace {

// `tile` of `file`, placed with its top-left at `left`, `top`; only what lies within
// `clip` when one is given. Magenta is see-through.
std::string Picture(const char* file, const TileRect& tile, LONG step, LONG left = 0, LONG top = 0,
                    const RECT* clip = nullptr) {
    CDIB picture(1, 1);
    if (!picture.Load(file)) {
        std::cerr << "cannot read " << file << "\n";
        std::exit(1);
    }
    std::string pixels;
    for (LONG y = 0; y < tile.height; y += step) {
        for (LONG x = 0; x < tile.width; x += step) {
            COLORREF colour = 0;
            if (!picture.GetPixel(tile.x + x, tile.y + y, colour) || colour == 0xFF00FF) continue;
            if (clip && !PtInRect(clip, POINT{left + x, top + y})) continue;
            for (const LONG value : {left + x, top + y, static_cast<LONG>(colour & 0xFF),
                                     static_cast<LONG>((colour >> 8) & 0xFF),
                                     static_cast<LONG>((colour >> 16) & 0xFF)})
                pixels += (pixels.empty() ? "" : ",") + std::to_string(value);
        }
    }
    return "[" + pixels + "]";
}

std::string Point(LONG x, LONG y) {
    return "[" + std::to_string(x) + "," + std::to_string(y) + "]";
}

std::string Centre(const ButtonRow& row) {
    return Point(row.x + row.width / 2, row.y + row.height / 2);
}

std::string Sticker(int32_t index) {
    const auto at = static_cast<size_t>(index);
    const StickerHome& home = StickerHomePositions[at];
    CDIB picture(1, 1);
    picture.Load(StickerPictureFiles[at]);
    const TileRect whole{0, 0, picture.GetWidth(), picture.GetHeight()};
    // The page window shows only the part of a sticker that lies on the page.
    const RECT page{kPageLeft, kPageTop, kPageRight, kPageBottom};
    return "{\"index\":" + std::to_string(index) +
           ",\"sheetButton\":" + Centre(SheetButtonRows[at / kStickersPerSheet]) +
           ",\"button\":" + Centre(StickerButtonRows[at % kStickersPerSheet]) + ",\"home\":" +
           Point(kPageLeft + home.x + whole.width / 2, kPageTop + home.y + whole.height / 2) +
           ",\"picture\":" +
           Picture(StickerPictureFiles[at], whole, 2, kPageLeft + home.x, kPageTop + home.y,
                   &page) +
           "}";
}

// A content file's name on the site, without its extension: "data003/p0002".
std::string SiteName(std::string_view file) {
    std::string name(file.substr(1, file.rfind('.') - 1));
    std::ranges::replace(name, '\\', '/');
    return name;
}

std::string Page(size_t index) {
    const AlbumPage& page = kAlbumPages[index];
    CDIB background(1, 1);
    background.Load(page.backgroundFile);
    const TileRect whole{0, 0, background.GetWidth(), background.GetHeight()};
    return "{\"nextButton\":" + Centre(CommandButtonRows[IDM_NEXTPAGE - IDM_QUIT]) + ",\"label\":" +
           Picture(kPageLabelsFile, PageLabelTiles[static_cast<size_t>(page.labelTile)], 1,
                   kPageIndicatorLeft, kPageIndicatorTop) +
           ",\"picture\":" + Picture(page.backgroundFile, whole, 16, kPageLeft, kPageTop) +
           ",\"file\":\"" + SiteName(page.backgroundFile) + "\"}";
}

}  // namespace

int main() {
    // The ending screen is one of the program's own pictures, read from the build before
    // the album folder becomes the base of every path.
    const std::string ending =
        Picture(QUILLORY_ENDING_PICTURE, TileRect{0, 0, kScreenWidth, kScreenHeight}, 16);
    CFileManager::SetBaseDirectoryFromCurrent();
    // The heading of the title picture: the start button covers part of the rest.
    const TileRect heading{0, 0, kTitlePictureTiles[0].width, 180};
    // A full book's count is in the counter's caption; others have a number picture.
    const int32_t full = NUMBEROFSTICKERGRAPHICS;
    std::cout << "{\"title\":" << Picture(kTitlePictureFile, heading, 3)
              << ",\"startButton\":" << Centre(StartButtonRows[0]) << ",\"counters\":{\"" << full
              << "\":" << Picture(kStickersLeftCaptionFile, kStickersLeftCaptionTiles[0], 1);
    for (const int32_t left : {full - 1, full - 2, full - 3}) {
        std::cout << ",\"" << left << "\":"
                  << Picture(kStickersLeftNumberFile,
                             StickersLeftNumberTiles[static_cast<size_t>(left)], 1);
    }
    std::cout << "},\"stickers\":[";
    const int32_t firstPage = kAlbumPages[0].pageNumber;
    int32_t found = 0;
    for (int32_t sticker = 0; sticker < NUMBEROFSTICKERGRAPHICS && found < 3; ++sticker) {
        if (StickerHomePositions[static_cast<size_t>(sticker)].pageNumber != firstPage) continue;
        std::cout << (found++ == 0 ? "" : ",") << Sticker(sticker);
    }
    std::cout << "],\"secondPage\":" << Page(1) << ",\"thirdPage\":" << Page(2)
              << ",\"quitButton\":" << Centre(CommandButtonRows[IDM_QUIT - IDM_QUIT])
              << ",\"ending\":" << ending << "}\n";
    return found == 3 ? 0 : 1;
}
