#pragma once
// The main window's messages: start-up (WM_CREATE), painting the current screen,
// activation and the music, the keyboard, the commands of the buttons and keys, the
// ending screen at close, and the album's own messages that start the screens. One
// object serves one main window and the album it shows; the window keeps it in its
// user data, where the window procedure finds it.

#include <cstdint>

#include "app/AlbumCommands.h"
#include "app/AlbumMessages.h"
#include "app/KeyboardPlay.h"
#include "platform/user/UserTypes.h"

class Album;
class SingleInstance;

constexpr int32_t kPlayStateTitle = 0;
constexpr int32_t kPlayStateStarting = 1;
constexpr int32_t kPlayStatePlaying = 2;

class WM_Messages {
public:
    // `guard` keeps the album open to this copy; another album chosen on the title takes
    // its place there.
    WM_Messages(Album& album, SingleInstance& guard)
        : m_album(album), m_guard(guard), m_commands(album), m_keys(album) {}
    virtual ~WM_Messages() = default;
    WM_Messages(const WM_Messages&) = delete;
    WM_Messages& operator=(const WM_Messages&) = delete;

    // The main window procedure; the window is created with its WM_Messages as the
    // creation parameter.
    static LRESULT MainWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    // The object serving the main window `mainWindow`, or null.
    static WM_Messages* OfMainWindow(HWND mainWindow);

    Album& GetAlbum() const { return m_album; }
    int32_t GetPlayState() const { return m_playState; }
    // Non-zero while the album is the active application.
    int32_t IsActive() const { return m_active; }
    bool ButtonsPrepared() const { return m_buttonsPrepared; }
    // Reads the playing screen's button pictures unless that has been done. The title
    // does not need them, so the message loop does it once the title is on screen (and
    // the pictures are at hand); the book's start does it when it comes first.
    void PrepareButtonsOnce(HWND window);
    // The same while the title shows, once the pictures are at hand: the title never
    // waits for pictures still on their way (Play prepares them whatever it takes).
    void PrepareButtonsWhenAtHand(HWND window);

private:
    LRESULT OnMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    void OnDestroy();
    void OnPaint(HWND window);
    void OnActivateApp(HWND window, WPARAM active);
    void OnDrawItem(const DRAWITEMSTRUCT* drawItem);
    void OnKeyDown(HWND window, WPARAM key, LPARAM details);
    void OnKeyUp(HWND window, WPARAM key);
    void PressCommandKey(HWND window, int32_t command);
    // Answers 1 for a handled command, 0 for IDM_QUIT and unknown ids.
    LRESULT OnCommand(HWND window, int32_t id);
    void OnClose(HWND window);
    void ReturnToTitle(HWND window);
    // The start after a return to the title: the machine's sound and screen, and the music.
    void TakeBackMachine(HWND window);
    void OnEndSession();
    void OnStartPlaying(HWND window);
    void OnStartPhase(HWND window);
    void OnTellSaveProblems(HWND window);

    void StartBook(HWND window);
    // The title's choice of albums: a click on a card, or an arrow key's step.
    void ChooseAlbumAt(HWND window, POINT point);
    void ChooseAlbumBy(HWND window, WPARAM key);

    Album& m_album;
    SingleInstance& m_guard;
    AlbumCommands m_commands;
    KeyboardPlay m_keys;
    int32_t m_playState = kPlayStateTitle;
    int32_t m_active = 1;
    bool m_buttonsPrepared = false;
    // Back at the title after a Quit, the album let go of until the next start.
    bool m_setAside = false;
    // The About key acts when it is let go: a short press shows About, a long one (held
    // as the About button is) opens the grown-ups' question. The key's repeats while it
    // is held are not new presses.
    bool m_aboutKeyHeld = false;
    DWORD m_aboutKeyDownAt = 0;
};
