#include "album/PlayingPhase.h"

#include "album/ButtonSets.h"
#include "album/ScreenDrawings.h"
#include "album/StickersUsed.h"
#include "catalogue/PageGeometry.h"
#include "catalogue/PageTable.h"
#include "catalogue/TileTables.h"
#include "diag/Assert.h"
#include "platform/user/User.h"

namespace {

constexpr const char* kAssertModule = "GamePhase";
constexpr int32_t kNothingDrawn = -1;

constexpr bool IsSheetCommand(int32_t id) {
    return id >= IDM_SHEET1 && id <= IDM_SHEET8;
}
constexpr bool IsStickerCommand(int32_t id) {
    return id >= IDM_STICKER1 && id <= IDM_STICKER28;
}

}  // namespace

PlayingPhase::PlayingPhase() {
    m_frameStrips.SetTiledInfo(&kTopBottomBarsInfo);
    m_sideStrips.SetTiledInfo(&kLeftRightBarsInfo);
    m_pageIndicator.SetTiledInfo(&kPageLabelsInfo);
    m_counterDigits.SetTiledInfo(&kStickersLeftNumberInfo);
    m_counterLabels.SetTiledInfo(&kStickersLeftCaptionInfo);
}

void PlayingPhase::PrepareButtons(HWND window) {
    FillPlayingButtonInfos();
    CommandButtons().LoadImages(CommandButtonInfos.data(), window);
    SheetButtons().LoadImages(SheetButtonInfos.data(), window);
    StickerButtons().LoadImages(StickerButtonInfos.data(), window);
}

void PlayingPhase::Load(HWND window) {
    for (TiledBitmap* picture :
         {&m_frameStrips, &m_sideStrips, &m_pageIndicator, &m_counterDigits, &m_counterLabels}) {
        picture->Load(window);
    }
}

void PlayingPhase::Paint(HDC dc) {
    DrawPlayingFrame(dc);
    if (m_page != nullptr) m_page->PaintPage();
}

void PlayingPhase::Start(HWND window) {
    CommandButtons().CreateWindows(window, CommandButtonRows.data());
    CommandButtons().SubclassAll();
    SheetButtons().CreateWindows(window, SheetButtonRows.data());
    SheetButtons().SubclassAll();
    StickerButtons().CreateWindows(window, StickerButtonRows.data());
    StickerButtons().SubclassAll();
    InvalidateClientArea(window);
}

void PlayingPhase::DrawPlayingFrame(HDC dc) const {
    m_frameStrips.DrawTile(dc, 0, POINT{0, 0});
    m_frameStrips.DrawTile(dc, 1, POINT{0, kPageBottom});
    m_sideStrips.DrawTile(dc, 0, POINT{0, kPageTop});
    m_sideStrips.DrawTile(dc, 1, POINT{kPageRight, kPageTop});
    DrawPageIndicator(dc);
    DrawStickerCounter(dc);
}

void PlayingPhase::DrawPageIndicator(HDC dc) const {
    const int32_t pageIndex = m_page != nullptr ? m_page->GetCurrentPage() : 0;
    // A page the book does not have shows the empty label.
    const int32_t label = pageIndex >= 0 && pageIndex < kNumberOfPages
                              ? kAlbumPages[static_cast<size_t>(pageIndex)].labelTile
                              : kEmptyPageLabelTile;
    ::DrawPageIndicator(dc, m_pageIndicator, label);
}

void PlayingPhase::DrawStickerCounter(HDC dc) const {
    ::DrawStickerCounter(dc, m_counterDigits, m_counterLabels);
}

bool PlayingPhase::SetCurrentSheet(int32_t sheetCommand) {
    if (!IsSheetCommand(sheetCommand)) return false;
    m_currentSheet = sheetCommand;
    return true;
}

bool PlayingPhase::SetStkrBtnPressed(int32_t stickerCommand) {
    if (stickerCommand != kNoButton && !IsStickerCommand(stickerCommand)) return false;
    m_stickerButtonPressed = stickerCommand;
    return true;
}

void PlayingPhase::DrawItem(const DRAWITEMSTRUCT* drawItem, int32_t id) {
    if (drawItem == nullptr) return;
    if (id >= IDM_QUIT && id < IDM_SHEET1) DrawCommandButton(*drawItem, id);
    if (IsSheetCommand(id)) DrawSheetButton(*drawItem, id);
}

void PlayingPhase::DrawCommandButton(const DRAWITEMSTRUCT& drawItem, int32_t id) {
    const int32_t state =
        (drawItem.itemState & ODS_SELECTED) != 0 ? kButtonStatePressed : kButtonStateNormal;
    CommandButtons().DrawButton(drawItem.hDC, state, id - IDM_QUIT, nullptr);
}

// The current sheet's button keeps its down face and the others show their up face; a
// press shows the down face while the pointer stays on the button.
int32_t PlayingPhase::SheetButtonState(const DRAWITEMSTRUCT& drawItem, int32_t id) {
    const UINT action = drawItem.itemAction;
    const UINT itemState = drawItem.itemState;
    if (action == ODA_FOCUS && (itemState & ODS_FOCUS) != 0) {
        m_focusedSheet = id;
        return kButtonStatePressed;
    }
    if (id != m_focusedSheet) {
        if ((action == ODA_SELECT || action == ODA_DRAWENTIRE) && itemState == ODS_SELECTED) {
            return kButtonStateReset;
        }
        if (id != m_currentSheet && action == ODA_DRAWENTIRE && itemState == 0)
            return kButtonStateReset;
        if (id == m_currentSheet) return kButtonStatePressed;
        return kNothingDrawn;
    }
    if (m_sheetPressed == 1) return kButtonStatePressed;
    if (id != m_currentSheet) return kButtonStateReset;
    return kNothingDrawn;
}

void PlayingPhase::DrawSheetButton(const DRAWITEMSTRUCT& drawItem, int32_t id) {
    const int32_t state = SheetButtonState(drawItem, id);
    if (state != kNothingDrawn)
        SheetButtons().DrawButton(drawItem.hDC, state, id - IDM_SHEET1, nullptr);
}

int32_t PlayingPhase::DrawSticker(const DRAWITEMSTRUCT* drawItem, int32_t id, int32_t state) {
    StickersUsed* stickersUsed = GetStickersUsed();
    QASSERT_VALID(stickersUsed);
    if (drawItem == nullptr || stickersUsed == nullptr || !IsStickerCommand(id)) return 1;
    const int32_t stickerIndex = StickerIndexFromCommands(m_currentSheet, id);
    int32_t drawState = state;
    if (stickersUsed->GetStickerUsed(stickerIndex) == SU_USED) {
        drawState = kButtonStateUsed;
    } else if (drawItem->itemAction == ODA_SELECT && drawItem->itemState == ODS_SELECTED) {
        drawState = kButtonStateReset;
    }
    StickerButtons().DrawButton(drawItem->hDC, drawState, stickerIndex, nullptr);
    return 1;
}

void PlayingPhase::ReleaseStickerButton() {
    if (m_stickerButtonPressed != kNoButton) {
        const HWND button =
            StickerButtonRows[static_cast<size_t>(m_stickerButtonPressed - IDM_STICKER1)].window;
        if (button != nullptr) SendMessageA(button, BM_SETSTATE, TRUE, 0);
    }
    m_stickerButtonPressed = kNoButton;
}

PlayingPhase& GetPlayingPhase() {
    static PlayingPhase phase;
    return phase;
}
