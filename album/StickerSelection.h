#pragma once
// The book's selection: the sheet whose stickers the sticker buttons show, the sticker
// button that started the current pick, and whether the left button is held down inside
// a sheet button. The playing screen draws the buttons from it; the page view reads and
// ends the pick.

#include <cstdint>

#include "catalogue/CommandIds.h"
#include "platform/user/UserTypes.h"

class ButtonSet;

// "No button" for the current sticker button and the focused sheet button.
constexpr int32_t kNoButton = 65535;

class StickerSelection {
public:
    // The sticker button windows are those of `stickerButtons`.
    explicit StickerSelection(const ButtonSet& stickerButtons) : m_stickerButtons(stickerButtons) {}

    int32_t GetCurrentSheet() const { return m_currentSheet; }
    // A sheet command, IDM_SHEET1 to IDM_SHEET8; anything else is refused.
    bool SetCurrentSheet(int32_t sheetCommand);
    int32_t GetSheetPressed() const { return m_sheetPressed; }
    void SetSheetPressed(int32_t pressed) { m_sheetPressed = pressed; }
    int32_t GetStkrBtnPressed() const { return m_stickerButtonPressed; }
    // A sticker command, IDM_STICKER1 to IDM_STICKER28, or kNoButton; anything else is refused.
    bool SetStkrBtnPressed(int32_t stickerCommand);
    // Lets the current sticker button redraw itself and forgets it.
    void ReleaseStickerButton();
    // The window of the sticker button `stickerCommand`, or null.
    HWND StickerButtonWindow(int32_t stickerCommand) const;

    static constexpr bool IsSheetCommand(int32_t id) {
        return id >= IDM_SHEET1 && id <= IDM_SHEET8;
    }
    static constexpr bool IsStickerCommand(int32_t id) {
        return id >= IDM_STICKER1 && id <= IDM_STICKER28;
    }

private:
    const ButtonSet& m_stickerButtons;
    int32_t m_currentSheet = IDM_SHEET1;
    int32_t m_sheetPressed = 0;
    int32_t m_stickerButtonPressed = kNoButton;
};
