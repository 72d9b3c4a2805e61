#include "platform/machines/headless/HeadlessInput.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <thread>
#include <utility>

#include "platform/kernel/Kernel.h"

namespace {

// A test whose program waits this long for input that was never scripted is stuck:
// it is ended with a message rather than left hanging.
constexpr DWORD kStarvationLimit = 5000;
constexpr DWORD kWaitForever = 0xFFFFFFFF;

bool MovesThePointer(InputEvent::Kind kind) {
    return kind == InputEvent::Kind::PointerMove || kind == InputEvent::Kind::ButtonDown ||
           kind == InputEvent::Kind::ButtonUp;
}

}  // namespace

std::optional<InputEvent> HeadlessInput::NextInputEvent() {
    for (;;) {
        ScriptItem item;
        {
            std::lock_guard lock(m_lock);
            if (m_script.empty() || std::holds_alternative<Idle>(m_script.front()))
                return std::nullopt;
            item = std::move(m_script.front());
            m_script.pop_front();
            m_starvedWaits = 0;
        }
        if (auto* event = std::get_if<InputEvent>(&item)) {
            if (MovesThePointer(event->kind)) {
                std::lock_guard lock(m_lock);
                m_pointer = event->point;
            }
            return *event;
        }
        std::get<std::function<void()>>(item)();
    }
}

void HeadlessInput::WaitForInput(DWORD milliseconds) {
    if (const std::optional<DWORD> pause = TakePause(milliseconds)) {
        Sleep(*pause);
        return;
    }
    {
        std::lock_guard lock(m_lock);
        if (!m_script.empty()) return;
        if (++m_starvedWaits > kStarvationLimit) {
            std::fprintf(stderr,
                         "headless machine: the program waits for input the test never scripted\n");
            std::abort();
        }
    }
    if (milliseconds != kWaitForever) {
        Sleep(milliseconds);
        return;
    }
    // Another thread may post meanwhile; give it a moment without burning the core.
    std::this_thread::sleep_for(std::chrono::milliseconds(1));
}

std::optional<DWORD> HeadlessInput::TakePause(DWORD longest) {
    std::lock_guard lock(m_lock);
    if (m_script.empty()) return std::nullopt;
    auto* idle = std::get_if<Idle>(&m_script.front());
    if (idle == nullptr) return std::nullopt;
    const DWORD passing = std::min(longest, idle->milliseconds);
    idle->milliseconds -= passing;
    if (idle->milliseconds == 0) m_script.pop_front();
    m_starvedWaits = 0;
    return passing;
}

void HeadlessInput::WarpPointer(POINT screenPoint) {
    std::lock_guard lock(m_lock);
    m_pointer = screenPoint;
}

POINT HeadlessInput::PointerPosition() const {
    std::lock_guard lock(m_lock);
    return m_pointer;
}

void HeadlessInput::Script(ScriptItem item) {
    std::lock_guard lock(m_lock);
    m_script.push_back(std::move(item));
}

void HeadlessInput::MovePointer(POINT screenPoint) {
    Script(InputEvent{InputEvent::Kind::PointerMove, screenPoint});
}

void HeadlessInput::PressButton(POINT screenPoint, InputEvent::Button button) {
    Script(InputEvent{InputEvent::Kind::ButtonDown, screenPoint, button});
}

void HeadlessInput::ReleaseButton(POINT screenPoint, InputEvent::Button button) {
    Script(InputEvent{InputEvent::Kind::ButtonUp, screenPoint, button});
}

void HeadlessInput::Click(POINT screenPoint) {
    MovePointer(screenPoint);
    PressButton(screenPoint);
    ReleaseButton(screenPoint);
}

void HeadlessInput::PressKey(UINT virtualKey) {
    KeyDown(virtualKey);
    KeyUp(virtualKey);
}

void HeadlessInput::KeyDown(UINT virtualKey) {
    Script(InputEvent{InputEvent::Kind::KeyDown, {}, InputEvent::Button::Left, virtualKey});
}

void HeadlessInput::KeyUp(UINT virtualKey) {
    Script(InputEvent{InputEvent::Kind::KeyUp, {}, InputEvent::Button::Left, virtualKey});
}

void HeadlessInput::Activate(bool active) {
    Script(InputEvent{InputEvent::Kind::Activate, {}, InputEvent::Button::Left, 0, active});
}

void HeadlessInput::Minimize() {
    Script(InputEvent{InputEvent::Kind::Minimize});
}
void HeadlessInput::Restore() {
    Script(InputEvent{InputEvent::Kind::Restore});
}
void HeadlessInput::Close() {
    Script(InputEvent{InputEvent::Kind::Close});
}
void HeadlessInput::EndSession() {
    Script(InputEvent{InputEvent::Kind::EndSession});
}
void HeadlessInput::Then(std::function<void()> step) {
    Script(std::move(step));
}

void HeadlessInput::Pause(DWORD milliseconds) {
    Script(Idle{milliseconds});
}

void HeadlessInput::PressKeyFirst(UINT virtualKey) {
    InputEvent down{InputEvent::Kind::KeyDown};
    down.key = virtualKey;
    InputEvent up{InputEvent::Kind::KeyUp};
    up.key = virtualKey;
    std::lock_guard lock(m_lock);
    m_script.push_front(up);
    m_script.push_front(down);
}

void HeadlessInput::ForgetInput() {
    std::lock_guard lock(m_lock);
    m_script.clear();
    m_starvedWaits = 0;
    m_pointer = POINT{};
}
