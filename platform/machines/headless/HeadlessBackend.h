#pragma once
// The in-memory machine: a 1024 x 768 screen in memory, scripted input, scripted
// answers for message boxes and the printer, and a record of everything the program
// asked of it. Tests script what a user would do, run the message loop until it is
// idle, and read back the screen's pixels, the cursor and what was printed.

#include <deque>
#include <functional>
#include <mutex>
#include <optional>
#include <string>
#include <variant>
#include <vector>

#include "platform/machines/Backend.h"
#include "platform/user/Cursor.h"

class HeadlessBackend : public Backend {
public:
    struct MessageBoxShown {
        std::string text;
        std::string caption;
        UINT type;
    };
    enum class DisplayStep { Open, TakeExclusive, SetMode, Restore, Close };
    enum class PrinterAnswer { Confirm, Cancel };

    static HeadlessBackend& Instance();

    void Present(const Surface& screen, const RECT& area) override;
    std::optional<InputEvent> NextInputEvent() override;
    void WaitForInput(DWORD milliseconds) override;
    void SetCursorImage(const CursorImage* image) override;
    void SetCursorVisible(bool visible) override;
    void WarpPointer(POINT screenPoint) override;
    void ConfinePointer(const RECT* area) override;
    void RestoreWindow() override;
    void RaiseWindow() override;
    bool OpenDisplay() override;
    bool TakeDisplayExclusively() override;
    bool SetDisplayMode(LONG width, LONG height, LONG bitsPerPixel) override;
    bool RestoreDisplayMode() override;
    bool CloseDisplay() override;
    std::optional<PrinterDescription> DefaultPrinter() override;
    bool ConfirmPrinting(bool landscape) override;
    bool StartPrintJob(const std::string& documentName) override;
    bool PrintPage(const Surface& page) override;
    bool EndPrintJob() override;
    void MessageBoxOpened(const std::string& text, const std::string& caption, UINT type) override;
    void ShowOnly(const RECT* area) override;
    void Beep(UINT type) override;
    DWORD MillisecondClock() override;
    void Sleep(DWORD milliseconds) override;

    // Scripted input, delivered in order as the program asks for input.
    void MovePointer(POINT screenPoint);
    void PressButton(POINT screenPoint, InputEvent::Button button = InputEvent::Button::Left);
    void ReleaseButton(POINT screenPoint, InputEvent::Button button = InputEvent::Button::Left);
    void Click(POINT screenPoint);
    void PressKey(UINT virtualKey);  // down, then up
    void Activate(bool active);
    // The desktop minimises the album's window, and shows it again.
    void Minimize();
    void Restore();
    void Close();
    // The session ends, as a termination signal ends it on the desktop.
    void EndSession();
    // Runs `step` when the script reaches it: to look at a modal dialog while it runs.
    void Then(std::function<void()> step);
    bool ScriptDone() const;

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
    POINT PointerPosition() const { return m_pointer; }
    std::optional<RECT> PointerConfinement() const { return m_confinement; }
    int RestoreCount() const { return m_restores; }
    int RaiseCount() const { return m_raises; }

    // The display switch fails at `step` (and nowhere else) until reset.
    void FailDisplayAt(std::optional<DisplayStep> step);
    bool FullScreen() const { return m_fullScreen; }

    // The printer: none, or one of the size given; and the next answers of the print dialog.
    void InstallPrinter(std::optional<PrinterDescription> printer);
    void ScriptPrinterAnswers(std::vector<PrinterAnswer> answers);
    const std::vector<Surface>& PrintedPages() const { return m_printed; }
    std::vector<std::string> PrintedDocuments() const { return m_documents; }
    bool LastPrintAskedLandscape() const { return m_askedLandscape; }

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

    // A virtual clock for tests: once set, MillisecondClock answers it and Sleep
    // advances it instead of waiting.
    void SetVirtualClock(std::optional<DWORD> milliseconds);

    // Forgets every script and record, and returns to the real clock.
    void Reset();

private:
    HeadlessBackend();
    using ScriptItem = std::variant<InputEvent, std::function<void()>>;
    void Script(ScriptItem item);
    bool DisplayStepWorks(DisplayStep step) const;

    mutable std::mutex m_lock;
    std::deque<ScriptItem> m_script;
    DWORD m_starvedWaits = 0;
    Surface m_screen;
    std::vector<RECT> m_presented;
    std::optional<CursorImage> m_cursor;
    bool m_cursorVisible = true;
    POINT m_pointer{};
    std::optional<RECT> m_confinement;
    int m_restores = 0;
    int m_raises = 0;
    std::optional<DisplayStep> m_failingStep;
    bool m_fullScreen = false;
    std::optional<PrinterDescription> m_printer;
    std::deque<PrinterAnswer> m_printerAnswers;
    bool m_askedLandscape = false;
    bool m_printing = false;
    std::vector<Surface> m_printed;
    std::vector<std::string> m_documents;
    std::deque<int> m_answers;
    bool m_holdBoxes = false;
    std::optional<RECT> m_shownOnly;
    std::vector<MessageBoxShown> m_boxes;
    std::vector<UINT> m_beeps;
    std::optional<DWORD> m_virtualClock;
};
