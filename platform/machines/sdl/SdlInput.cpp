#include "platform/machines/sdl/SdlInput.h"

#include <utility>

#include "platform/kernel/TerminationSignals.h"
#include "platform/machines/sdl/KeyMap.h"

namespace {

// Repeats of a held key that are still queued, found and removed by SDL_FilterEvents.
struct QueuedRepeats {
    SDL_Keycode key;
    bool released = false;
};

int SDLCALL DropQueuedRepeat(void* repeats, SDL_Event* event) {
    auto* queued = static_cast<QueuedRepeats*>(repeats);
    if ((event->type != SDL_KEYDOWN && event->type != SDL_KEYUP) ||
        event->key.keysym.sym != queued->key)
        return 1;
    if (event->type == SDL_KEYUP) queued->released = true;
    return event->type == SDL_KEYDOWN && event->key.repeat != 0 ? 0 : 1;
}

}  // namespace

SdlInput::SdlInput(const Letterbox& fit, TouchGesture& touch, SdlPointer& pointer,
                   std::function<void()> refit, std::function<void()> toggleFullScreen)
    : m_fit(fit),
      m_touch(touch),
      m_pointer(pointer),
      m_refit(std::move(refit)),
      m_toggleFullScreen(std::move(toggleFullScreen)) {}

std::optional<InputEvent> SdlInput::Next() {
    if (TerminationSignals::TakeRequest()) return InputEvent{InputEvent::Kind::EndSession};
    if (std::optional<InputEvent> touch = m_touch.Next()) return touch;
    SDL_Event event;
    while (SDL_PollEvent(&event) == 1) {
        if (std::optional<InputEvent> input = Translate(event)) return input;
        if (std::optional<InputEvent> touch = m_touch.Next()) return touch;
    }
    return std::nullopt;
}

InputEvent SdlInput::PointerEvent(InputEvent::Kind kind, Sint32 x, Sint32 y) const {
    return InputEvent{kind, m_fit.ToScreen(POINT{x, y})};
}

std::optional<InputEvent> SdlInput::Translate(const SDL_Event& event) {
    switch (event.type) {
        case SDL_MOUSEMOTION:
            // While a finger is down the pointer is the finger's; the mouse waits.
            if (m_touch.FingerDown()) return std::nullopt;
            return PointerEvent(InputEvent::Kind::PointerMove, event.motion.x, event.motion.y);
        case SDL_MOUSEBUTTONDOWN:
        case SDL_MOUSEBUTTONUP:
            return TranslateButton(event.button);
        case SDL_KEYDOWN:
        case SDL_KEYUP:
            return TranslateKey(event.key);
        case SDL_FINGERDOWN:
        case SDL_FINGERMOTION:
        case SDL_FINGERUP:
            TranslateFinger(event.tfinger);
            return std::nullopt;
        case SDL_WINDOWEVENT:
            return TranslateWindowEvent(event.window);
        // A request to end from outside (a signal): handled like the window's close.
        case SDL_QUIT:
            return InputEvent{InputEvent::Kind::Close};
        default:
            return std::nullopt;
    }
}

std::optional<InputEvent> SdlInput::TranslateButton(const SDL_MouseButtonEvent& event) {
    if (m_touch.FingerDown() || event.which == SDL_TOUCH_MOUSEID) return std::nullopt;
    if (event.button != SDL_BUTTON_LEFT && event.button != SDL_BUTTON_RIGHT) return std::nullopt;
    const auto kind = event.type == SDL_MOUSEBUTTONDOWN ? InputEvent::Kind::ButtonDown
                                                        : InputEvent::Kind::ButtonUp;
    InputEvent input = PointerEvent(kind, event.x, event.y);
    input.button =
        event.button == SDL_BUTTON_LEFT ? InputEvent::Button::Left : InputEvent::Button::Right;
    return input;
}

// A key held down repeats; when the program is busy with the key's command, the
// repeats that queue up meanwhile count as one, and none counts once the key is up
// again, so that the album stops as soon as the key is let go.
std::optional<InputEvent> SdlInput::TranslateKey(const SDL_KeyboardEvent& event) {
    const bool down = event.type == SDL_KEYDOWN;
    if (down && event.keysym.sym == SDLK_F11 && m_toggleFullScreen) {
        if (event.repeat == 0) m_toggleFullScreen();
        return std::nullopt;
    }
    if (down && event.repeat != 0) {
        QueuedRepeats queued{event.keysym.sym};
        SDL_PumpEvents();
        SDL_FilterEvents(DropQueuedRepeat, &queued);
        if (queued.released) return std::nullopt;
    }
    const std::optional<UINT> key = KeyMap::VirtualKey(event.keysym.sym);
    if (!key) return std::nullopt;
    InputEvent input{down ? InputEvent::Kind::KeyDown : InputEvent::Kind::KeyUp};
    input.key = *key;
    return input;
}

void SdlInput::TranslateFinger(const SDL_TouchFingerEvent& event) {
    const POINT windowPoint{static_cast<LONG>(event.x * static_cast<float>(m_fit.WindowWidth())),
                            static_cast<LONG>(event.y * static_cast<float>(m_fit.WindowHeight()))};
    const POINT point = m_fit.ToScreen(windowPoint);
    switch (event.type) {
        case SDL_FINGERDOWN:
            m_touch.Down(event.fingerId, point, windowPoint);
            // A hidden pointer held inside the page must not hold back the finger.
            m_pointer.ApplyConfinement();
            break;
        case SDL_FINGERMOTION:
            m_touch.Move(event.fingerId, point, windowPoint);
            break;
        default:
            m_touch.Up(event.fingerId, point, !m_pointer.Visible());
            m_pointer.ApplyConfinement();
            break;
    }
}

std::optional<InputEvent> SdlInput::TranslateWindowEvent(const SDL_WindowEvent& event) {
    switch (event.event) {
        case SDL_WINDOWEVENT_FOCUS_GAINED: {
            InputEvent input{InputEvent::Kind::Activate};
            input.active = true;
            return input;
        }
        case SDL_WINDOWEVENT_FOCUS_LOST:
            return InputEvent{InputEvent::Kind::Activate};
        case SDL_WINDOWEVENT_MINIMIZED:
            return InputEvent{InputEvent::Kind::Minimize};
        case SDL_WINDOWEVENT_CLOSE:
            return InputEvent{InputEvent::Kind::Close};
        // Shown again: the window system restores its windows, draws them back and
        // presents them.
        case SDL_WINDOWEVENT_RESTORED:
            return InputEvent{InputEvent::Kind::Restore};
        case SDL_WINDOWEVENT_SIZE_CHANGED:
        case SDL_WINDOWEVENT_EXPOSED:
            m_refit();
            return std::nullopt;
        default:
            return std::nullopt;
    }
}
