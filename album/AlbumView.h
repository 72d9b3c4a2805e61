#pragma once
// The album's page view: the page view with the album's rules for picking a sticker
// from its button, judging the drop, sticking it (record, counter, sound) and letting
// the button go. It also tells the playing screen which page is on show and gives the
// printer the page. It answers the child at once: a sticker put back glides to its
// button, which winks; a stick sparkles; a full page twinkles with a jingle, and a full
// book shows its screen. The shell gives it the dialogs it needs, the hint shown at the
// first pick and the full-book screen.

#include <cstdint>
#include <functional>
#include <utility>

#include "album/PageEffects.h"
#include "album/PageOnShow.h"
#include "gfx/PrintablePage.h"
#include "scene/AnimView.h"

class ButtonSet;
class StickerCounter;
class StickerSelection;
class StickersUsed;

class CAlbumView : public CAnimView, public PageOnShow, public PrintablePage {
public:
    // Shows a picture dialog over the main window `mainWindow`.
    using Dialog = std::function<void(HWND mainWindow)>;

    // The pick is read from and ended in `selection`; a stick marks `stickersUsed` and
    // redraws `counter`; a sticker put back winks its button in `stickerButtons`.
    CAlbumView(StickersUsed& stickersUsed, StickerSelection& selection, StickerCounter& counter,
               ButtonSet& stickerButtons);
    ~CAlbumView() override = default;

    // The hint of the first pick; without one no hint is shown and none is used up.
    void SetNewStickerHint(Dialog showHint) { m_showHint = std::move(showHint); }
    // The screen shown when the last sticker of the book sticks.
    void SetBookFullScreen(Dialog showScreen) { m_showBookFull = std::move(showScreen); }

    // The sticker button `stickerCommand` was clicked: its sticker (of the current
    // sheet) hangs under the pointer over `pageWindow`, unless it is used already.
    void PickSticker(HWND mainWindow, HWND pageWindow, int32_t stickerCommand);

    // The drop: a sticker near its home sticks there for good, any other is thrown away.
    void OnLButtonDown(HWND window, WPARAM keys, LONG x, LONG y) override;
    void OnStickerStuck() override;
    void OnTimer(HWND window, UINT_PTR id) override;
    // A new page drops the old page's stars.
    bool NewBackground(HWND window, const CDIB& background) override;
    const PageEffects& Effects() const { return m_effects; }

    int32_t GetCurrentPage() const override;
    void PaintPage() override;
    void GetBufferRect(RECT& out) const override { CAnimView::GetBufferRect(out); }
    // The page as it stands: what passes over it for a moment is not printed.
    void PrintPage(HDC printer, const RECT& dest) override;

    // Saves the page on show (and any page kept in memory) and the used-sticker record.
    void SaveAlbum();

    // The page window the view paints into; null before the playing screen.
    void SetPageWindow(HWND pageWindow) { m_pageWindow = pageWindow; }

protected:
    // The sticker glides back to its button with a soft boop; the button is let go at
    // once, so the next pick need not wait.
    void OnCarryAbandoned(HWND pageWindow, std::unique_ptr<CSprite> sticker) override;

private:
    void StickCarriedSticker(HWND pageWindow);
    // Sparkles around the stuck sticker at `area`; a full page or book is celebrated.
    void CelebrateStick(HWND pageWindow, int32_t stickerIndex, const RECT& area);
    // Whether every sticker whose home is on the page of `stickerIndex` is used.
    bool IsPageFull(int32_t stickerIndex) const;
    // The button `stickerCommand` of `sheet` lights up for a moment as its sticker comes
    // back, unless it shows another sticker now, or its sticker is picked or used again.
    void WinkButton(HWND pageWindow, int32_t stickerCommand, int32_t sheet);
    bool CanWink(int32_t stickerCommand, int32_t sheet) const;
    void DrawStickerButton(int32_t stickerCommand, int32_t state);
    void ShowHintOnce(HWND mainWindow) const;
    // The sticker of `stickerCommand` on the current sheet.
    int32_t StickerOfButton(int32_t stickerCommand) const;

    StickersUsed& m_stickersUsed;
    StickerSelection& m_selection;
    StickerCounter& m_counter;
    ButtonSet& m_stickerButtons;
    HWND m_pageWindow = nullptr;
    Dialog m_showHint;
    Dialog m_showBookFull;
    PageEffects m_effects{*this};
};

// Tells the parent of each kind of failed save not told yet (SaveProblems).
void TellOfFailedSaves(HWND mainWindow);
