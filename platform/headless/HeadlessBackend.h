#pragma once
// The in-memory machine: no screen, no sound card. Tests script its answers (which
// button a message box gets) and read back what the program asked of it.

#include <deque>
#include <mutex>
#include <optional>
#include <string>
#include <vector>

#include "platform/Backend.h"

class HeadlessBackend : public Backend {
public:
    struct MessageBoxShown {
        std::string text;
        std::string caption;
        UINT type;
    };

    static HeadlessBackend& Instance();

    int ShowMessageBox(const std::string& text, const std::string& caption, UINT type) override;
    void Beep(UINT type) override;
    DWORD MillisecondClock() override;
    void Sleep(DWORD milliseconds) override;

    // The next message boxes are answered with these ids in turn; once the script
    // runs out each box gets the default button's id (IDOK for OK/Cancel boxes).
    void ScriptMessageBoxAnswers(std::vector<int> answers);
    std::vector<MessageBoxShown> MessageBoxesShown() const;
    std::vector<UINT> BeepsSounded() const;

    // A virtual clock for tests: once set, MillisecondClock answers it and Sleep
    // advances it instead of waiting.
    void SetVirtualClock(std::optional<DWORD> milliseconds);

    // Forgets every script and record, and returns to the real clock.
    void Reset();

private:
    mutable std::mutex m_lock;
    std::deque<int> m_answers;
    std::vector<MessageBoxShown> m_boxes;
    std::vector<UINT> m_beeps;
    std::optional<DWORD> m_virtualClock;
};
