#include "app/WM_Messages.h"

#include <array>
#include <utility>

#include "album/Album.h"
#include "album/CommandButtonSubclass.h"
#include "album/PlayingPhase.h"
#include "app/AlbumStartUp.h"
#include "app/BitmapDialogs.h"
#include "app/GrownUpQuestion.h"
#include "app/SingleInstance.h"
#include "catalogue/CommandIds.h"
#include "diag/Log.h"
#include "platform/kernel/Kernel.h"
#include "platform/kernel/KernelBackend.h"
#include "platform/user/User.h"
#include "sound/MidiManager.h"
#include "sound/SoundEffect.h"

namespace {

// How long a key shows its button pressed before the command runs.
constexpr DWORD kKeyPressMilliseconds = 125;

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

// The step through the title's albums an arrow key makes: the cards stand in two
// columns, left and right, filled row by row.
int32_t AlbumStepOfKey(WPARAM key) {
    switch (key) {
        case VK_LEFT:
            return -1;
        case VK_RIGHT:
            return 1;
        case VK_UP:
            return -2;
        case VK_DOWN:
            return 2;
        default:
            return 0;
    }
}

}  // namespace

void WM_Messages::PrepareButtonsOnce(HWND window) {
    if (m_buttonsPrepared) return;
    m_buttonsPrepared = true;
    m_album.Playing().PrepareButtons(window);
}

void WM_Messages::PrepareButtonsWhenAtHand(HWND window) {
    if (!m_buttonsPrepared && PlayingPhase::ButtonPicturesAtHand()) PrepareButtonsOnce(window);
}

LRESULT WM_Messages::MainWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_CREATE) {
        const auto* creation = reinterpret_cast<const CREATESTRUCTA*>(lParam);
        SetWindowLongPtrA(window, GWL_USERDATA,
                          reinterpret_cast<LONG_PTR>(creation->lpCreateParams));
    }
    WM_Messages* messages = OfMainWindow(window);
    if (messages == nullptr) return DefWindowProcA(window, message, wParam, lParam);
    return messages->OnMessage(window, message, wParam, lParam);
}

WM_Messages* WM_Messages::OfMainWindow(HWND mainWindow) {
    return reinterpret_cast<WM_Messages*>(GetWindowLongPtrA(mainWindow, GWL_USERDATA));
}

LRESULT WM_Messages::OnMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_CREATE:
            WriteLog("WM_Create hWnd %i", HandleNumber(window));
            return AlbumStartUp(m_album).OpenAlbum(window);
        case WM_DESTROY:
            OnDestroy();
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
            SetCursor(m_album.View().Cursors().GetArrowCursor());
            return 0;
        case WM_DRAWITEM:
            OnDrawItem(reinterpret_cast<const DRAWITEMSTRUCT*>(lParam));
            return TRUE;
        case WM_KEYDOWN:
            OnKeyDown(window, wParam, lParam);
            return 0;
        case WM_KEYUP:
            OnKeyUp(window, wParam);
            return 0;
        case WM_CHAR:
            return 0;
        case WM_COMMAND:
            return OnCommand(window, LOWORD(wParam));
        case WM_MOUSEMOVE:
            if (GetFocus() != window) SetFocus(window);
            return 0;
        case WM_LBUTTONDOWN:
            m_album.View().Cursors().SetKind(CCursorSet::kArrow);
            SetCapture(window);
            if (m_playState == kPlayStateTitle) ChooseAlbumAt(window, LParamToPoint(lParam));
            return 0;
        case WM_LBUTTONUP:
            ReleaseCapture();
            return 0;
        case UM_START_PLAYING:
            OnStartPlaying(window);
            return 0;
        case UM_START_PHASE:
            OnStartPhase(window);
            return 0;
        case UM_TELL_SAVE_PROBLEMS:
            OnTellSaveProblems(window);
            return 0;
        default:
            return DefWindowProcA(window, message, wParam, lParam);
    }
}

// However the main window ends, its page window goes first, so that the page window's
// object never outlives its window.
void WM_Messages::OnDestroy() {
    m_album.ClosePageWindow();
    PostQuitMessage(0);
}

void WM_Messages::OnPaint(HWND window) {
    PAINTSTRUCT paint{};
    HDC dc = BeginPaint(window, &paint);
    if (GamePhase* phase = m_album.Phase().Current()) phase->Paint(dc);
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
    if (m_active == 0) {
        m_commands.EndAnyCarry();
        m_aboutKeyHeld = false;
    }
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
    if (GamePhase* phase = m_album.Phase().Current()) phase->DrawItem(drawItem, id);
}

void WM_Messages::OnKeyDown(HWND window, WPARAM key, LPARAM details) {
    WriteLog("MESSAGES::WM_Keydown hWnd %i", HandleNumber(window));
    if (m_playState == kPlayStateTitle && (key == VK_RETURN || key == VK_SPACE)) {
        PostMessageA(window, WM_COMMAND, static_cast<WPARAM>(IDM_START), 0);
        return;
    }
    if (m_playState == kPlayStateTitle) {
        ChooseAlbumBy(window, key);
        return;
    }
    if (m_playState == kPlayStatePlaying && m_keys.OnKeyDown(window, key, details)) return;
    const int32_t command = CommandOfKey(key);
    if (m_playState != kPlayStatePlaying || command == 0) return;
    if (command == IDM_INFO) {
        if (!m_aboutKeyHeld) m_aboutKeyDownAt = timeGetTime();
        m_aboutKeyHeld = true;
        return;
    }
    PressCommandKey(window, command);
}

void WM_Messages::OnKeyUp(HWND window, WPARAM key) {
    if (CommandOfKey(key) != IDM_INFO || !m_aboutKeyHeld) return;
    m_aboutKeyHeld = false;
    if (m_playState != kPlayStatePlaying) return;
    if (timeGetTime() - m_aboutKeyDownAt >= CommandButtonSubclass::kLongPressMilliseconds) {
        m_commands.OpenGrownUps(window);
        return;
    }
    PressCommandKey(window, IDM_INFO);
}

void WM_Messages::PressCommandKey(HWND window, int32_t command) {
    const HWND button = m_album.ButtonFamilies().commands.GetWindow(command - IDM_QUIT);
    SendMessageA(button, BM_SETSTATE, TRUE, 0);
    Sleep(kKeyPressMilliseconds);
    SendMessageA(button, BM_SETSTATE, FALSE, 0);
    PostMessageA(window, WM_COMMAND, static_cast<WPARAM>(command), 0);
}

LRESULT WM_Messages::OnCommand(HWND window, int32_t id) {
    if (id != IDM_START) return m_commands.DoCommand(window, id);
    StartBook(window);
    return 1;
}

void WM_Messages::ChooseAlbumAt(HWND window, POINT point) {
    if (!m_album.Title().Chooser().Choose(m_album.Title().Chooser().CardAt(point))) return;
    SoundEffect select(window, SoundEffect::kSelect);
    InvalidateRect(window, nullptr, FALSE);
}

void WM_Messages::ChooseAlbumBy(HWND window, WPARAM key) {
    AlbumChooser& chooser = m_album.Title().Chooser();
    const int32_t step = AlbumStepOfKey(key);
    if (!chooser.IsOffering() || step == 0) return;
    chooser.ChooseNext(step);
    SoundEffect select(window, SoundEffect::kSelect);
    InvalidateRect(window, nullptr, FALSE);
}

void WM_Messages::StartBook(HWND window) {
    const AlbumChooser& chooser = m_album.Title().Chooser();
    const bool otherAlbum = chooser.IsOffering() && chooser.Chosen() != m_album.Name();
    if ((otherAlbum || m_setAside) &&
        !AlbumStartUp(m_album).SwitchTo(window, m_guard,
                                        otherAlbum ? chooser.Chosen() : m_album.Name())) {
        DestroyWindow(window);
        return;
    }
    if (m_setAside) TakeBackMachine(window);
    PrepareButtonsOnce(window);
    m_album.Phase().MakeCurrent(&m_album.Playing());
    m_album.Playing().Load(window);
    PostMessageA(window, UM_START_PLAYING, 0, 0);
    m_album.Title().Stop();
    m_playState = kPlayStateStarting;
}

void WM_Messages::TakeBackMachine(HWND window) {
    m_setAside = false;
    KernelBackendSlot::Current().SetAside(false);
    MIDI_MANAGER.StartAtStartUp(window);
}

// The session ends (a termination signal, a logout, the display gone): everything is
// saved at once, without the ending screen, and the music stops. Nothing here touches
// the display, which may be gone already; the process ends after this message.
void WM_Messages::OnEndSession() {
    WriteLog("WM_ENDSESSION: saving and ending");
    m_album.View().SaveAlbum();
    MIDI_MANAGER.StopMIDI();
}

void WM_Messages::OnStartPlaying(HWND window) {
    // A second start message finds the page window there already.
    if (m_album.PageWindow() == nullptr) m_album.OpenPageWindow(ProgramInstance(), window);
    OnStartPhase(window);
}

void WM_Messages::OnStartPhase(HWND window) {
    if (GamePhase* phase = m_album.Phase().Current()) phase->Start(window);
}

// The notice waits on the parent: what is due on the screen is drawn first, so that the
// page's picture, its label and the counter agree while it is up.
void WM_Messages::OnTellSaveProblems(HWND window) {
    UpdateWindow(window);
    if (const HWND page = m_commands.PageWindowHandle()) {
        UpdateWindow(page);
        m_album.View().Update(page);
    }
    TellOfFailedSaves(window);
}

// A close first saves, so that nothing waits on the ending screen's answer; it saves
// again after it, as the page may have been kept in memory meanwhile. When Quit asks a
// grown-up, only the right answer to the grown-ups' question leads there; the end of the
// session (WM_ENDSESSION) is never held up.
void WM_Messages::OnClose(HWND window) {
    m_commands.EndAnyCarry();
    if (m_album.Settings().Current().quitAsksGrownUp && !GrownUpQuestion().Ask(window)) return;
    m_album.View().SaveAlbum();
    ShowBitmapDialog(window, kDialogEnding, QuitDialogProc, "EndingScrnDialogBkg");
    m_album.Document().ChangePage(kPageSame);
    m_album.View().SaveAlbum();
    TellOfFailedSaves(window);
    MIDI_MANAGER.StopAtQuit();
    m_album.ClosePageWindow();
    if (KernelBackendSlot::Current().QuitReturnsToTitle()) {
        ReturnToTitle(window);
        return;
    }
    DestroyWindow(window);
}

// Where the program cannot end, Quit leads back to the title. The album is saved and
// stored, so the copy lets go of it there: another copy may open it meanwhile, and the
// start takes it again, read afresh.
void WM_Messages::ReturnToTitle(HWND window) {
    m_guard.Close();
    KernelBackendSlot::Current().SetAside(true);
    m_setAside = true;
    m_album.Playing().Stop();
    AlbumStartUp(m_album).ShowTitle(window);
    m_playState = kPlayStateTitle;
}
