#include "album/TitlePhase.h"

#include "album/ScreenDrawings.h"
#include "catalogue/CommandIds.h"
#include "catalogue/TileTables.h"
#include "platform/user/User.h"

TitlePhase::TitlePhase(StartButtonSet& startButtons) : m_startButtons(startButtons) {
    m_title.SetTiledInfo(&kTitlePictureInfo);
    m_background.SetTiledInfo(&kTitleBackgroundInfo);
}

void TitlePhase::Load(HWND window) {
    m_title.Load(window);
    m_background.Load(window);
}

void TitlePhase::Paint(HDC dc) {
    DrawTitleScreen(dc, m_background, m_title);
    m_chooser.Draw(dc);
}

void TitlePhase::Start(HWND window) {
    FillStartButtonInfo();
    m_startButtons.LoadImages(&StartButtonInfo, window);
    m_startButtons.CreateWindows(window, StartButtonRows.data());
    m_startButtons.SubclassAll();
    InvalidateClientArea(window);
}

void TitlePhase::Stop() {
    if (m_startButtons.GetWindow(0) == nullptr) return;
    // Unhooked first, so that no hook is left holding the handle of a dead window.
    m_startButtons.UnsubclassAll();
    m_startButtons.DestroyWindows();
}

void TitlePhase::DrawItem(const DRAWITEMSTRUCT* drawItem, int32_t id) {
    if (drawItem == nullptr) return;
    const int32_t state =
        (drawItem->itemState & ODS_SELECTED) != 0 ? kButtonStatePressed : kButtonStateNormal;
    m_startButtons.DrawButton(drawItem->hDC, state, id - IDM_START, nullptr);
}

int32_t TitlePhase::DrawSticker(const DRAWITEMSTRUCT*, int32_t, int32_t) {
    return 0;
}
