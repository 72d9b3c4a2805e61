#include "album/AlbumView.h"

#include <string>

#include "album/StickerCounter.h"
#include "album/StickerOverPosition.h"
#include "album/StickerSelection.h"
#include "album/StickersUsed.h"
#include "album/Validatable.h"
#include "catalogue/DataFiles.h"
#include "catalogue/StickerNumbering.h"
#include "diag/Log.h"
#include "io/Initialization.h"
#include "io/SaveProblems.h"
#include "platform/user/User.h"
#include "scene/AnimDoc.h"
#include "scene/ChildWindow.h"
#include "scene/Sprite.h"
#include "sound/SoundEffect.h"

namespace {

constexpr const char* kAssertModule = "AnimView";

}  // namespace

CAlbumView::CAlbumView(StickersUsed& stickersUsed, StickerSelection& selection,
                       StickerCounter& counter)
    : m_stickersUsed(stickersUsed), m_selection(selection), m_counter(counter) {}

int32_t CAlbumView::StickerOfButton(int32_t stickerCommand) const {
    return StickerIndexFromCommands(m_selection.GetCurrentSheet(), stickerCommand);
}

void CAlbumView::PickSticker(HWND mainWindow, HWND pageWindow, int32_t stickerCommand) {
    const int32_t stickerIndex = StickerOfButton(stickerCommand);
    if (m_stickersUsed.GetStickerUsed(stickerIndex) != SU_NOT_USED) return;

    const int32_t previous = m_selection.GetStkrBtnPressed();
    if (previous != kNoButton && previous != stickerCommand) {
        SendMessageA(m_selection.StickerButtonWindow(previous), BM_SETSTATE, TRUE, 0);
        WriteLog("Sticker2: Button pressed %i PlayingPhase.GetStkrBtnPressed() %i", stickerCommand,
                 previous);
    }
    m_selection.SetStkrBtnPressed(stickerCommand);
    SoundEffect peel(mainWindow, SoundEffect::kPeel);
    ShowHintOnce(mainWindow);

    POINT pointer{};
    GetCursorPos(&pointer);
    ScreenToClient(pageWindow, &pointer);
    CSprite* sprite = GetDocument()->AddSprite(
        StickerPictureFiles[static_cast<size_t>(stickerIndex)], stickerIndex, pointer);
    if (sprite == nullptr) {
        // Without its picture the sticker cannot be carried: its button is let go at
        // once rather than staying picked with nothing under the pointer.
        m_selection.ReleaseStickerButton();
        return;
    }
    BeginDrag(pageWindow, pointer.x, pointer.y, sprite);
    SetFocus(mainWindow);
}

void CAlbumView::ShowHintOnce(HWND mainWindow) const {
    if (CInitialization::ms_ShowNewStickerDialog == 0 || !m_showHint) return;
    m_showHint(mainWindow);
    CInitialization::ms_ShowNewStickerDialog = 0;
    CInitialization().WriteInitialization();
}

void CAlbumView::OnLButtonDown(HWND window, WPARAM, LONG, LONG) {
    StickerOverPosition stickerPosition(this, GetDocument());
    QASSERT_VALID(&stickerPosition);
    if (IsDragging() && stickerPosition.IsOverPosition()) {
        StickCarriedSticker(window);
        return;
    }
    if (AbandonCarry(window)) return;
    // A click with nothing carried still brings the arrow and lets the button go.
    Cursors().SetKind(CCursorSet::kArrow);
    m_selection.ReleaseStickerButton();
}

// A stick is on disk before the next input is handled: first the page with the sticker
// on it, then the record. A crash between the two leaves a sticker on its page that the
// record does not know, which the next start-up marks used.
void CAlbumView::StickCarriedSticker(HWND pageWindow) {
    EndDrag(pageWindow);
    const HWND mainWindow = GetParent(pageWindow);
    SoundEffect stick(mainWindow, SoundEffect::kStick);
    GetDocument()->SavePage();
    m_stickersUsed.SetStickerUsed(StickerOfButton(m_selection.GetStkrBtnPressed()));
    HDC dc = GetDC(mainWindow);
    m_counter.Draw(dc);
    ReleaseDC(mainWindow, dc);
    Update(pageWindow);
    PostMessageA(pageWindow, UM_STICKER_STUCK, 0, 0);
}

void CAlbumView::SaveAlbum() {
    // The session may end while the main window is still being made (its start-up
    // message open): no page and no record have been read then, and writing them would
    // put empty ones over the child's.
    if (GetDocument() == nullptr) return;
    GetDocument()->SavePage();
    m_stickersUsed.WriteStickersUsed();
}

void TellOfFailedSaves(HWND mainWindow) {
    for (const std::string& notice : SaveProblems::TakeNotices())
        MessageBoxA(mainWindow, notice.c_str(), "Quillory 3", MB_OK | MB_ICONEXCLAMATION);
}

void CAlbumView::OnStickerStuck() {
    m_selection.ReleaseStickerButton();
}

void CAlbumView::OnCarryAbandoned() {
    m_selection.ReleaseStickerButton();
}

int32_t CAlbumView::GetCurrentPage() const {
    const CAnimDoc* document = GetDocument();
    return document != nullptr ? document->GetCurrentPage() : 0;
}

void CAlbumView::PaintPage() {
    if (m_pageWindow != nullptr) Paint(m_pageWindow);
}
