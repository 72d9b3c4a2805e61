#pragma once
// Where every button of the two screens sits, in the main window's client area.

#include <array>
#include <cstdint>

#include "catalogue/DataFiles.h"

// The side of the screen a button lies along; kept for reference, nothing reads it.
enum ButtonEdge : int32_t { kEdgeTop = 0, kEdgeBottom = 1, kEdgeLeft = 2, kEdgeRight = 3 };

struct ButtonRow {
    int32_t edge;
    // Command identifier, also the control id of the window.
    int32_t id;
    int32_t x;
    int32_t y;
    int32_t width;
    int32_t height;
};

// The title screen's start button.
extern const std::array<ButtonRow, 1> StartButtonRows;
// IDM_QUIT to IDM_NEXTPAGE, in id order.
extern const std::array<ButtonRow, kNumberOfCommandButtons> CommandButtonRows;
// IDM_SHEET1 to IDM_SHEET8.
extern const std::array<ButtonRow, kNumberOfSheets> SheetButtonRows;
// IDM_STICKER1 to IDM_STICKER28: down the left of the page, along the bottom, and up
// the right.
extern const std::array<ButtonRow, kStickersPerSheet> StickerButtonRows;
