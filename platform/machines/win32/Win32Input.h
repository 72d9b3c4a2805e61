#pragma once
// The Windows window's messages turned into the program's input events. Positions are
// taken from the window's pixels to the screen's through the letterbox; a finger on a
// touch screen acts as TouchGesture describes; only the keys the program reads pass
// (VirtualKeys), and F11 toggles full screen where the window allows it. A key held
// down repeats: when the program is busy with the key's command, the repeats that
// queue up meanwhile count as one, and none counts once the key is up again, so that
// the album stops as soon as the key is let go (as on the desktop).

#include <deque>
#include <functional>
#include <optional>

#include "platform/machines/Letterbox.h"
#include "platform/machines/win32/WindowEvent.h"
#include "platform/user/InputEvent.h"
#include "platform/user/TouchGesture.h"

class Win32Input {
public:
    // `fit` and `touch` belong to the window's owner and outlive the input. `carrying`
    // says whether the pointer is hidden under a carried sticker; `fingerChanged` is
    // called when a finger goes down or up (the pointer's hold is lifted meanwhile);
    // `toggleFullScreen` is null where F11 is an ordinary key.
    Win32Input(const Letterbox& fit, TouchGesture& touch, std::function<bool()> carrying,
               std::function<void()> fingerChanged, std::function<void()> toggleFullScreen);

    // A message read by the window procedure, in the order they came.
    void Add(const WindowEvent& event) { m_waiting.push_back(event); }
    // The next input event, or nothing when none is waiting.
    std::optional<InputEvent> Next();

private:
    std::optional<InputEvent> Translate(const WindowEvent& event);
    std::optional<InputEvent> TranslateKey(const WindowEvent& event);
    void TranslateFinger(const WindowEvent& event);
    // Drops the queued repeats of `key`; answers whether it is let go of in the queue.
    bool DropQueuedRepeats(uint32_t key);
    InputEvent PointerEvent(InputEvent::Kind kind, const WindowEvent& event) const;

    const Letterbox& m_fit;
    TouchGesture& m_touch;
    std::function<bool()> m_carrying;
    std::function<void()> m_fingerChanged;
    std::function<void()> m_toggleFullScreen;
    std::deque<WindowEvent> m_waiting;
};
