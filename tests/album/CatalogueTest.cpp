#include <gtest/gtest.h>

#include <set>
#include <span>
#include <string>
#include <tuple>
#include <vector>

#include "album/StickerOverPosition.h"
#include "catalogue/ButtonLayout.h"
#include "catalogue/DataFiles.h"
#include "catalogue/PageGeometry.h"
#include "catalogue/PageTable.h"
#include "catalogue/StickerHomePositions.h"
#include "catalogue/TileTables.h"

namespace {

bool Overlap(const ButtonRow& a, const ButtonRow& b) {
    return a.x < b.x + b.width && b.x < a.x + a.width && a.y < b.y + b.height &&
           b.y < a.y + a.height;
}

}  // namespace

// The first and last stickers, both ends of a sheet and stickers whose homes lie off the
// page's left edge, found by their buttons' commands, with their file names.
TEST(StickerCatalogueTest, TellingStickersHaveTheirNamesAndHomes) {
    const struct {
        int32_t sheetCommand, stickerCommand, index;
        std::vector<int32_t> home;  // page number, x, y
        std::string fileTail;       // sheet and sticker
    } rows[] = {{1007, 1015, 0, {22, 536, 439}, "0101.dat"},
                {1007, 1042, 27, {19, 296, 488}, "0128.dat"},
                {1008, 1015, 28, {4, 47, 384}, "0201.dat"},
                {1008, 1017, 30, {1, -15, 26}, "0203.dat"},
                {1010, 1015, 84, {2, 594, 199}, "0401.dat"},
                {1010, 1042, 111, {14, 721, 377}, "0428.dat"},
                {1013, 1041, 194, {3, -10, 76}, "0727.dat"},
                {1014, 1042, NUMBEROFSTICKERGRAPHICS - 1, {5, 597, 76}, "0828.dat"}};
    for (const auto& row : rows) {
        const int32_t index = StickerIndexFromCommands(row.sheetCommand, row.stickerCommand);
        EXPECT_EQ(index, row.index) << row.sheetCommand << " " << row.stickerCommand;
        const StickerHome& home = StickerHomePositions.at(static_cast<size_t>(index));
        EXPECT_EQ((std::vector{home.pageNumber, home.x, home.y}), row.home) << index;
        EXPECT_EQ(StickerButtonFiles.at(static_cast<size_t>(index)), "\\data003\\b" + row.fileTail);
        EXPECT_EQ(StickerPictureFiles.at(static_cast<size_t>(index)),
                  "\\data003\\s" + row.fileTail);
    }
    EXPECT_EQ(StickerIndex(7, 27), 194);
    EXPECT_EQ(std::string(SheetButtonFiles[0]), "\\data003\\b0004.dat");
    EXPECT_EQ(std::string(SheetButtonFiles[7]), "\\data003\\b0011.dat");
}

// The pictures the start-up check finds, with the counter's two, are every picture of the
// album, each under its own name in the data folder (the save files are the page table's).
TEST(StickerCatalogueTest, StartUpCheckCoversEveryPictureItCannotDoWithoutAndNamesAreUnique) {
    const std::vector<const char*> checked = DataFilesToCheck();
    std::set<std::string> names(checked.begin(), checked.end());
    EXPECT_EQ(checked.size(), 224u + 25u + 6u + 8u + 224u + 7u);
    EXPECT_EQ(std::string(checked.front()), "\\data003\\s0101.dat");
    EXPECT_EQ(std::string(checked[224]), PageBackgroundFiles[0]);
    EXPECT_EQ(std::string(checked[224 + 24]), PageBackgroundFiles[24]) << "every page's background";
    EXPECT_EQ(std::string(checked.back()), kStartButtonFile);
    EXPECT_FALSE(names.contains(PageSaveFiles[0]));
    names.insert({kStickersLeftCaptionFile, kStickersLeftNumberFile});
    EXPECT_EQ(names.size(), checked.size() + 2) << "no two pictures share a name";
    for (const std::string& name : names)
        EXPECT_TRUE(name.starts_with("\\data003\\") && name.ends_with(".dat")) << name;
}

TEST(StickerCatalogueTest, EveryHomeIsOnAPageOfTheBookAndCatchableOnIt) {
    std::set<int32_t> pagesWithStickers;
    for (int32_t index = 0; index < NUMBEROFSTICKERGRAPHICS; ++index) {
        const StickerHome& home = StickerHomePositions.at(static_cast<size_t>(index));
        const int32_t page = StickerOverPosition::GetStickerPageIndex(index);
        ASSERT_TRUE(page >= 0 && page < kNumberOfPages) << index;
        EXPECT_EQ(kAlbumPages[static_cast<size_t>(page)].pageNumber, home.pageNumber) << index;
        pagesWithStickers.insert(page);
        // A sticker sticks within 19 pixels of its home, so every home must lie
        // less than 20 pixels outside the page.
        EXPECT_TRUE(home.x > -20 && home.x < kPageWidth && home.y > -20 && home.y < kPageHeight)
            << index;
    }
    for (int32_t notASticker : {-1, NUMBEROFSTICKERGRAPHICS})
        EXPECT_EQ(StickerOverPosition::GetStickerPageIndex(notASticker), kNoPageIndex);
    EXPECT_EQ(pagesWithStickers.size(), kAlbumPages.size()) << "every page is home to stickers";
}

TEST(PageTableTest, EveryPageIsNamedByItsNumberAndLabelledByItsIndex) {
    ASSERT_EQ(kAlbumPages.size(), 25u);
    for (int32_t i = 0; i < 25; ++i) {
        SCOPED_TRACE(i);
        const std::string nn = std::string(i + 1 < 10 ? "0" : "") + std::to_string(i + 1);
        const AlbumPage& page = kAlbumPages[static_cast<size_t>(i)];
        EXPECT_EQ(page.pageIndex, i);
        EXPECT_EQ(page.pageNumber, i + 1);
        EXPECT_EQ(page.backgroundFile, "\\data003\\p00" + nn + ".dat");
        EXPECT_EQ(page.saveFile, "\\save003\\page" + nn + ".sav");
        EXPECT_EQ(page.labelTile, i) << "the label strip's tile k reads Page k + 1";
        EXPECT_STREQ(PageBackgroundFiles[static_cast<size_t>(i)], page.backgroundFile);
        EXPECT_STREQ(PageSaveFiles[static_cast<size_t>(i)], page.saveFile);
        EXPECT_EQ(PageIndexOfPageNumber(i + 1), i);
    }
    EXPECT_STREQ(PageSaveFiles[kAlbumPages.size()], "\\save003\\page00.sav") << "the record";
    for (int32_t withoutPage : {0, 26, -1})
        EXPECT_EQ(PageIndexOfPageNumber(withoutPage), kNoPageIndex) << withoutPage;
}

TEST(TileTableTest, NumberStripShowsEachCountOnItsOwnFaceAndEveryTileLiesInItsPicture) {
    const auto& tiles = StickersLeftNumberTiles;
    const TileRect top{0, 0, 30, 24};
    for (size_t hidden : {0u, 1u, 9u, 99u, 223u, 224u}) EXPECT_EQ(tiles[hidden], top) << hidden;
    EXPECT_EQ(tiles[222], (TileRect{0, 24, 30, 24}));
    EXPECT_EQ(tiles[100], (TileRect{0, 2952, 30, 24}));
    EXPECT_EQ(tiles[2], (TileRect{0, 219 * 24, 30, 24})) << "2 is the bottom face";
    std::set<int32_t> faces;
    for (int32_t count = 2; count <= 223; ++count)
        if (count != 9 && count != 99) faces.insert(tiles[static_cast<size_t>(count)].y / 24);
    EXPECT_EQ(faces.size(), 220u) << "no two drawn counts share a face";
    EXPECT_EQ(*faces.rbegin(), 219);
    // Every tile lies inside its picture (width, height).
    FillStartButtonInfo();
    FillPlayingButtonInfos();
    std::vector<std::tuple<const TiledBitmapInfo&, int32_t, int32_t>> pictures = {
        {StartButtonInfo, 124, 100},
        {CommandButtonInfos[0], 128, 100},
        {CommandButtonInfos[2], 190, 68},
        {kTitlePictureInfo, 460, 468},
        {kTitleBackgroundInfo, 460, 468},
        {kTopBottomBarsInfo, kScreenWidth, 2 * kPageTop},
        {kLeftRightBarsInfo, 2 * kPageLeft, kPageHeight},
        {kPageLabelsInfo, 196, 26 * 40},
        {kStickersLeftCaptionInfo, 190, 5 * 24},
        {kStickersLeftNumberInfo, 30, 220 * 24}};
    for (size_t i : {1u, 3u, 4u, 5u}) pictures.emplace_back(CommandButtonInfos[i], 64, 120);
    for (const TiledBitmapInfo& sheet : SheetButtonInfos) pictures.emplace_back(sheet, 60, 130);
    for (const TiledBitmapInfo& sticker : StickerButtonInfos)
        pictures.emplace_back(sticker, 300, 60);
    for (const auto& [info, width, height] : pictures) {
        ASSERT_NE(info.tiles, nullptr) << info.fileName;
        for (const TileRect& tile : std::span(info.tiles, static_cast<size_t>(info.tileCount)))
            EXPECT_TRUE(tile.x >= 0 && tile.y >= 0 && tile.width >= 0 && tile.height >= 0 &&
                        tile.x + tile.width <= width && tile.y + tile.height <= height)
                << info.fileName << " tile " << &tile - info.tiles;
    }
    EXPECT_EQ(kPageLabelsInfo.tiles[kEmptyPageLabelTile], (TileRect{0, 0, 0, 0}));
    EXPECT_EQ(kPageLabelsInfo.tiles[0], (TileRect{0, 40, 196, 40}));
}

TEST(ButtonLayoutTest, ButtonsAreInIdOrderOnScreenAndClearOfEachOtherAndThePage) {
    std::vector<ButtonRow> rows(CommandButtonRows.begin(), CommandButtonRows.end());
    rows.insert(rows.end(), SheetButtonRows.begin(), SheetButtonRows.end());
    rows.insert(rows.end(), StickerButtonRows.begin(), StickerButtonRows.end());
    const ButtonRow page{0, 0, kPageLeft, kPageTop, kPageWidth, kPageHeight};
    for (size_t i = 0; i < rows.size(); ++i) {
        const ButtonRow& row = rows[i];
        EXPECT_EQ(row.id, IDM_QUIT + static_cast<int32_t>(i));
        EXPECT_TRUE(row.x >= 0 && row.y >= 0 && row.x + row.width <= kScreenWidth &&
                    row.y + row.height <= kScreenHeight)
            << row.id;
        EXPECT_FALSE(Overlap(row, page)) << row.id;
        for (size_t j = i + 1; j < rows.size(); ++j)
            EXPECT_FALSE(Overlap(row, rows[j])) << row.id << " " << rows[j].id;
    }
    EXPECT_EQ(rows.back().id, IDM_STICKER28);
    EXPECT_EQ(StartButtonRows[0].id, IDM_START);
}
