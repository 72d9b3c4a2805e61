#include "platform/headless/HeadlessBackend.h"

#include "platform/User.h"

HeadlessBackend& HeadlessBackend::Instance() {
    static HeadlessBackend instance;
    return instance;
}

int HeadlessBackend::ShowMessageBox(const std::string& text, const std::string& caption,
                                    UINT type) {
    std::lock_guard lock(m_lock);
    m_boxes.push_back({text, caption, type});
    if (m_answers.empty()) return DefaultMessageBoxAnswer(type);
    const int answer = m_answers.front();
    m_answers.pop_front();
    return answer;
}

void HeadlessBackend::Beep(UINT type) {
    std::lock_guard lock(m_lock);
    m_beeps.push_back(type);
}

DWORD HeadlessBackend::MillisecondClock() {
    {
        std::lock_guard lock(m_lock);
        if (m_virtualClock) return *m_virtualClock;
    }
    return Backend::MillisecondClock();
}

void HeadlessBackend::Sleep(DWORD milliseconds) {
    {
        std::lock_guard lock(m_lock);
        if (m_virtualClock) {
            *m_virtualClock += milliseconds;
            return;
        }
    }
    Backend::Sleep(milliseconds);
}

void HeadlessBackend::ScriptMessageBoxAnswers(std::vector<int> answers) {
    std::lock_guard lock(m_lock);
    m_answers.assign(answers.begin(), answers.end());
}

std::vector<HeadlessBackend::MessageBoxShown> HeadlessBackend::MessageBoxesShown() const {
    std::lock_guard lock(m_lock);
    return m_boxes;
}

std::vector<UINT> HeadlessBackend::BeepsSounded() const {
    std::lock_guard lock(m_lock);
    return m_beeps;
}

void HeadlessBackend::SetVirtualClock(std::optional<DWORD> milliseconds) {
    std::lock_guard lock(m_lock);
    m_virtualClock = milliseconds;
}

void HeadlessBackend::Reset() {
    std::lock_guard lock(m_lock);
    m_answers.clear();
    m_boxes.clear();
    m_beeps.clear();
    m_virtualClock.reset();
}
