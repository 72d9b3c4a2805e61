#include "album/ClearAll.h"

#include <utility>

#include "album/DeleteAll.h"
#include "album/PlayingPhase.h"
#include "album/StickersUsed.h"
#include "album/Validatable.h"
#include "catalogue/ButtonLayout.h"
#include "diag/Assert.h"
#include "platform/user/User.h"
#include "scene/AnimDoc.h"
#include "scene/AnimView.h"
#include "sound/SoundEffect.h"

namespace {

constexpr const char* kAssertModule = "WM_Messages";

}  // namespace

ClearAll::ClearAll(CAnimView& view, CAnimDoc& document, Question askUser)
    : m_view(view), m_document(document), m_askUser(std::move(askUser)) {}

bool ClearAll::Run(HWND window) {
    StickersUsed* stickersUsed = GetStickersUsed();
    QASSERT_VALID(stickersUsed);
    const int32_t left = StickersUsed::ms_StickersLeft;
    if (left < 0 || left > NUMBEROFSTICKERGRAPHICS) {
        DoAssert("ms_StickersLeft >= 0 && ms_StickersLeft <= NUMBEROFSTICKERGRAPHICS",
                 "StickersUsed", __LINE__);
    }
    if (stickersUsed == nullptr || StickersUsed::ms_StickersLeft >= NUMBEROFSTICKERGRAPHICS) {
        SetFocus(window);
        return false;
    }
    // Anything but an explicit yes, a dialog that could not be shown included, keeps
    // the stickers.
    if (!m_askUser || !m_askUser(window)) return false;
    ClearEverything(window);
    return true;
}

void ClearAll::ClearEverything(HWND window) {
    SoundEffect clear(window, SoundEffect::kClear);
    m_view.RemoveAllSprites();
    m_document.EmptyUnsavedPages();
    m_document.ChangePage(kPageSame);
    if (StickersUsed* stickersUsed = GetStickersUsed()) stickersUsed->ResetStickersUsed();
    RedrawStickerButtons();

    DeleteAll deleteAll;
    QASSERT_VALID(&deleteAll);
    deleteAll.ClearPageFiles();

    HDC dc = GetDC(window);
    GetPlayingPhase().DrawStickerCounter(dc);
    ReleaseDC(window, dc);
    SetFocus(window);
}

void ClearAll::RedrawStickerButtons() {
    for (const ButtonRow& row : StickerButtonRows) {
        SendMessageA(row.window, BM_SETSTATE, TRUE, 0);
        SendMessageA(row.window, BM_SETSTATE, FALSE, 0);
        SendMessageA(row.window, BM_SETSTATE, TRUE, 0);
    }
}
