#pragma once
// Clear All: after the user says yes, every sticker leaves every page and all 224
// stickers can be picked again. Nothing happens while no sticker is stuck. The current
// page, the sheet, the setting and the music stay as they are. The book as it was is kept
// first (ClearedBook), so that a grown-up can bring it back; a book that cannot be kept
// is not cleared.

#include <functional>

#include "platform/user/UserTypes.h"

class Album;
class ButtonSet;

class ClearAll {
public:
    // Asks the user whether to clear everything; true only for an explicit yes.
    using Question = std::function<bool(HWND window)>;

    ClearAll(Album& album, Question askUser);
    virtual ~ClearAll() = default;

    // The whole command for the main window `window`; true when the album was cleared.
    bool Run(HWND window);

    // Each of the 28 sticker buttons of `stickerButtons` redraws itself with the faces of
    // the current sheet.
    static void RedrawStickerButtons(const ButtonSet& stickerButtons);

private:
    bool KeepTheBook();
    void ClearEverything(HWND window);

    Album& m_album;
    Question m_askUser;
};
