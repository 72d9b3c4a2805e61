#include "platform/machines/headless/HeadlessBackend.h"

#include <algorithm>
#include <filesystem>
#include <utility>

#include "platform/gdi/DeviceContext.h"
#include "platform/machines/headless/PngFile.h"
#include "platform/user/ScreenSize.h"
#include "platform/user/User.h"

HeadlessBackend& HeadlessBackend::Instance() {
    static HeadlessBackend instance;
    return instance;
}

HeadlessBackend::HeadlessBackend() : m_screen(kScreenWidth, kScreenHeight) {}

void HeadlessBackend::Present(const Surface& screen, const RECT& area) {
    std::lock_guard lock(m_lock);
    RECT inside{};
    const RECT bounds = m_screen.Bounds();
    const RECT source = screen.Bounds();
    if (!IntersectRect(&inside, &area, &bounds) || !IntersectRect(&inside, &inside, &source))
        return;
    for (LONG y = inside.top; y < inside.bottom; ++y) {
        std::copy(screen.Row(y) + inside.left, screen.Row(y) + inside.right,
                  m_screen.Row(y) + inside.left);
    }
    m_presented.push_back(inside);
}

void HeadlessBackend::SetCursorImage(const CursorImage* image) {
    std::lock_guard lock(m_lock);
    m_cursor = image != nullptr ? std::optional<CursorImage>(*image) : std::nullopt;
}

void HeadlessBackend::SetCursorVisible(bool visible) {
    std::lock_guard lock(m_lock);
    m_cursorVisible = visible;
}

void HeadlessBackend::ConfinePointer(const RECT* area) {
    std::lock_guard lock(m_lock);
    m_confinement = area != nullptr ? std::optional<RECT>(*area) : std::nullopt;
}

void HeadlessBackend::RestoreWindow() {
    std::lock_guard lock(m_lock);
    ++m_restores;
}

void HeadlessBackend::RaiseWindow() {
    std::lock_guard lock(m_lock);
    ++m_raises;
}

bool HeadlessBackend::DisplayStepWorks(DisplayStep step) const {
    return m_failingStep != step;
}

bool HeadlessBackend::OpenDisplay() {
    std::lock_guard lock(m_lock);
    return DisplayStepWorks(DisplayStep::Open);
}

bool HeadlessBackend::TakeDisplayExclusively() {
    std::lock_guard lock(m_lock);
    return DisplayStepWorks(DisplayStep::TakeExclusive);
}

bool HeadlessBackend::SetDisplayMode(LONG width, LONG height, LONG bitsPerPixel) {
    std::lock_guard lock(m_lock);
    if (!DisplayStepWorks(DisplayStep::SetMode) || width <= 0 || height <= 0 || bitsPerPixel != 32)
        return false;
    m_fullScreen = true;
    return true;
}

bool HeadlessBackend::RestoreDisplayMode() {
    std::lock_guard lock(m_lock);
    if (!DisplayStepWorks(DisplayStep::Restore)) return false;
    m_fullScreen = false;
    return true;
}

bool HeadlessBackend::CloseDisplay() {
    std::lock_guard lock(m_lock);
    return DisplayStepWorks(DisplayStep::Close);
}

// The box is a real window of the program's: a scripted answer is given as a user
// gives it, with Enter (the first button) or Escape (Cancel, No), before any other
// input the script holds.
void HeadlessBackend::MessageBoxOpened(const std::string& text, const std::string& caption,
                                       UINT type) {
    std::lock_guard lock(m_lock);
    m_boxes.push_back({text, caption, type});
    std::optional<UINT> key;
    if (!m_answers.empty()) {
        const int answer = m_answers.front();
        m_answers.pop_front();
        key = static_cast<UINT>(answer == IDOK || answer == IDYES ? VK_RETURN : VK_ESCAPE);
    } else if (!m_holdBoxes) {
        key = static_cast<UINT>(VK_RETURN);
    }
    if (key) PressKeyFirst(*key);
}

void HeadlessBackend::Beep(UINT type) {
    std::lock_guard lock(m_lock);
    m_beeps.push_back(type);
}

bool HeadlessBackend::RunUntilIdle() {
    MSG message{};
    while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
        if (message.message == WM_QUIT) {
            PostQuitMessage(static_cast<int>(message.wParam));
            return false;
        }
        TranslateMessage(&message);
        DispatchMessageA(&message);
    }
    return true;
}

std::vector<RECT> HeadlessBackend::TakePresentedAreas() {
    std::lock_guard lock(m_lock);
    return std::exchange(m_presented, {});
}

bool HeadlessBackend::SaveScreen(const std::string& hostPath) const {
    std::lock_guard lock(m_lock);
    return SavePng(m_screen, hostPath);
}

void HeadlessBackend::FailDisplayAt(std::optional<DisplayStep> step) {
    std::lock_guard lock(m_lock);
    m_failingStep = step;
}

void HeadlessBackend::ShowOnly(const RECT* area) {
    std::lock_guard lock(m_lock);
    m_shownOnly = area != nullptr ? std::optional<RECT>(*area) : std::nullopt;
}

std::optional<RECT> HeadlessBackend::ShownOnly() const {
    std::lock_guard lock(m_lock);
    return m_shownOnly;
}

void HeadlessBackend::HoldMessageBoxes() {
    std::lock_guard lock(m_lock);
    m_holdBoxes = true;
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

void HeadlessBackend::Reset() {
    ForgetInput();
    ForgetPrinting();
    SetVirtualClock(std::nullopt);
    std::lock_guard lock(m_lock);
    m_screen.Fill(0);
    m_presented.clear();
    m_cursor.reset();
    m_cursorVisible = true;
    m_confinement.reset();
    m_restores = m_raises = 0;
    m_failingStep.reset();
    m_fullScreen = false;
    m_answers.clear();
    m_holdBoxes = false;
    m_shownOnly.reset();
    m_boxes.clear();
    m_beeps.clear();
    m_keepSavesAsked = 0;
    m_savesMayBeCleared = false;
    m_heldBack.clear();
    m_quitReturnsToTitle = false;
    m_setAside = false;
}

std::string HeadlessBackend::SettingsFolder() {
    return (std::filesystem::current_path() / "config").string();
}

void HeadlessBackend::KeepSaves() {
    std::lock_guard lock(m_lock);
    ++m_keepSavesAsked;
}

bool HeadlessBackend::SavesMayBeCleared() {
    std::lock_guard lock(m_lock);
    return m_savesMayBeCleared;
}

bool HeadlessBackend::IsAtHand(const std::string& hostPath) {
    std::lock_guard lock(m_lock);
    return std::none_of(m_heldBack.begin(), m_heldBack.end(),
                        [&](const std::string& ending) { return hostPath.ends_with(ending); });
}

void HeadlessBackend::HoldBackFiles(std::vector<std::string> pathEndings) {
    std::lock_guard lock(m_lock);
    m_heldBack = std::move(pathEndings);
}

int HeadlessBackend::KeepSavesAsked() const {
    std::lock_guard lock(m_lock);
    return m_keepSavesAsked;
}

void HeadlessBackend::LetSavesBeCleared(bool mayBeCleared) {
    std::lock_guard lock(m_lock);
    m_savesMayBeCleared = mayBeCleared;
}
