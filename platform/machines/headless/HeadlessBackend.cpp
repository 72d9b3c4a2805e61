#include "platform/machines/headless/HeadlessBackend.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <thread>
#include <utility>

#include "platform/gdi/DeviceContext.h"
#include "platform/machines/headless/PngFile.h"
#include "platform/user/ScreenSize.h"
#include "platform/user/User.h"

namespace {

// A test whose program waits this long for input that was never scripted is stuck:
// it is ended with a message rather than left hanging.
constexpr DWORD kStarvationLimit = 5000;

}  // namespace

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

std::optional<InputEvent> HeadlessBackend::NextInputEvent() {
    for (;;) {
        ScriptItem item;
        {
            std::lock_guard lock(m_lock);
            if (m_script.empty()) return std::nullopt;
            item = std::move(m_script.front());
            m_script.pop_front();
            m_starvedWaits = 0;
        }
        if (auto* event = std::get_if<InputEvent>(&item)) {
            if (event->kind == InputEvent::Kind::PointerMove ||
                event->kind == InputEvent::Kind::ButtonDown ||
                event->kind == InputEvent::Kind::ButtonUp) {
                std::lock_guard lock(m_lock);
                m_pointer = event->point;
            }
            return *event;
        }
        std::get<std::function<void()>>(item)();
    }
}

void HeadlessBackend::WaitForInput(DWORD) {
    {
        std::lock_guard lock(m_lock);
        if (!m_script.empty()) return;
        if (++m_starvedWaits > kStarvationLimit) {
            std::fprintf(stderr,
                         "headless machine: the program waits for input the test never scripted\n");
            std::abort();
        }
    }
    // Another thread may post meanwhile; give it a moment without burning the core.
    std::this_thread::sleep_for(std::chrono::milliseconds(1));
}

void HeadlessBackend::SetCursorImage(const CursorImage* image) {
    std::lock_guard lock(m_lock);
    m_cursor = image != nullptr ? std::optional<CursorImage>(*image) : std::nullopt;
}

void HeadlessBackend::SetCursorVisible(bool visible) {
    std::lock_guard lock(m_lock);
    m_cursorVisible = visible;
}

void HeadlessBackend::WarpPointer(POINT screenPoint) {
    std::lock_guard lock(m_lock);
    m_pointer = screenPoint;
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

std::optional<PrinterDescription> HeadlessBackend::DefaultPrinter() {
    std::lock_guard lock(m_lock);
    return m_printer;
}

bool HeadlessBackend::ConfirmPrinting(bool landscape) {
    std::lock_guard lock(m_lock);
    m_askedLandscape = landscape;
    if (m_printerAnswers.empty()) return true;
    const PrinterAnswer answer = m_printerAnswers.front();
    m_printerAnswers.pop_front();
    return answer == PrinterAnswer::Confirm;
}

bool HeadlessBackend::StartPrintJob(const std::string& documentName) {
    std::lock_guard lock(m_lock);
    if (!m_printer || m_printing) return false;
    m_printing = true;
    m_documents.push_back(documentName);
    return true;
}

bool HeadlessBackend::PrintPage(const Surface& page) {
    std::lock_guard lock(m_lock);
    if (!m_printing) return false;
    m_printed.push_back(page);
    return true;
}

bool HeadlessBackend::EndPrintJob() {
    std::lock_guard lock(m_lock);
    const bool wasPrinting = m_printing;
    m_printing = false;
    return wasPrinting;
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
    if (!key) return;
    InputEvent down{InputEvent::Kind::KeyDown};
    down.key = *key;
    InputEvent up{InputEvent::Kind::KeyUp};
    up.key = *key;
    m_script.push_front(up);
    m_script.push_front(down);
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

void HeadlessBackend::Script(ScriptItem item) {
    std::lock_guard lock(m_lock);
    m_script.push_back(std::move(item));
}

void HeadlessBackend::MovePointer(POINT screenPoint) {
    Script(InputEvent{InputEvent::Kind::PointerMove, screenPoint});
}

void HeadlessBackend::PressButton(POINT screenPoint, InputEvent::Button button) {
    Script(InputEvent{InputEvent::Kind::ButtonDown, screenPoint, button});
}

void HeadlessBackend::ReleaseButton(POINT screenPoint, InputEvent::Button button) {
    Script(InputEvent{InputEvent::Kind::ButtonUp, screenPoint, button});
}

void HeadlessBackend::Click(POINT screenPoint) {
    MovePointer(screenPoint);
    PressButton(screenPoint);
    ReleaseButton(screenPoint);
}

void HeadlessBackend::PressKey(UINT virtualKey) {
    Script(InputEvent{InputEvent::Kind::KeyDown, {}, InputEvent::Button::Left, virtualKey});
    Script(InputEvent{InputEvent::Kind::KeyUp, {}, InputEvent::Button::Left, virtualKey});
}

void HeadlessBackend::Activate(bool active) {
    Script(InputEvent{InputEvent::Kind::Activate, {}, InputEvent::Button::Left, 0, active});
}

void HeadlessBackend::Minimize() {
    Script(InputEvent{InputEvent::Kind::Minimize});
}
void HeadlessBackend::Restore() {
    Script(InputEvent{InputEvent::Kind::Restore});
}
void HeadlessBackend::Close() {
    Script(InputEvent{InputEvent::Kind::Close});
}
void HeadlessBackend::EndSession() {
    Script(InputEvent{InputEvent::Kind::EndSession});
}
void HeadlessBackend::Then(std::function<void()> step) {
    Script(std::move(step));
}

bool HeadlessBackend::ScriptDone() const {
    std::lock_guard lock(m_lock);
    return m_script.empty();
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

void HeadlessBackend::InstallPrinter(std::optional<PrinterDescription> printer) {
    std::lock_guard lock(m_lock);
    m_printer = std::move(printer);
}

void HeadlessBackend::ScriptPrinterAnswers(std::vector<PrinterAnswer> answers) {
    std::lock_guard lock(m_lock);
    m_printerAnswers.assign(answers.begin(), answers.end());
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

void HeadlessBackend::SetVirtualClock(std::optional<DWORD> milliseconds) {
    std::lock_guard lock(m_lock);
    m_virtualClock = milliseconds;
}

void HeadlessBackend::Reset() {
    std::lock_guard lock(m_lock);
    m_script.clear();
    m_starvedWaits = 0;
    m_screen.Fill(0);
    m_presented.clear();
    m_cursor.reset();
    m_cursorVisible = true;
    m_pointer = POINT{};
    m_confinement.reset();
    m_restores = m_raises = 0;
    m_failingStep.reset();
    m_fullScreen = false;
    m_printer.reset();
    m_printerAnswers.clear();
    m_askedLandscape = false;
    m_printing = false;
    m_printed.clear();
    m_documents.clear();
    m_answers.clear();
    m_holdBoxes = false;
    m_shownOnly.reset();
    m_boxes.clear();
    m_beeps.clear();
    m_virtualClock.reset();
}
