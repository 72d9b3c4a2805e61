#pragma once
// A finger on a touch screen, turned into the pointer events the album knows. A tap
// is a click. A press that slides away is a pick and a carry: the click completes
// where the finger went down (so a sticker button hands over its sticker), the
// pointer follows the finger, and when the finger lifts with a sticker hanging under
// it (the pointer hidden), a click there drops it. One finger at a time; a second
// finger is ignored until the first lifts.

#include <cstdint>
#include <deque>
#include <optional>

#include "platform/user/InputEvent.h"

class TouchGesture {
public:
    // How far, in window pixels, a finger slides before a press becomes a carry.
    static constexpr LONG kSlideDistance = 12;

    // `finger` names the finger; `point` is in screen pixels, `windowPoint` in window
    // pixels (the slide is measured there, as the finger feels it).
    void Down(int64_t finger, POINT point, POINT windowPoint);
    void Move(int64_t finger, POINT point, POINT windowPoint);
    // `carrying`: whether the pointer is hidden under a carried sticker now.
    void Up(int64_t finger, POINT point, bool carrying);

    bool FingerDown() const { return m_finger.has_value(); }
    // The next pointer event made, oldest first.
    std::optional<InputEvent> Next();

private:
    void Emit(InputEvent::Kind kind, POINT point);

    std::optional<int64_t> m_finger;
    POINT m_pressPoint{};
    POINT m_pressWindowPoint{};
    bool m_sliding = false;
    std::deque<InputEvent> m_events;
};
