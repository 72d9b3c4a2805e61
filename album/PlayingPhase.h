#pragma once
// The playing screen: the frame around the page with the page indicator and the
// stickers-left counter, the command, sheet and sticker buttons, and the book's
// selection (the current sheet and the sticker button that started the current pick).

#include <cstdint>

#include "album/GamePhase.h"
#include "album/PageOnShow.h"
#include "catalogue/CommandIds.h"
#include "gfx/TiledBitmap.h"

class PlayingPhase : public GamePhase {
public:
    PlayingPhase();

    // Fills the button descriptors and loads every button picture, once at start-up, so
    // that a change of sheet never reads a file.
    void PrepareButtons(HWND window);

    void Load(HWND window) override;
    // The frame, then the page.
    void Paint(HDC dc) override;
    void Start(HWND window) override;
    void Stop() override {}
    void DrawItem(const DRAWITEMSTRUCT* drawItem, int32_t id) override;
    int32_t DrawSticker(const DRAWITEMSTRUCT* drawItem, int32_t id, int32_t state) override;
    // Lets the current sticker button redraw itself and forgets it.
    void ReleaseStickerButton() override;

    // The bars around the page, the page indicator and the counter.
    void DrawPlayingFrame(HDC dc) const;
    void DrawPageIndicator(HDC dc) const;
    void DrawStickerCounter(HDC dc) const;

    // The page on show; without one the indicator shows the first page and no page is
    // painted. Not owned.
    void SetPageOnShow(PageOnShow* page) { m_page = page; }

    int32_t GetCurrentSheet() const { return m_currentSheet; }
    // A sheet command, IDM_SHEET1 to IDM_SHEET8; anything else is refused.
    bool SetCurrentSheet(int32_t sheetCommand);
    int32_t GetFocusedSheet() const { return m_focusedSheet; }
    int32_t GetSheetPressed() const { return m_sheetPressed; }
    void SetSheetPressed(int32_t pressed) { m_sheetPressed = pressed; }
    int32_t GetStkrBtnPressed() const { return m_stickerButtonPressed; }
    // A sticker command, IDM_STICKER1 to IDM_STICKER28, or kNoButton; anything else is refused.
    bool SetStkrBtnPressed(int32_t stickerCommand);

private:
    void DrawCommandButton(const DRAWITEMSTRUCT& drawItem, int32_t id);
    void DrawSheetButton(const DRAWITEMSTRUCT& drawItem, int32_t id);
    // The state a sheet button is drawn in, or nothing drawn (-1).
    int32_t SheetButtonState(const DRAWITEMSTRUCT& drawItem, int32_t id);

    TiledBitmap m_frameStrips;
    TiledBitmap m_sideStrips;
    TiledBitmap m_pageIndicator;
    TiledBitmap m_counterDigits;
    TiledBitmap m_counterLabels;
    int32_t m_currentSheet = IDM_SHEET1;
    int32_t m_focusedSheet = kNoButton;
    int32_t m_sheetPressed = 0;
    int32_t m_stickerButtonPressed = kNoButton;
    PageOnShow* m_page = nullptr;
};

PlayingPhase& GetPlayingPhase();
