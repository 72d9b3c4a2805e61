#include "album/ClearAll.h"

#include <utility>

#include "album/Album.h"
#include "album/ClearedBook.h"
#include "album/DeleteAll.h"
#include "album/Validatable.h"
#include "diag/Assert.h"
#include "platform/user/User.h"
#include "sound/SoundEffect.h"

namespace {

constexpr const char* kAssertModule = "WM_Messages";

}  // namespace

ClearAll::ClearAll(Album& album, Question askUser)
    : m_album(album), m_askUser(std::move(askUser)) {}

bool ClearAll::Run(HWND window) {
    // The record checks that its count lies inside the book.
    if (m_album.Stickers().GetStickersLeft() >= NUMBEROFSTICKERGRAPHICS) {
        SetFocus(window);
        return false;
    }
    // Anything but an explicit yes, a dialog that could not be shown included, keeps
    // the stickers.
    if (!m_askUser || !m_askUser(window)) return false;
    if (!KeepTheBook()) {
        SetFocus(window);
        return false;
    }
    ClearEverything(window);
    return true;
}

// The page on show reaches its file first, so that the copy holds it as the child left it.
bool ClearAll::KeepTheBook() {
    m_album.Document().SavePage();
    return ClearedBook::OfAlbum().Keep(ClearedBook::Today(), ClearedBook::Reason::Cleared);
}

void ClearAll::ClearEverything(HWND window) {
    SoundEffect clear(window, SoundEffect::kClear);
    m_album.View().RemoveAllSprites();
    m_album.Document().EmptyUnsavedPages();
    m_album.Document().ChangePage(kPageSame);
    m_album.Stickers().ResetStickersUsed();
    RedrawStickerButtons(m_album.ButtonFamilies().stickers);

    DeleteAll deleteAll;
    QASSERT_VALID(&deleteAll);
    deleteAll.ClearPageFiles();

    HDC dc = GetDC(window);
    m_album.Counter().Draw(dc);
    ReleaseDC(window, dc);
    SetFocus(window);
}

void ClearAll::RedrawStickerButtons(const ButtonSet& stickerButtons) {
    for (int32_t w = 0; w < stickerButtons.GetWindowCount(); ++w) {
        const HWND button = stickerButtons.GetWindow(w);
        SendMessageA(button, BM_SETSTATE, TRUE, 0);
        SendMessageA(button, BM_SETSTATE, FALSE, 0);
        SendMessageA(button, BM_SETSTATE, TRUE, 0);
    }
}
