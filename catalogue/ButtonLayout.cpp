#include "catalogue/ButtonLayout.h"

#include <cstddef>

namespace {

constexpr int32_t kSheetWidth = 60;
constexpr int32_t kSheetHeight = 65;
constexpr int32_t kSlotSize = 60;
// Sticker slots are 65 pixels apart along each side of the page.
constexpr int32_t kSlotPitch = 65;
constexpr int32_t kLeftColumnX = 15;
constexpr int32_t kRightColumnX = 949;
constexpr int32_t kTopSlotY = 109;
constexpr int32_t kBottomSlotY = 629;
constexpr int32_t kBottomRowY = 694;

constexpr int32_t kLeftSlots = 9;
constexpr std::array<int32_t, 10> kBottomSlotXs = {15, 80, 145, 210, 275, 689, 754, 819, 884, 949};

constexpr std::array<ButtonRow, kNumberOfSheets> SheetRows() {
    constexpr std::array<int32_t, kNumberOfSheets> kSheetXs = {150, 215, 280, 345,
                                                               619, 684, 749, 814};
    std::array<ButtonRow, kNumberOfSheets> rows{};
    for (size_t i = 0; i < rows.size(); ++i) {
        rows[i] = {kEdgeTop,    IDM_SHEET1 + static_cast<int32_t>(i), kSheetXs[i], 9, kSheetWidth,
                   kSheetHeight};
    }
    return rows;
}

constexpr ButtonRow Slot(int32_t id, int32_t edge, int32_t x, int32_t y) {
    return {edge, id, x, y, kSlotSize, kSlotSize};
}

constexpr std::array<ButtonRow, kStickersPerSheet> StickerRows() {
    std::array<ButtonRow, kStickersPerSheet> rows{};
    size_t slot = 0;
    int32_t id = IDM_STICKER1;
    for (int32_t i = 0; i < kLeftSlots; ++i) {
        rows[slot++] = Slot(id++, kEdgeLeft, kLeftColumnX, kTopSlotY + kSlotPitch * i);
    }
    for (const int32_t x : kBottomSlotXs) rows[slot++] = Slot(id++, kEdgeBottom, x, kBottomRowY);
    for (int32_t i = 0; slot < rows.size(); ++i) {
        rows[slot++] = Slot(id++, kEdgeRight, kRightColumnX, kBottomSlotY - kSlotPitch * i);
    }
    return rows;
}

}  // namespace

constinit const std::array<ButtonRow, 1> StartButtonRows = {
    {{kEdgeTop, IDM_START, 450, 538, 124, 50}}};

constinit const std::array<ButtonRow, kNumberOfCommandButtons> CommandButtonRows = {{
    {kEdgeTop, IDM_QUIT, 13, 20, 128, 50},
    {kEdgeTop, IDM_PRINT, 885, 15, 64, 60},
    {kEdgeTop, IDM_CLEARALL, 417, 11, 190, 34},
    {kEdgeTop, IDM_INFO, 951, 15, 64, 60},
    {kEdgeBottom, IDM_PREVPAGE, 350, 694, 64, 60},
    {kEdgeBottom, IDM_NEXTPAGE, 609, 694, 64, 60},
}};

constinit const std::array<ButtonRow, kNumberOfSheets> SheetButtonRows = SheetRows();

constinit const std::array<ButtonRow, kStickersPerSheet> StickerButtonRows = StickerRows();
