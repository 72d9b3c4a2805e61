#include "platform/user/TouchGesture.h"

#include <cstdlib>

void TouchGesture::Down(int64_t finger, POINT point, POINT windowPoint) {
    if (m_finger) return;
    m_finger = finger;
    m_pressPoint = point;
    m_pressWindowPoint = windowPoint;
    m_sliding = false;
    Emit(InputEvent::Kind::PointerMove, point);
    Emit(InputEvent::Kind::ButtonDown, point);
}

void TouchGesture::Move(int64_t finger, POINT point, POINT windowPoint) {
    if (m_finger != finger) return;
    if (!m_sliding && (std::abs(windowPoint.x - m_pressWindowPoint.x) > kSlideDistance ||
                       std::abs(windowPoint.y - m_pressWindowPoint.y) > kSlideDistance)) {
        m_sliding = true;
        Emit(InputEvent::Kind::ButtonUp, m_pressPoint);
    }
    Emit(InputEvent::Kind::PointerMove, point);
}

void TouchGesture::Up(int64_t finger, POINT point, bool carrying) {
    if (m_finger != finger) return;
    m_finger.reset();
    Emit(InputEvent::Kind::PointerMove, point);
    if (!m_sliding) {
        Emit(InputEvent::Kind::ButtonUp, point);
    } else if (carrying) {
        Emit(InputEvent::Kind::ButtonDown, point);
        Emit(InputEvent::Kind::ButtonUp, point);
    }
}

std::optional<InputEvent> TouchGesture::Next() {
    if (m_events.empty()) return std::nullopt;
    const InputEvent next = m_events.front();
    m_events.pop_front();
    return next;
}

void TouchGesture::Emit(InputEvent::Kind kind, POINT point) {
    m_events.push_back(InputEvent{kind, point});
}
