#pragma once
// The desktop's input: SDL's events turned into the program's input events. SDL gives
// raw input only (no automatic mouse capture, clicks go through to an inactive window);
// the window system decides capture, focus and hover. Pointer positions arrive in
// pixels of the program's screen; a finger on a touch screen acts as TouchGesture
// describes. Some events are the window's business rather than the program's: a new
// size or an uncovered window fits the screen again, and F11 in a window toggles full
// screen.

#include <SDL2/SDL_events.h>

#include <functional>
#include <optional>

#include "platform/machines/Letterbox.h"
#include "platform/machines/sdl/SdlPointer.h"
#include "platform/user/InputEvent.h"
#include "platform/user/TouchGesture.h"

class SdlInput {
public:
    // `fit`, `touch` and `pointer` belong to the window's owner and outlive the input;
    // `toggleFullScreen` is null where F11 is an ordinary key.
    SdlInput(const Letterbox& fit, TouchGesture& touch, SdlPointer& pointer,
             std::function<void()> refit, std::function<void()> toggleFullScreen);

    // The next input event, or nothing when none is waiting.
    std::optional<InputEvent> Next();

private:
    std::optional<InputEvent> Translate(const SDL_Event& event);
    std::optional<InputEvent> TranslateButton(const SDL_MouseButtonEvent& event);
    std::optional<InputEvent> TranslateWindowEvent(const SDL_WindowEvent& event);
    std::optional<InputEvent> TranslateKey(const SDL_KeyboardEvent& event);
    void TranslateFinger(const SDL_TouchFingerEvent& event);
    InputEvent PointerEvent(InputEvent::Kind kind, Sint32 x, Sint32 y) const;

    const Letterbox& m_fit;
    TouchGesture& m_touch;
    SdlPointer& m_pointer;
    std::function<void()> m_refit;
    std::function<void()> m_toggleFullScreen;
};
