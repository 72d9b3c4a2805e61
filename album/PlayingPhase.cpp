#include "album/PlayingPhase.h"

#include <algorithm>
#include <array>

#include "album/FocusRing.h"
#include "album/ScreenDrawings.h"
#include "album/StickerCounter.h"
#include "album/StickersUsed.h"
#include "catalogue/DataFiles.h"
#include "catalogue/PageGeometry.h"
#include "catalogue/PageTable.h"
#include "catalogue/TileTables.h"
#include "io/FileManager.h"
#include "platform/user/User.h"

namespace {

constexpr int32_t kNothingDrawn = -1;

}  // namespace

PlayingPhase::PlayingPhase(ButtonSets& buttons, StickerSelection& selection,
                           StickerCounter& counter, const StickersUsed& stickersUsed,
                           const FocusRing& ring)
    : m_buttons(buttons),
      m_selection(selection),
      m_counter(counter),
      m_stickersUsed(stickersUsed),
      m_ring(ring) {
    m_frameStrips.SetTiledInfo(&kTopBottomBarsInfo);
    m_sideStrips.SetTiledInfo(&kLeftRightBarsInfo);
    m_pageIndicator.SetTiledInfo(&kPageLabelsInfo);
}

void PlayingPhase::PrepareButtons(HWND window) {
    FillPlayingButtonInfos();
    m_buttons.commands.LoadImages(CommandButtonInfos.data(), window);
    m_buttons.sheets.LoadImages(SheetButtonInfos.data(), window);
    m_buttons.stickers.LoadImages(StickerButtonInfos.data(), window);
}

bool PlayingPhase::ButtonPicturesAtHand() {
    const auto atHand = [](const auto& files) {
        return std::all_of(files.begin(), files.end(), &CFileManager::IsAtHand);
    };
    return atHand(CommandButtonFiles) && atHand(SheetButtonFiles) && atHand(StickerButtonFiles);
}

void PlayingPhase::Load(HWND window) {
    for (TiledBitmap* picture : {&m_frameStrips, &m_sideStrips, &m_pageIndicator})
        picture->Load(window);
    m_counter.Load(window);
}

void PlayingPhase::Paint(HDC dc) {
    DrawPlayingFrame(dc);
    if (m_page != nullptr) m_page->PaintPage();
}

void PlayingPhase::Start(HWND window) {
    m_buttons.commands.CreateWindows(window, CommandButtonRows.data());
    m_buttons.commands.SubclassAll();
    m_buttons.sheets.CreateWindows(window, SheetButtonRows.data());
    m_buttons.sheets.SubclassAll();
    m_buttons.stickers.CreateWindows(window, StickerButtonRows.data());
    m_buttons.stickers.SubclassAll();
    InvalidateClientArea(window);
}

void PlayingPhase::Stop() {
    // Unhooked first, so that no hook is left holding the handle of a dead window.
    for (ButtonSet* set :
         std::array<ButtonSet*, 3>{&m_buttons.commands, &m_buttons.sheets, &m_buttons.stickers}) {
        set->UnsubclassAll();
        set->DestroyWindows();
    }
}

void PlayingPhase::DrawPlayingFrame(HDC dc) const {
    m_frameStrips.DrawTile(dc, 0, POINT{0, 0});
    m_frameStrips.DrawTile(dc, 1, POINT{0, kPageBottom});
    m_sideStrips.DrawTile(dc, 0, POINT{0, kPageTop});
    m_sideStrips.DrawTile(dc, 1, POINT{kPageRight, kPageTop});
    DrawPageIndicator(dc);
    m_counter.Draw(dc);
}

void PlayingPhase::DrawPageIndicator(HDC dc) const {
    const int32_t pageIndex = m_page != nullptr ? m_page->GetCurrentPage() : 0;
    // A page the book does not have shows the empty label.
    const int32_t label = pageIndex >= 0 && pageIndex < kNumberOfPages
                              ? kAlbumPages[static_cast<size_t>(pageIndex)].labelTile
                              : kEmptyPageLabelTile;
    ::DrawPageIndicator(dc, m_pageIndicator, label);
}

void PlayingPhase::DrawItem(const DRAWITEMSTRUCT* drawItem, int32_t id) {
    if (drawItem == nullptr) return;
    if (id >= IDM_QUIT && id < IDM_SHEET1) DrawCommandButton(*drawItem, id);
    if (StickerSelection::IsSheetCommand(id)) DrawSheetButton(*drawItem, id);
}

void PlayingPhase::DrawCommandButton(const DRAWITEMSTRUCT& drawItem, int32_t id) {
    const int32_t state =
        (drawItem.itemState & ODS_SELECTED) != 0 ? kButtonStatePressed : kButtonStateNormal;
    m_buttons.commands.DrawButton(drawItem.hDC, state, id - IDM_QUIT, nullptr);
}

// The current sheet's button keeps its down face and the others show their up face; a
// press shows the down face while the pointer stays on the button.
int32_t PlayingPhase::SheetButtonState(const DRAWITEMSTRUCT& drawItem, int32_t id) {
    const UINT action = drawItem.itemAction;
    const UINT itemState = drawItem.itemState;
    const int32_t currentSheet = m_selection.GetCurrentSheet();
    if (action == ODA_FOCUS && (itemState & ODS_FOCUS) != 0) {
        m_focusedSheet = id;
        return kButtonStatePressed;
    }
    if (id != m_focusedSheet) {
        if ((action == ODA_SELECT || action == ODA_DRAWENTIRE) && itemState == ODS_SELECTED) {
            return kButtonStateReset;
        }
        if (id != currentSheet && action == ODA_DRAWENTIRE && itemState == 0)
            return kButtonStateReset;
        if (id == currentSheet) return kButtonStatePressed;
        return kNothingDrawn;
    }
    if (m_selection.GetSheetPressed() == 1) return kButtonStatePressed;
    if (id != currentSheet) return kButtonStateReset;
    return kNothingDrawn;
}

Ring PlayingPhase::RingOf(int32_t id) const {
    return m_ring.Rings(id) ? Ring::Around : Ring::None;
}

void PlayingPhase::DrawSheetButton(const DRAWITEMSTRUCT& drawItem, int32_t id) {
    int32_t state = SheetButtonState(drawItem, id);
    const ButtonBitmap* picture = m_buttons.sheets.GetPicture(id - IDM_SHEET1);
    // Where the rules keep the face, the ring still comes and goes with the face it has.
    if (state == kNothingDrawn && m_ring.IsShown() && picture != nullptr)
        state = picture->GetState();
    if (state != kNothingDrawn)
        m_buttons.sheets.DrawButton(drawItem.hDC, state, id - IDM_SHEET1, nullptr, RingOf(id));
}

int32_t PlayingPhase::DrawSticker(const DRAWITEMSTRUCT* drawItem, int32_t id, int32_t state) {
    if (drawItem == nullptr || !StickerSelection::IsStickerCommand(id)) return 1;
    const int32_t stickerIndex = StickerIndexFromCommands(m_selection.GetCurrentSheet(), id);
    int32_t drawState = state;
    if (m_stickersUsed.GetStickerUsed(stickerIndex) == SU_USED) {
        drawState = kButtonStateUsed;
    } else if (drawItem->itemAction == ODA_SELECT && drawItem->itemState == ODS_SELECTED) {
        drawState = kButtonStateReset;
    }
    m_buttons.stickers.DrawButton(drawItem->hDC, drawState, stickerIndex, nullptr, RingOf(id));
    return 1;
}
