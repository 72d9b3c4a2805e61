#pragma once
// The album's page view: the page view with the album's rules for picking a sticker
// from its button, judging the drop, sticking it (record, counter, sound) and letting
// the button go. It also tells the playing screen which page is on show and gives the
// printer the page. The shell gives it the one dialog it needs, the hint shown at the
// first pick.

#include <cstdint>
#include <functional>
#include <utility>

#include "album/PageOnShow.h"
#include "gfx/PrintablePage.h"
#include "scene/AnimView.h"

class StickerCounter;
class StickerSelection;
class StickersUsed;

class CAlbumView : public CAnimView, public PageOnShow, public PrintablePage {
public:
    // Shows the hint for the first sticker picked over the main window `mainWindow`.
    using Hint = std::function<void(HWND mainWindow)>;

    // The pick is read from and ended in `selection`; a stick marks `stickersUsed` and
    // redraws `counter`.
    CAlbumView(StickersUsed& stickersUsed, StickerSelection& selection, StickerCounter& counter);
    ~CAlbumView() override = default;

    // The hint of the first pick; without one no hint is shown and none is used up.
    void SetNewStickerHint(Hint showHint) { m_showHint = std::move(showHint); }

    // The sticker button `stickerCommand` was clicked: its sticker (of the current
    // sheet) hangs under the pointer over `pageWindow`, unless it is used already.
    void PickSticker(HWND mainWindow, HWND pageWindow, int32_t stickerCommand);

    // The drop: a sticker near its home sticks there for good, any other is thrown away.
    void OnLButtonDown(HWND window, WPARAM keys, LONG x, LONG y) override;
    void OnStickerStuck() override;

    int32_t GetCurrentPage() const override;
    void PaintPage() override;
    void GetBufferRect(RECT& out) const override { CAnimView::GetBufferRect(out); }
    void PrintPage(HDC printer, const RECT& dest) override {
        COffScreenBufferView::PrintPage(printer, dest);
    }

    // Saves the page on show (and any page kept in memory) and the used-sticker record.
    void SaveAlbum();

    // The page window the view paints into; null before the playing screen.
    void SetPageWindow(HWND pageWindow) { m_pageWindow = pageWindow; }

protected:
    void OnCarryAbandoned() override;

private:
    void StickCarriedSticker(HWND pageWindow);
    void ShowHintOnce(HWND mainWindow) const;
    // The sticker of `stickerCommand` on the current sheet.
    int32_t StickerOfButton(int32_t stickerCommand) const;

    StickersUsed& m_stickersUsed;
    StickerSelection& m_selection;
    StickerCounter& m_counter;
    HWND m_pageWindow = nullptr;
    Hint m_showHint;
};

// Tells the parent of each kind of failed save not told yet (SaveProblems).
void TellOfFailedSaves(HWND mainWindow);
