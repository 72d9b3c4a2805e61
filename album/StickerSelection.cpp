#include "album/StickerSelection.h"

#include <cstddef>

#include "catalogue/ButtonLayout.h"
#include "platform/User.h"

bool StickerSelection::SetCurrentSheet(int32_t sheetCommand) {
    if (!IsSheetCommand(sheetCommand)) return false;
    m_currentSheet = sheetCommand;
    return true;
}

bool StickerSelection::SetStkrBtnPressed(int32_t stickerCommand) {
    if (stickerCommand != kNoButton && !IsStickerCommand(stickerCommand)) return false;
    m_stickerButtonPressed = stickerCommand;
    return true;
}

void StickerSelection::ReleaseStickerButton() {
    if (m_stickerButtonPressed != kNoButton) {
        const HWND button =
            StickerButtonRows[static_cast<size_t>(m_stickerButtonPressed - IDM_STICKER1)].window;
        if (button != nullptr) SendMessageA(button, BM_SETSTATE, TRUE, 0);
    }
    m_stickerButtonPressed = kNoButton;
}
