#include "app/WM_Messages.h"

#include <array>
#include <string>
#include <utility>

#include "album/AlbumView.h"
#include "album/ClearAll.h"
#include "album/PlayingPhase.h"
#include "album/StickersUsed.h"
#include "album/TitlePhase.h"
#include "album/Validatable.h"
#include "app/BitmapDialogs.h"
#include "app/CheckFile.h"
#include "catalogue/ButtonLayout.h"
#include "catalogue/CommandIds.h"
#include "diag/Log.h"
#include "diag/TextFormat.h"
#include "gfx/Printer.h"
#include "io/FileManager.h"
#include "io/Initialization.h"
#include "io/SaveProblems.h"
#include "platform/kernel/Kernel.h"
#include "platform/user/User.h"
#include "scene/AnimDoc.h"
#include "scene/ChildWindow.h"
#include "scene/CursorSet.h"
#include "sound/MidiManager.h"
#include "sound/SoundEffect.h"

WM_Messages MESSAGES;

namespace {

constexpr const char* kAssertModule = "WM_Messages";
constexpr const char* kSaveDirectory = "save003";
constexpr const char* kPrintDocumentName = "Quillory: Printing";
// How long a key shows its button pressed before the command runs.
constexpr DWORD kKeyPressMilliseconds = 125;
// The last id the sticker commands answer to; only IDM_STICKER1 to IDM_STICKER28 have buttons.
constexpr int32_t kLastStickerCommand = 1043;

int HandleNumber(HWND window) {
    return static_cast<int>(reinterpret_cast<intptr_t>(window));
}

// The command a key gives while playing, or 0.
int32_t CommandOfKey(WPARAM key) {
    static constexpr std::array<std::pair<WPARAM, int32_t>, 8> kKeys = {{{'Q', IDM_QUIT},
                                                                         {'P', IDM_PRINT},
                                                                         {'C', IDM_CLEARALL},
                                                                         {'I', IDM_INFO},
                                                                         {VK_PRIOR, IDM_PREVPAGE},
                                                                         {VK_UP, IDM_PREVPAGE},
                                                                         {VK_NEXT, IDM_NEXTPAGE},
                                                                         {VK_DOWN, IDM_NEXTPAGE}}};
    for (const auto& [virtualKey, command] : kKeys) {
        if (virtualKey == key) return command;
    }
    return 0;
}

HWND PageWindowHandle() {
    const ChildWindow* page = PageWindow();
    return page != nullptr ? page->GetHWnd() : nullptr;
}

// A command that works on the page first ends a carry, as a right click does, so that
// nothing keeps using a sticker the page lets go of.
void EndAnyCarry() {
    GetAlbumView().AbandonCarry(PageWindowHandle());
}

void EndPageWindow() {
    ClosePageWindow();
    GetAlbumView().SetPageWindow(nullptr);
}

bool AskToClearAll(HWND window) {
    return AskYesNo(window, "ClearAllDialogBkg");
}

}  // namespace

void WM_Messages::Reset() {
    m_playState = kPlayStateTitle;
    m_active = 1;
    m_buttonsPrepared = false;
}

void WM_Messages::PrepareButtonsOnce(HWND window) {
    if (m_buttonsPrepared) return;
    m_buttonsPrepared = true;
    GetPlayingPhase().PrepareButtons(window);
}

LRESULT WM_Messages::MainWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    return MESSAGES.OnMessage(window, message, wParam, lParam);
}

LRESULT WM_Messages::OnMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_CREATE:
            return OnCreate(window);
        case WM_DESTROY:
            // However the main window ends, its page window goes first, so that the page
            // window's object never outlives its window.
            EndPageWindow();
            PostQuitMessage(0);
            return 0;
        case WM_PAINT:
            OnPaint(window);
            return 0;
        case WM_CLOSE:
            OnClose(window);
            return 0;
        case WM_ENDSESSION:
            if (wParam != FALSE) OnEndSession();
            return 0;
        case WM_ERASEBKGND:
            return 1;
        case WM_ACTIVATEAPP:
            OnActivateApp(window, wParam);
            return 0;
        case WM_SETCURSOR:
            SetCursor(GetCursorSet().GetArrowCursor());
            return 0;
        case WM_DRAWITEM:
            OnDrawItem(reinterpret_cast<const DRAWITEMSTRUCT*>(lParam));
            return TRUE;
        case WM_KEYDOWN:
            OnKeyDown(window, wParam);
            return 0;
        case WM_CHAR:
            return 0;
        case WM_COMMAND:
            return OnCommand(window, LOWORD(wParam));
        case WM_MOUSEMOVE:
            if (GetFocus() != window) SetFocus(window);
            return 0;
        case WM_LBUTTONDOWN:
            GetCursorSet().SetKind(CCursorSet::kArrow);
            SetCapture(window);
            return 0;
        case WM_LBUTTONUP:
            ReleaseCapture();
            return 0;
        case UM_START_PLAYING:
            OnStartPlaying(window);
            return 0;
        case UM_START_PHASE:
            if (GamePhase* phase = GetCurrentPhase()) phase->Start(window);
            return 0;
        case UM_TELL_SAVE_PROBLEMS:
            OnTellSaveProblems(window);
            return 0;
        default:
            return DefWindowProcA(window, message, wParam, lParam);
    }
}

LRESULT WM_Messages::OnCreate(HWND window) {
    WriteLog("WM_Create hWnd %i", HandleNumber(window));
    // A posted message comes before any input: a failed save is told at once, also one
    // met while the window is being created.
    SaveProblems::SetTeller([window] { PostMessageA(window, UM_TELL_SAVE_PROBLEMS, 0, 0); });
    CFileManager::SetBaseDirectoryFromCurrent();
    CFileManager fileManager;
    fileManager.CheckForAndCreateDirectory(kSaveDirectory);

    std::string dataRoot;
    fileManager.MakeFullPath(dataRoot, "");
    WriteLog("WM_Create 3 %s", dataRoot.c_str());
    WriteLog("CCheckFile CheckMissingFiles.  NUMBEROFSTICKERGRAPHICS %i", NUMBEROFSTICKERGRAPHICS);
    CCheckFile checkFile(dataRoot);
    if (checkFile.CheckMissingFiles()) {
        const std::string text = FormatText("A file (%s) needed for Quillory is missing.",
                                            checkFile.MissingFile().c_str());
        MessageBoxA(window, text.c_str(), "Error", MB_ICONEXCLAMATION);
        return -1;
    }
    CInitialization options(dataRoot);

    SetCurrentPhase(&GetTitlePhase());
    GetTitlePhase().Load(window);
    PostMessageA(window, UM_START_PHASE, 0, 0);

    CCursorSet& cursors = GetCursorSet();
    cursors.SetArrowCursor(
        LoadImageA(ProgramInstance(), "ArrowCursor", IMAGE_CURSOR, 0, 0, LR_DEFAULTCOLOR));
    cursors.SetKindQuietly(CCursorSet::kArrow);

    StickersUsed* stickersUsed = GetStickersUsed();
    QASSERT_VALID(stickersUsed);
    if (stickersUsed != nullptr) stickersUsed->ReadStickersUsed();
    WriteLog("WM_Create END");
    return 0;
}

void WM_Messages::OnPaint(HWND window) {
    PAINTSTRUCT paint{};
    HDC dc = BeginPaint(window, &paint);
    if (GamePhase* phase = GetCurrentPhase()) phase->Paint(dc);
    EndPaint(window, &paint);
    if (m_playState == kPlayStateStarting) m_playState = kPlayStatePlaying;
    // A dialog open over the window (which it disables) keeps the keys: a repaint, such
    // as the one after a restore, must not take Enter away from it.
    if (IsWindowEnabled(window)) SetFocus(window);
}

// A sticker carried when the album goes to the background (another program, a
// minimise, a locked screen) is let go as a right click lets it go: nobody is left
// with a hidden pointer held inside the page.
void WM_Messages::OnActivateApp(HWND window, WPARAM active) {
    m_active = static_cast<int32_t>(active);
    WriteLog("WM_Activateapp: wParam = %i", m_active);
    if (m_active == 0) EndAnyCarry();
    MIDI_MANAGER.ActivateApp(m_active, window);
}

void WM_Messages::OnDrawItem(const DRAWITEMSTRUCT* drawItem) {
    if (drawItem == nullptr) return;
    const auto id = static_cast<int32_t>(drawItem->CtlID);
    if (id >= IDM_STICKER1) {
        // A sticker button draws itself.
        SendMessageA(drawItem->hwndItem, WM_DRAWITEM, drawItem->CtlID,
                     reinterpret_cast<LPARAM>(drawItem));
        return;
    }
    if (GamePhase* phase = GetCurrentPhase()) phase->DrawItem(drawItem, id);
}

void WM_Messages::OnKeyDown(HWND window, WPARAM key) {
    WriteLog("MESSAGES::WM_Keydown hWnd %i", HandleNumber(window));
    if (m_playState == kPlayStateTitle && (key == VK_RETURN || key == VK_SPACE)) {
        PostMessageA(window, WM_COMMAND, static_cast<WPARAM>(IDM_START), 0);
        return;
    }
    const int32_t command = CommandOfKey(key);
    if (m_playState != kPlayStatePlaying || command == 0) return;
    const HWND button = CommandButtonRows[static_cast<size_t>(command - IDM_QUIT)].window;
    SendMessageA(button, BM_SETSTATE, TRUE, 0);
    Sleep(kKeyPressMilliseconds);
    SendMessageA(button, BM_SETSTATE, FALSE, 0);
    PostMessageA(window, WM_COMMAND, static_cast<WPARAM>(command), 0);
}

LRESULT WM_Messages::OnCommand(HWND window, int32_t id) {
    if (id > IDM_START && id < IDM_STICKER1) EndAnyCarry();
    switch (id) {
        case IDM_START:
            StartBook(window);
            return 1;
        case IDM_QUIT:
            PostMessageA(window, WM_CLOSE, 0, 0);
            return 0;
        case IDM_PRINT:
            Print(window);
            return 1;
        case IDM_CLEARALL:
            ClearAll(GetAlbumView(), GetAlbumDocument(), AskToClearAll).Run(window);
            return 1;
        case IDM_INFO:
            ShowAbout(window);
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
    if (id >= IDM_SHEET1 && id <= IDM_SHEET8) {
        ChooseSheet(window, id);
        return 1;
    }
    if (id >= IDM_STICKER1 && id <= IDM_STICKER28) {
        if (const HWND page = PageWindowHandle()) GetAlbumView().PickSticker(window, page, id);
        return 1;
    }
    return id == kLastStickerCommand ? 1 : 0;
}

void WM_Messages::StartBook(HWND window) {
    PrepareButtonsOnce(window);
    SetCurrentPhase(&GetPlayingPhase());
    GetPlayingPhase().Load(window);
    PostMessageA(window, UM_START_PLAYING, 0, 0);
    GetTitlePhase().Stop();
    m_playState = kPlayStateStarting;
}

// The session ends (a termination signal, a logout, the display gone): everything is
// saved at once, without the ending screen, and the music stops. Nothing here touches
// the display, which may be gone already; the process ends after this message.
void WM_Messages::OnEndSession() {
    WriteLog("WM_ENDSESSION: saving and ending");
    GetAlbumView().SaveAlbum();
    MIDI_MANAGER.StopMIDI();
}

void WM_Messages::OnStartPlaying(HWND window) {
    // A second start message finds the page window there already.
    if (PageWindow() == nullptr) {
        const ChildWindow& page = OpenPageWindow(ProgramInstance(), window, &GetAlbumView());
        GetAlbumView().SetPageWindow(page.GetHWnd());
    }
    if (GamePhase* phase = GetCurrentPhase()) phase->Start(window);
}

// The notice waits on the parent: what is due on the screen is drawn first, so that the
// page's picture, its label and the counter agree while it is up.
void WM_Messages::OnTellSaveProblems(HWND window) {
    UpdateWindow(window);
    if (const HWND page = PageWindowHandle()) {
        UpdateWindow(page);
        GetAlbumView().Update(page);
    }
    TellOfFailedSaves(window);
}

void WM_Messages::Print(HWND window) {
    WriteLog("IDM_PRINT  %i", IDM_PRINT);
    GetAlbumDocument().ChangePage(kPageSame);
    CPrinter printer(window, kPrintDocumentName, GetAlbumView());
    SetFocus(window);
    WriteLog("IDM_PRINT end");
}

void WM_Messages::ShowAbout(HWND window) {
    WriteLog("IDM_INFO ");
    GetAlbumDocument().ChangePage(kPageSame);
    ShowBitmapDialog(window, kDialogOk, OkDialogProc, "AboutDialogBkg");
    SetFocus(window);
}

// The new page's picture and its label are drawn together, so that they never show
// different pages.
void WM_Messages::TurnPage(HWND window, int32_t direction) {
    GetAlbumDocument().ChangePage(direction);
    if (const HWND page = PageWindowHandle()) GetAlbumView().Update(page);
    HDC dc = GetDC(window);
    GetPlayingPhase().DrawPageIndicator(dc);
    ReleaseDC(window, dc);
    SetFocus(window);
}

void WM_Messages::ChooseSheet(HWND window, int32_t sheetCommand) {
    PlayingPhase& playing = GetPlayingPhase();
    if (sheetCommand == playing.GetCurrentSheet()) {
        SetFocus(window);
        return;
    }
    SoundEffect select(window, SoundEffect::kSelect);
    const HWND previousSheet =
        SheetButtonRows[static_cast<size_t>(playing.GetCurrentSheet() - IDM_SHEET1)].window;
    SendMessageA(previousSheet, BM_SETSTATE, TRUE, 0);
    playing.SetCurrentSheet(sheetCommand);
    playing.ReleaseStickerButton();
    ClearAll::RedrawStickerButtons();
    SetFocus(window);
}

// A close first saves, so that nothing waits on the ending screen's answer; it saves
// again after it, as the page may have been kept in memory meanwhile.
void WM_Messages::OnClose(HWND window) {
    EndAnyCarry();
    GetAlbumView().SaveAlbum();
    ShowBitmapDialog(window, kDialogEnding, QuitDialogProc, "EndingScrnDialogBkg");
    GetAlbumDocument().ChangePage(kPageSame);
    GetAlbumView().SaveAlbum();
    TellOfFailedSaves(window);
    MIDI_MANAGER.StopMIDI();
    EndPageWindow();
    DestroyWindow(window);
}
