#pragma once
// The main window's messages: start-up (WM_CREATE), painting the current screen,
// activation and the music, the keyboard, the commands of the buttons and keys, the
// ending screen at close, and the album's own messages that start the screens.

#include <cstdint>

#include "platform/user/UserTypes.h"

// The album's own messages to the main window.
constexpr UINT UM_START_PLAYING = 2024;
constexpr UINT UM_START_PHASE = 2025;
// A save failed in a way the parent has not been told of (SaveProblems).
constexpr UINT UM_TELL_SAVE_PROBLEMS = 2027;

constexpr int32_t kPlayStateTitle = 0;
constexpr int32_t kPlayStateStarting = 1;
constexpr int32_t kPlayStatePlaying = 2;

class WM_Messages {
public:
    WM_Messages() = default;
    virtual ~WM_Messages() = default;
    WM_Messages(const WM_Messages&) = delete;
    WM_Messages& operator=(const WM_Messages&) = delete;

    // The main window procedure.
    static LRESULT MainWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

    int32_t GetPlayState() const { return m_playState; }
    // Non-zero while the album is the active application.
    int32_t IsActive() const { return m_active; }
    // Back to the title screen's state, for the next run of the album in this process.
    void Reset();
    // Reads the playing screen's button pictures unless that has been done. The title
    // does not need them, so the message loop does it once the title is on screen; the
    // book's start does it when it comes first.
    void PrepareButtonsOnce(HWND window);

private:
    LRESULT OnMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT OnCreate(HWND window);
    void OnPaint(HWND window);
    void OnActivateApp(HWND window, WPARAM active);
    void OnDrawItem(const DRAWITEMSTRUCT* drawItem);
    void OnKeyDown(HWND window, WPARAM key);
    // Answers 1 for a handled command, 0 for IDM_QUIT and unknown ids.
    LRESULT OnCommand(HWND window, int32_t id);
    void OnClose(HWND window);
    void OnEndSession();
    void OnStartPlaying(HWND window);
    void OnTellSaveProblems(HWND window);

    void StartBook(HWND window);
    void Print(HWND window);
    void ShowAbout(HWND window);
    void TurnPage(HWND window, int32_t direction);
    void ChooseSheet(HWND window, int32_t sheetCommand);

    int32_t m_playState = kPlayStateTitle;
    int32_t m_active = 1;
    bool m_buttonsPrepared = false;
};

// The message handler of the program.
extern WM_Messages MESSAGES;
