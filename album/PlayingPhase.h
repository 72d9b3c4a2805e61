#pragma once
// The playing screen: the frame around the page with the page indicator and the
// stickers-left counter, and the command, sheet and sticker buttons drawn as the book's
// selection and the used-sticker record say, the keyboard's ring around the one it rings.

#include <cstdint>

#include "album/ButtonSets.h"
#include "album/GamePhase.h"
#include "album/PageOnShow.h"
#include "album/StickerSelection.h"
#include "gfx/TiledBitmap.h"

class FocusRing;
class StickerCounter;
class StickersUsed;

class PlayingPhase : public GamePhase {
public:
    PlayingPhase(ButtonSets& buttons, StickerSelection& selection, StickerCounter& counter,
                 const StickersUsed& stickersUsed, const FocusRing& ring);

    // Fills the button descriptors and loads every button picture, once at start-up, so
    // that a change of sheet never reads a file.
    void PrepareButtons(HWND window);
    // Whether every button picture can be read now without waiting for it to arrive.
    static bool ButtonPicturesAtHand();

    void Load(HWND window) override;
    // The frame, then the page.
    void Paint(HDC dc) override;
    void Start(HWND window) override;
    // Destroys the command, sheet and sticker buttons.
    void Stop() override;
    void DrawItem(const DRAWITEMSTRUCT* drawItem, int32_t id) override;
    int32_t DrawSticker(const DRAWITEMSTRUCT* drawItem, int32_t id, int32_t state) override;
    // Lets the current sticker button redraw itself and forgets it.
    void ReleaseStickerButton() override { m_selection.ReleaseStickerButton(); }

    // The bars around the page, the page indicator and the counter.
    void DrawPlayingFrame(HDC dc) const;
    void DrawPageIndicator(HDC dc) const;

    // The page on show; without one the indicator shows the first page and no page is
    // painted. Not owned.
    void SetPageOnShow(PageOnShow* page) { m_page = page; }

    int32_t GetFocusedSheet() const { return m_focusedSheet; }

private:
    void DrawCommandButton(const DRAWITEMSTRUCT& drawItem, int32_t id);
    void DrawSheetButton(const DRAWITEMSTRUCT& drawItem, int32_t id);
    // The state a sheet button is drawn in, or nothing drawn (-1).
    int32_t SheetButtonState(const DRAWITEMSTRUCT& drawItem, int32_t id);
    Ring RingOf(int32_t id) const;

    ButtonSets& m_buttons;
    StickerSelection& m_selection;
    StickerCounter& m_counter;
    const StickersUsed& m_stickersUsed;
    const FocusRing& m_ring;
    TiledBitmap m_frameStrips;
    TiledBitmap m_sideStrips;
    TiledBitmap m_pageIndicator;
    int32_t m_focusedSheet = kNoButton;
    PageOnShow* m_page = nullptr;
};
