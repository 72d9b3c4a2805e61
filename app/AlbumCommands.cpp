#include "app/AlbumCommands.h"

#include "album/Album.h"
#include "album/ClearAll.h"
#include "album/ClearedBook.h"
#include "album/CommandButtonSubclass.h"
#include "app/AboutBox.h"
#include "app/BitmapDialogs.h"
#include "app/GrownUpQuestion.h"
#include "app/GrownUpsPanel.h"
#include "catalogue/CommandIds.h"
#include "diag/Log.h"
#include "gfx/Printer.h"
#include "platform/user/User.h"
#include "sound/SoundEffect.h"

namespace {

constexpr const char* kPrintDocumentName = "Quillory: Printing";
// The last id the sticker commands answer to; only IDM_STICKER1 to IDM_STICKER28 have buttons.
constexpr int32_t kLastStickerCommand = 1043;

bool AskToClearAll(HWND window) {
    return AskYesNo(window, "ClearAllDialogBkg");
}

// The grown-ups' lock on Clear All, before its own question.
ClearAll::Question LockedBehind(bool asksGrownUp) {
    return [asksGrownUp](HWND window) {
        return (!asksGrownUp || GrownUpQuestion().Ask(window)) && AskToClearAll(window);
    };
}

}  // namespace

HWND AlbumCommands::PageWindowHandle() const {
    const ChildWindow* page = m_album.PageWindow();
    return page != nullptr ? page->GetHWnd() : nullptr;
}

void AlbumCommands::EndAnyCarry() {
    m_album.View().AbandonCarry(PageWindowHandle());
}

LRESULT AlbumCommands::DoCommand(HWND window, int32_t id) {
    if (id > IDM_START && id < IDM_STICKER1) EndAnyCarry();
    switch (id) {
        case IDM_QUIT:
            PostMessageA(window, WM_CLOSE, 0, 0);
            return 0;
        case IDM_PRINT:
            Print(window);
            return 1;
        case IDM_CLEARALL:
            ClearAll(m_album, LockedBehind(m_album.Settings().Current().clearAllAsksGrownUp))
                .Run(window);
            return 1;
        case IDM_INFO:
            if (CommandButtonSubclass::EndingLongPress()) {
                OpenGrownUps(window);
            } else {
                ShowAbout(window);
            }
            return 1;
        case IDM_PREVPAGE:
            TurnPage(window, kPagePrevious);
            return 1;
        case IDM_NEXTPAGE:
            TurnPage(window, kPageNext);
            return 1;
        default:
            break;
    }
    if (StickerSelection::IsSheetCommand(id)) {
        ChooseSheet(window, id);
        return 1;
    }
    if (StickerSelection::IsStickerCommand(id)) {
        if (const HWND page = PageWindowHandle()) m_album.View().PickSticker(window, page, id);
        return 1;
    }
    return id == kLastStickerCommand ? 1 : 0;
}

void AlbumCommands::Print(HWND window) {
    WriteLog("IDM_PRINT  %i", IDM_PRINT);
    m_album.Document().ChangePage(kPageSame);
    CPrinter printer(window, kPrintDocumentName, m_album.View());
    SetFocus(window);
    WriteLog("IDM_PRINT end");
}

void AlbumCommands::ShowAbout(HWND window) {
    WriteLog("IDM_INFO ");
    m_album.Document().ChangePage(kPageSame);
    ShowAboutBox(window);
    SetFocus(window);
}

void AlbumCommands::OpenGrownUps(HWND window) {
    EndAnyCarry();
    if (GrownUpQuestion().Ask(window)) {
        GrownUpsPanel(m_album.Settings(), [this, window] { BringBackBook(window); }).Run(window);
    }
    SetFocus(window);
}

// The page on show reaches its file first, so that the book put aside holds it; then
// the page, the record, the buttons and the counter are read again from the book
// brought back.
void AlbumCommands::BringBackBook(HWND window) {
    m_album.Document().SavePage();
    if (!ClearedBook::OfAlbum().BringBack(ClearedBook::Today())) {
        WriteLog("The kept book could not be brought back");
        return;
    }
    m_album.View().RemoveAllSprites();
    m_album.Document().ReloadPage();
    m_album.Stickers().ReadStickersUsed();
    ClearAll::RedrawStickerButtons(m_album.ButtonFamilies().stickers);
    InvalidateRect(window, nullptr, FALSE);
    if (const HWND page = PageWindowHandle()) {
        InvalidateRect(page, nullptr, FALSE);
        m_album.View().Update(page);
    }
}

// The new page's picture and its label are drawn together, so that they never show
// different pages.
void AlbumCommands::TurnPage(HWND window, int32_t direction) {
    m_album.Document().ChangePage(direction);
    if (const HWND page = PageWindowHandle()) m_album.View().Update(page);
    HDC dc = GetDC(window);
    m_album.Playing().DrawPageIndicator(dc);
    ReleaseDC(window, dc);
    SetFocus(window);
}

void AlbumCommands::ChooseSheet(HWND window, int32_t sheetCommand) {
    StickerSelection& selection = m_album.Selection();
    if (sheetCommand == selection.GetCurrentSheet()) {
        SetFocus(window);
        return;
    }
    SoundEffect select(window, SoundEffect::kSelect);
    const HWND previousSheet =
        m_album.ButtonFamilies().sheets.GetWindow(selection.GetCurrentSheet() - IDM_SHEET1);
    SendMessageA(previousSheet, BM_SETSTATE, TRUE, 0);
    selection.SetCurrentSheet(sheetCommand);
    selection.ReleaseStickerButton();
    ClearAll::RedrawStickerButtons(m_album.ButtonFamilies().stickers);
    SetFocus(window);
}
