#include "catalogue/TileTables.h"

#include <cstddef>

namespace {

template <size_t N>
constexpr TiledBitmapInfo InfoFor(const std::array<TileRect, N>& tiles, const char* fileName) {
    return {static_cast<int32_t>(N), tiles.data(), fileName};
}

// Tile k of a strip of `count` tiles of one size stacked from the top, with the
// first tile `skipped` tiles down.
template <size_t N>
constexpr std::array<TileRect, N> Column(int32_t width, int32_t height, int32_t skipped) {
    std::array<TileRect, N> tiles{};
    for (size_t k = 0; k < N; ++k) {
        tiles[k] = {0, height * (static_cast<int32_t>(k) + skipped), width, height};
    }
    return tiles;
}

constexpr std::array<TileRect, kNumberOfPageLabels + 1> PageLabelColumn() {
    auto tiles = Column<kNumberOfPageLabels + 1>(196, 40, 1);
    tiles[static_cast<size_t>(kEmptyPageLabelTile)] = {0, 0, 0, 0};
    return tiles;
}

// The number picture is a column of the faces 223 (at the top) down to 2, without 9
// and 99: the counter shows those counts, like 0, 1 and 224, with a caption alone, so
// their entries hold the top face and are never drawn.
constexpr int32_t NumberFaceRow(int32_t stickersLeft) {
    if (stickersLeft >= 2 && stickersLeft <= 8) return 221 - stickersLeft;
    if (stickersLeft >= 10 && stickersLeft <= 98) return 222 - stickersLeft;
    if (stickersLeft >= 100 && stickersLeft <= 222) return 223 - stickersLeft;
    return 0;
}

constexpr std::array<TileRect, NUMBEROFSTICKERGRAPHICS + 1> NumberFaceColumn() {
    std::array<TileRect, NUMBEROFSTICKERGRAPHICS + 1> tiles{};
    for (size_t v = 0; v < tiles.size(); ++v) {
        tiles[v] = {0, 24 * NumberFaceRow(static_cast<int32_t>(v)), 30, 24};
    }
    return tiles;
}

// The command buttons' tile arrays, in the order of CommandButtonFiles.
constexpr std::array<const std::array<TileRect, 2>*, kNumberOfCommandButtons> kCommandTiles = {
    &kQuitButtonTiles,       &kPrintAboutButtonTiles, &kClearAllButtonTiles,
    &kPrintAboutButtonTiles, &kPageTurnButtonTiles,   &kPageTurnButtonTiles};

template <size_t N, size_t M>
void Fill(std::array<TiledBitmapInfo, N>& infos, const std::array<TileRect, M>& tiles,
          const std::array<const char*, N>& files) {
    for (size_t i = 0; i < N; ++i) infos[i] = InfoFor(tiles, files[i]);
}

}  // namespace

constinit const std::array<TileRect, kNumberOfPageLabels + 1> PageLabelTiles = PageLabelColumn();
constinit const std::array<TileRect, 5> kStickersLeftCaptionTiles = Column<5>(190, 24, 0);
constinit const std::array<TileRect, NUMBEROFSTICKERGRAPHICS + 1> StickersLeftNumberTiles =
    NumberFaceColumn();

constinit TiledBitmapInfo StartButtonInfo{};
constinit std::array<TiledBitmapInfo, kNumberOfCommandButtons> CommandButtonInfos{};
constinit std::array<TiledBitmapInfo, kNumberOfSheets> SheetButtonInfos{};
constinit std::array<TiledBitmapInfo, NUMBEROFSTICKERGRAPHICS> StickerButtonInfos{};

constinit const TiledBitmapInfo kTitlePictureInfo = InfoFor(kTitlePictureTiles, kTitlePictureFile);
constinit const TiledBitmapInfo kTitleBackgroundInfo =
    InfoFor(kTitlePictureTiles, kTitleBackgroundFile);
constinit const TiledBitmapInfo kTopBottomBarsInfo =
    InfoFor(kTopBottomBarTiles, kTopBottomBarsFile);
constinit const TiledBitmapInfo kLeftRightBarsInfo =
    InfoFor(kLeftRightBarTiles, kLeftRightBarsFile);
constinit const TiledBitmapInfo kPageLabelsInfo = InfoFor(PageLabelTiles, kPageLabelsFile);
constinit const TiledBitmapInfo kStickersLeftNumberInfo =
    InfoFor(StickersLeftNumberTiles, kStickersLeftNumberFile);
constinit const TiledBitmapInfo kStickersLeftCaptionInfo =
    InfoFor(kStickersLeftCaptionTiles, kStickersLeftCaptionFile);

void FillStartButtonInfo() {
    StartButtonInfo = InfoFor(kStartButtonTiles, kStartButtonFile);
}

void FillPlayingButtonInfos() {
    for (size_t i = 0; i < CommandButtonInfos.size(); ++i) {
        CommandButtonInfos[i] = InfoFor(*kCommandTiles[i], CommandButtonFiles[i]);
    }
    Fill(SheetButtonInfos, kSheetButtonTiles, SheetButtonFiles);
    Fill(StickerButtonInfos, kStickerButtonTiles, StickerButtonFiles);
}
