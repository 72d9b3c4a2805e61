#pragma once
// How the book's 224 sticker graphics are numbered. The index of a sticker selects its
// button picture, its sprite picture, its home, its entry in the used-sticker record
// and the sprite index that page files store.

#include <cstdint>

#include "catalogue/CommandIds.h"

constexpr int32_t kNumberOfSheets = 8;
constexpr int32_t kStickersPerSheet = 28;
// The first sticker of sheet 1, and the number of sticker graphics: a valid index i
// satisfies STICKER01_01 <= i < NUMBEROFSTICKERGRAPHICS.
constexpr int32_t STICKER01_01 = 0;
constexpr int32_t NUMBEROFSTICKERGRAPHICS = kNumberOfSheets * kStickersPerSheet;

// sheet 1 to 8, sticker 1 to 28.
constexpr int32_t StickerIndex(int32_t sheet, int32_t sticker) {
    return (sheet - 1) * kStickersPerSheet + (sticker - 1);
}

// The sticker picked by sticker button `stickerCommand` while sheet button
// `sheetCommand` is the current sheet.
constexpr int32_t StickerIndexFromCommands(int32_t sheetCommand, int32_t stickerCommand) {
    return (sheetCommand - IDM_SHEET1) * kStickersPerSheet + (stickerCommand - IDM_STICKER1);
}

constexpr bool IsStickerIndex(int32_t index) {
    return index >= STICKER01_01 && index < NUMBEROFSTICKERGRAPHICS;
}
