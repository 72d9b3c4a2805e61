#pragma once
// The tile layout of every tiled picture of the album, and the descriptor of each
// picture. The button descriptors are filled in by the screens just before their
// pictures are loaded; the others are complete from program start.

#include <array>
#include <cstdint>

#include "catalogue/DataFiles.h"
#include "catalogue/PageGeometry.h"
#include "catalogue/TiledBitmapInfo.h"

// Two faces (up, pressed) stacked one above the other.
constexpr std::array<TileRect, 2> StackedFaces(int32_t width, int32_t height) {
    return {{{0, 0, width, height}, {0, height, width, height}}};
}

inline constexpr std::array<TileRect, 2> kStartButtonTiles = StackedFaces(124, 50);
inline constexpr std::array<TileRect, 2> kQuitButtonTiles = StackedFaces(128, 50);
// Print and About share one array.
inline constexpr std::array<TileRect, 2> kPrintAboutButtonTiles = StackedFaces(64, 60);
inline constexpr std::array<TileRect, 2> kClearAllButtonTiles = StackedFaces(190, 34);
// The page-turn buttons have faces of Print's size but an array of their own.
inline constexpr std::array<TileRect, 2> kPageTurnButtonTiles = StackedFaces(64, 60);
inline constexpr std::array<TileRect, 2> kSheetButtonTiles = StackedFaces(60, 65);
// A sticker button's five faces, side by side.
inline constexpr std::array<TileRect, 5> kStickerButtonTiles = {
    {{0, 0, 60, 60}, {60, 0, 60, 60}, {120, 0, 60, 60}, {180, 0, 60, 60}, {240, 0, 60, 60}}};
inline constexpr std::array<TileRect, 1> kTitlePictureTiles = {{{0, 0, 460, 468}}};
// The frame's bars: above and below the page across the screen, and beside the page.
inline constexpr std::array<TileRect, 2> kTopBottomBarTiles = StackedFaces(kScreenWidth, kPageTop);
inline constexpr std::array<TileRect, 2> kLeftRightBarTiles = {
    {{0, 0, kPageLeft, kPageHeight}, {kPageLeft, 0, kPageLeft, kPageHeight}}};

constexpr int32_t kNumberOfPageLabels = 25;
constexpr int32_t kEmptyPageLabelTile = kNumberOfPageLabels;
extern const std::array<TileRect, kNumberOfPageLabels + 1> PageLabelTiles;
extern const std::array<TileRect, 5> kStickersLeftCaptionTiles;
// By count of stickers left, 0 to 224.
extern const std::array<TileRect, NUMBEROFSTICKERGRAPHICS + 1> StickersLeftNumberTiles;

// Filled in by the screens (FillStartButtonInfo, FillPlayingButtonInfos).
extern TiledBitmapInfo StartButtonInfo;
extern std::array<TiledBitmapInfo, kNumberOfCommandButtons> CommandButtonInfos;
extern std::array<TiledBitmapInfo, kNumberOfSheets> SheetButtonInfos;
extern std::array<TiledBitmapInfo, NUMBEROFSTICKERGRAPHICS> StickerButtonInfos;

extern const TiledBitmapInfo kTitlePictureInfo;
extern const TiledBitmapInfo kTitleBackgroundInfo;
extern const TiledBitmapInfo kTopBottomBarsInfo;
extern const TiledBitmapInfo kLeftRightBarsInfo;
extern const TiledBitmapInfo kPageLabelsInfo;
extern const TiledBitmapInfo kStickersLeftNumberInfo;
extern const TiledBitmapInfo kStickersLeftCaptionInfo;

// The title screen's start button, each time the button is created.
void FillStartButtonInfo();
// The command, sheet and sticker buttons of the playing screen, once at start-up.
void FillPlayingButtonInfos();
