#include "album/AlbumView.h"

#include <string>

#include "album/ButtonBitmap.h"
#include "album/ButtonSet.h"
#include "album/StickerCounter.h"
#include "album/StickerOverPosition.h"
#include "album/StickerSelection.h"
#include "album/StickersUsed.h"
#include "album/Validatable.h"
#include "catalogue/DataFiles.h"
#include "catalogue/StickerHomePositions.h"
#include "catalogue/StickerNumbering.h"
#include "diag/Log.h"
#include "io/Initialization.h"
#include "io/SaveProblems.h"
#include "platform/kernel/KernelBackend.h"
#include "platform/user/User.h"
#include "scene/AnimDoc.h"
#include "scene/ChildWindow.h"
#include "scene/Sprite.h"
#include "sound/SoundEffect.h"

namespace {

constexpr const char* kAssertModule = "AnimView";

// The jingle waits for the stick's bell to ring out; the full-book screen for the last
// sticker's sparkle to be seen.
constexpr DWORD kJingleDelay = 200;
constexpr DWORD kBookFullDelay = 600;
constexpr DWORD kWinkTime = 200;

}  // namespace

CAlbumView::CAlbumView(StickersUsed& stickersUsed, StickerSelection& selection,
                       StickerCounter& counter, ButtonSet& stickerButtons)
    : m_stickersUsed(stickersUsed),
      m_selection(selection),
      m_counter(counter),
      m_stickerButtons(stickerButtons) {
    SetOverlay(&m_effects);
}

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
    RECT stuckArea{};
    if (const CSprite* stuckSprite = GetCapturedSprite()) stuckSprite->GetRect(stuckArea);
    EndDrag(pageWindow);
    const HWND mainWindow = GetParent(pageWindow);
    SoundEffect stick(mainWindow, SoundEffect::kStick);
    GetDocument()->SavePage();
    const int32_t stuck = StickerOfButton(m_selection.GetStkrBtnPressed());
    m_stickersUsed.SetStickerUsed(stuck);
    KernelBackendSlot::Current().KeepSaves();
    HDC dc = GetDC(mainWindow);
    m_counter.Draw(dc);
    ReleaseDC(mainWindow, dc);
    Update(pageWindow);
    CelebrateStick(pageWindow, stuck, stuckArea);
    PostMessageA(pageWindow, UM_STICKER_STUCK, 0, 0);
}

// The celebrations follow the stick itself, so each is shown once, when it happens:
// never for a page or book found full on turning to it or at a start.
void CAlbumView::CelebrateStick(HWND pageWindow, int32_t stickerIndex, const RECT& area) {
    m_effects.SparkleAround(pageWindow, area);
    const HWND mainWindow = GetParent(pageWindow);
    if (m_stickersUsed.GetStickersLeft() == 0) {
        m_effects.After(pageWindow, kBookFullDelay, [this, mainWindow] {
            SoundEffect fanfare(mainWindow, SoundEffect::kFanfare);
            if (m_showBookFull) m_showBookFull(mainWindow);
        });
        return;
    }
    if (!IsPageFull(stickerIndex)) return;
    m_effects.Celebrate(pageWindow);
    m_effects.After(pageWindow, kJingleDelay,
                    [mainWindow] { SoundEffect jingle(mainWindow, SoundEffect::kJingle); });
}

bool CAlbumView::IsPageFull(int32_t stickerIndex) const {
    const int32_t page = StickerHomePositions[static_cast<size_t>(stickerIndex)].pageNumber;
    for (int32_t sticker = 0; sticker < NUMBEROFSTICKERGRAPHICS; ++sticker) {
        if (StickerHomePositions[static_cast<size_t>(sticker)].pageNumber == page &&
            m_stickersUsed.GetStickerUsed(sticker) != SU_USED)
            return false;
    }
    return true;
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

void CAlbumView::OnCarryAbandoned(HWND pageWindow, std::unique_ptr<CSprite> sticker) {
    const int32_t button = m_selection.GetStkrBtnPressed();
    m_selection.ReleaseStickerButton();
    SoundEffect boop(GetParent(pageWindow), SoundEffect::kBoop);
    const HWND buttonWindow = m_selection.StickerButtonWindow(button);
    if (buttonWindow == nullptr || sticker == nullptr) return;
    // The buttons lie around the page: the sticker leaves the page by the edge nearest
    // its button, on the way to the button's middle.
    RECT place{};
    GetWindowRect(buttonWindow, &place);
    POINT centre{(place.left + place.right) / 2, (place.top + place.bottom) / 2};
    ScreenToClient(pageWindow, &centre);
    const int32_t sheet = m_selection.GetCurrentSheet();
    m_effects.Glide(pageWindow, std::move(sticker), centre,
                    [this, pageWindow, button, sheet] { WinkButton(pageWindow, button, sheet); });
}

void CAlbumView::WinkButton(HWND pageWindow, int32_t stickerCommand, int32_t sheet) {
    if (!CanWink(stickerCommand, sheet)) return;
    DrawStickerButton(stickerCommand, kButtonStateOver);
    m_effects.After(pageWindow, kWinkTime, [this, stickerCommand, sheet] {
        if (CanWink(stickerCommand, sheet)) DrawStickerButton(stickerCommand, kButtonStateReset);
    });
}

bool CAlbumView::CanWink(int32_t stickerCommand, int32_t sheet) const {
    return m_selection.GetCurrentSheet() == sheet &&
           m_selection.GetStkrBtnPressed() != stickerCommand &&
           m_stickersUsed.GetStickerUsed(StickerOfButton(stickerCommand)) == SU_NOT_USED;
}

void CAlbumView::DrawStickerButton(int32_t stickerCommand, int32_t state) {
    const HWND window = m_selection.StickerButtonWindow(stickerCommand);
    HDC dc = window != nullptr ? GetDC(window) : nullptr;
    if (dc == nullptr) return;
    m_stickerButtons.DrawButton(dc, state, StickerOfButton(stickerCommand), nullptr);
    ReleaseDC(window, dc);
}

void CAlbumView::OnTimer(HWND window, UINT_PTR id) {
    if (id == PageEffects::kTimerId) m_effects.OnTimer(window);
}

bool CAlbumView::NewBackground(HWND window, const CDIB& background) {
    m_effects.ForgetStars();
    return CAnimView::NewBackground(window, background);
}

int32_t CAlbumView::GetCurrentPage() const {
    const CAnimDoc* document = GetDocument();
    return document != nullptr ? document->GetCurrentPage() : 0;
}

void CAlbumView::PrintPage(HDC printer, const RECT& dest) {
    SetOverlay(nullptr);
    COffScreenBufferView::PrintPage(printer, dest);
    SetOverlay(&m_effects);
}

void CAlbumView::PaintPage() {
    if (m_pageWindow != nullptr) Paint(m_pageWindow);
}
