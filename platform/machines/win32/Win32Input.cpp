#include "platform/machines/win32/Win32Input.h"

#include <algorithm>
#include <utility>

#include "platform/kernel/TerminationSignals.h"
#include "platform/machines/win32/VirtualKeys.h"

Win32Input::Win32Input(const Letterbox& fit, TouchGesture& touch, std::function<bool()> carrying,
                       std::function<void()> fingerChanged, std::function<void()> toggleFullScreen)
    : m_fit(fit),
      m_touch(touch),
      m_carrying(std::move(carrying)),
      m_fingerChanged(std::move(fingerChanged)),
      m_toggleFullScreen(std::move(toggleFullScreen)) {}

std::optional<InputEvent> Win32Input::Next() {
    if (TerminationSignals::TakeRequest()) return InputEvent{InputEvent::Kind::EndSession};
    if (std::optional<InputEvent> touch = m_touch.Next()) return touch;
    while (!m_waiting.empty()) {
        const WindowEvent event = m_waiting.front();
        m_waiting.pop_front();
        if (std::optional<InputEvent> input = Translate(event)) return input;
        if (std::optional<InputEvent> touch = m_touch.Next()) return touch;
    }
    return std::nullopt;
}

InputEvent Win32Input::PointerEvent(InputEvent::Kind kind, const WindowEvent& event) const {
    InputEvent input{kind, m_fit.ToScreen(POINT{event.x, event.y})};
    input.button = event.right ? InputEvent::Button::Right : InputEvent::Button::Left;
    return input;
}

std::optional<InputEvent> Win32Input::Translate(const WindowEvent& event) {
    using Kind = WindowEvent::Kind;
    switch (event.kind) {
        // While a finger is down the pointer is the finger's; the mouse waits.
        case Kind::MouseMove:
            if (m_touch.FingerDown()) return std::nullopt;
            return PointerEvent(InputEvent::Kind::PointerMove, event);
        case Kind::MouseDown:
        case Kind::MouseUp:
            if (m_touch.FingerDown()) return std::nullopt;
            return PointerEvent(event.kind == Kind::MouseDown ? InputEvent::Kind::ButtonDown
                                                              : InputEvent::Kind::ButtonUp,
                                event);
        case Kind::FingerDown:
        case Kind::FingerMove:
        case Kind::FingerUp:
            TranslateFinger(event);
            return std::nullopt;
        case Kind::KeyDown:
        case Kind::KeyUp:
            return TranslateKey(event);
        case Kind::Activate: {
            InputEvent input{InputEvent::Kind::Activate};
            input.active = event.active;
            return input;
        }
        case Kind::Minimize:
            return InputEvent{InputEvent::Kind::Minimize};
        case Kind::Restore:
            return InputEvent{InputEvent::Kind::Restore};
        case Kind::Close:
            return InputEvent{InputEvent::Kind::Close};
    }
    return std::nullopt;
}

std::optional<InputEvent> Win32Input::TranslateKey(const WindowEvent& event) {
    const bool down = event.kind == WindowEvent::Kind::KeyDown;
    if (event.key == VirtualKeys::kF11 && m_toggleFullScreen) {
        if (down && !event.repeat) m_toggleFullScreen();
        return std::nullopt;
    }
    if (!VirtualKeys::ProgramReads(event.key)) return std::nullopt;
    if (down && event.repeat && DropQueuedRepeats(event.key)) return std::nullopt;
    InputEvent input{down ? InputEvent::Kind::KeyDown : InputEvent::Kind::KeyUp};
    input.key = event.key;
    return input;
}

bool Win32Input::DropQueuedRepeats(uint32_t key) {
    const auto sameKey = [key](const WindowEvent& queued, WindowEvent::Kind kind) {
        return queued.kind == kind && queued.key == key;
    };
    const bool released = std::any_of(
        m_waiting.begin(), m_waiting.end(),
        [&](const WindowEvent& queued) { return sameKey(queued, WindowEvent::Kind::KeyUp); });
    std::erase_if(m_waiting, [&](const WindowEvent& queued) {
        return sameKey(queued, WindowEvent::Kind::KeyDown) && queued.repeat;
    });
    return released;
}

void Win32Input::TranslateFinger(const WindowEvent& event) {
    const POINT windowPoint{event.x, event.y};
    const POINT point = m_fit.ToScreen(windowPoint);
    switch (event.kind) {
        case WindowEvent::Kind::FingerDown:
            m_touch.Down(event.finger, point, windowPoint);
            m_fingerChanged();
            break;
        case WindowEvent::Kind::FingerMove:
            m_touch.Move(event.finger, point, windowPoint);
            break;
        default:
            m_touch.Up(event.finger, point, m_carrying());
            m_fingerChanged();
            break;
    }
}
