#include "album/StickerSelection.h"

#include "album/ButtonSet.h"
#include "platform/user/User.h"

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
        const HWND button = StickerButtonWindow(m_stickerButtonPressed);
        if (button != nullptr) SendMessageA(button, BM_SETSTATE, TRUE, 0);
    }
    m_stickerButtonPressed = kNoButton;
}

HWND StickerSelection::StickerButtonWindow(int32_t stickerCommand) const {
    return m_stickerButtons.GetWindow(stickerCommand - IDM_STICKER1);
}
