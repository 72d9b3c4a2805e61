#pragma once
// The in-memory machine: a 1024 x 768 screen in memory, scripted input, scripted
// answers for message boxes and the printer, and a record of everything the program
// asked of it. Tests script what a user would do, run the message loop until it is
// idle, and read back the screen's pixels, the cursor and what was printed.

#include <atomic>
#include <deque>
#include <mutex>
#include <optional>
#include <string>
#include <vector>

#include "platform/machines/Backend.h"
#include "platform/machines/headless/HeadlessClock.h"
#include "platform/machines/headless/HeadlessInput.h"
#include "platform/machines/headless/HeadlessPrinter.h"
#include "platform/user/Cursor.h"

// The clock, the input script and the printer are parts of their own; this class is the
// screen, the pointer's picture, the window on the desktop, the display switch and the
// message boxes.
class HeadlessBackend : public Backend,
                        public HeadlessClock,
                        public HeadlessInput,
                        public HeadlessPrinter {
public:
    struct MessageBoxShown {
        std::string text;
        std::string caption;
        UINT type;
    };
    enum class DisplayStep { Open, TakeExclusive, SetMode, Restore, Close };

    static HeadlessBackend& Instance();

    void Present(const Surface& screen, const RECT& area) override;
    void SetCursorImage(const CursorImage* image) override;
    void SetCursorVisible(bool visible) override;
    void ConfinePointer(const RECT* area) override;
    void RestoreWindow() override;
    void RaiseWindow() override;
    bool OpenDisplay() override;
    bool TakeDisplayExclusively() override;
    bool SetDisplayMode(LONG width, LONG height, LONG bitsPerPixel) override;
    bool RestoreDisplayMode() override;
    bool CloseDisplay() override;
    void MessageBoxOpened(const std::string& text, const std::string& caption, UINT type) override;
    void ShowOnly(const RECT* area) override;
    void Beep(UINT type) override;
    // "config" in the current directory: each test's folder has settings of its own.
    std::string SettingsFolder() override;
    void KeepSaves() override;
    bool SavesMayBeCleared() override;
    bool IsAtHand(const std::string& hostPath) override;
    bool QuitReturnsToTitle() override { return m_quitReturnsToTitle; }
    void SetAside(bool aside) override { m_setAside = aside; }

    // Dispatches messages until none is waiting and no window needs painting.
    // Answers false when WM_QUIT came (it is posted again for the real loop).
    static bool RunUntilIdle();

    // The screen as presented, and the parts presented since the last look.
    const Surface& ScreenPixels() const { return m_screen; }
    std::vector<RECT> TakePresentedAreas();
    bool SaveScreen(const std::string& hostPath) const;

    const CursorImage* CursorShown() const {
        return m_cursorVisible && m_cursor ? &*m_cursor : nullptr;
    }
    bool CursorVisible() const { return m_cursorVisible; }
    std::optional<RECT> PointerConfinement() const { return m_confinement; }
    int RestoreCount() const { return m_restores; }
    int RaiseCount() const { return m_raises; }

    // The display switch fails at `step` (and nowhere else) until reset.
    void FailDisplayAt(std::optional<DisplayStep> step);
    bool FullScreen() const { return m_fullScreen; }

    // The next message boxes are answered with these ids in turn (by Enter for OK
    // and Yes, Escape for Cancel and No); once the script runs out each box is
    // answered with Enter, its first button, unless boxes are held open: then the
    // rest of the script (clicks, keys, an ending) meets the open box.
    void ScriptMessageBoxAnswers(std::vector<int> answers);
    void HoldMessageBoxes();
    std::vector<MessageBoxShown> MessageBoxesShown() const;
    // The part of the screen shown alone (a box before any window), or nothing.
    std::optional<RECT> ShownOnly() const;
    std::vector<UINT> BeepsSounded() const;
    // How often the program asked to keep its saves; whether it is told they may be
    // emptied without asking (until reset: no).
    int KeepSavesAsked() const;
    void LetSavesBeCleared(bool mayBeCleared);
    // The files whose host paths end with one of these are not at hand yet, as on a
    // machine that brings files in on demand (until reset: every file is).
    void HoldBackFiles(std::vector<std::string> pathEndings);
    // Whether Quit returns to the title, as in a browser (until reset: no, it ends), and
    // whether the program is set aside now.
    void ReturnToTitleAtQuit(bool returns) { m_quitReturnsToTitle = returns; }
    bool SetAsideNow() const { return m_setAside; }

    // Forgets every script and record, and returns to the real clock.
    void Reset();

private:
    HeadlessBackend();
    bool DisplayStepWorks(DisplayStep step) const;

    mutable std::mutex m_lock;
    Surface m_screen;
    std::vector<RECT> m_presented;
    std::optional<CursorImage> m_cursor;
    bool m_cursorVisible = true;
    std::optional<RECT> m_confinement;
    int m_restores = 0;
    int m_raises = 0;
    std::optional<DisplayStep> m_failingStep;
    bool m_fullScreen = false;
    std::deque<int> m_answers;
    bool m_holdBoxes = false;
    std::optional<RECT> m_shownOnly;
    std::vector<MessageBoxShown> m_boxes;
    std::vector<UINT> m_beeps;
    int m_keepSavesAsked = 0;
    bool m_savesMayBeCleared = false;
    std::vector<std::string> m_heldBack;
    std::atomic<bool> m_quitReturnsToTitle = false;
    std::atomic<bool> m_setAside = false;
};
