#include "platform/user/InputRouter.h"

#include "platform/user/UserBackend.h"

namespace {

constexpr LPARAM kPreviouslyDown = 0x40000000;

}  // namespace

bool InputRouter::TakeInput(bool remove, MSG* message) {
    while (m_input.empty()) {
        const std::optional<InputEvent> event = UserBackendSlot::Current().NextInputEvent();
        if (!event) return false;
        Translate(*event);
    }
    *message = m_input.front();
    if (remove) m_input.pop_front();
    return true;
}

void InputRouter::Translate(const InputEvent& event) {
    switch (event.kind) {
        case InputEvent::Kind::PointerMove:
        case InputEvent::Kind::ButtonDown:
        case InputEvent::Kind::ButtonUp:
            TranslatePointer(event);
            break;
        case InputEvent::Kind::KeyDown:
        case InputEvent::Kind::KeyUp:
            TranslateKey(event);
            break;
        case InputEvent::Kind::Activate:
            TranslateActivation(event.active);
            break;
        case InputEvent::Kind::Minimize:
            Minimize();
            break;
        case InputEvent::Kind::Restore:
            Restore();
            break;
        case InputEvent::Kind::Close:
            if (const HWND top = m_table.Topmost()) Enqueue(top, WM_CLOSE, 0, 0);
            break;
        case InputEvent::Kind::EndSession:
            m_queue.EndSession();
            m_queue.PostQuit(0);
            break;
    }
}

void InputRouter::WarpPointer(POINT screenPoint) {
    UserBackendSlot::Current().WarpPointer(screenPoint);
    // Windows answers a moved pointer with a mouse move, as if the user had moved it.
    Translate(InputEvent{InputEvent::Kind::PointerMove, screenPoint});
}

void InputRouter::TranslatePointer(const InputEvent& event) {
    const POINT point = m_focusAndPointer.MoveTo(event.point);
    const WPARAM flag = event.button == InputEvent::Button::Left ? MK_LBUTTON : MK_RBUTTON;
    UINT message = WM_MOUSEMOVE;
    if (event.kind == InputEvent::Kind::ButtonDown) {
        m_buttons |= flag;
        message = flag == MK_LBUTTON ? WM_LBUTTONDOWN : WM_RBUTTONDOWN;
    } else if (event.kind == InputEvent::Kind::ButtonUp) {
        m_buttons &= ~flag;
        message = flag == MK_LBUTTON ? WM_LBUTTONUP : WM_RBUTTONUP;
    }
    const HWND underPointer = m_table.WindowFromPoint(point);
    m_focusAndPointer.CheckLeave(underPointer);
    const HWND capture = m_focusAndPointer.Capture();
    const HWND target = capture != nullptr ? capture : underPointer;
    if (!m_table.ReceivesInput(target)) return;
    if (capture == nullptr) {
        m_queue.Send(target, WM_SETCURSOR, reinterpret_cast<WPARAM>(target),
                     MAKELPARAM(HTCLIENT, static_cast<WORD>(message)));
        if (m_table.Find(target) == nullptr) return;
    }
    const POINT origin = m_table.ClientOrigin(target);
    const POINT client{point.x - origin.x, point.y - origin.y};
    Enqueue(target, message, m_buttons, PointToLParam(client));
}

void InputRouter::TranslateKey(const InputEvent& event) {
    HWND target = m_focusAndPointer.Focus();
    if (target == nullptr) target = m_table.Topmost();
    const bool down = event.kind == InputEvent::Kind::KeyDown;
    // Bit 0 of lParam counts one press; bit 30 says the key was down before (a held
    // key's repeat, or a release), bit 31 marks a release.
    const bool wasDown = IsKeyDown(event.key);
    if (event.key < kKeys) m_keysDown[event.key] = down;
    if (!m_table.ReceivesInput(target)) return;
    const LPARAM details =
        down ? (wasDown ? kPreviouslyDown | 1 : 1) : static_cast<LPARAM>(0xC0000001u);
    Enqueue(target, down ? WM_KEYDOWN : WM_KEYUP, event.key, details);
}

// WM_ACTIVATEAPP goes out only when the program's activation changes, as on Windows,
// however often the desktop repeats itself. A minimised program is not the active
// one: a focus the desktop reports for it meanwhile waits for the restore.
void InputRouter::TranslateActivation(bool active) {
    if (m_active == active || (active && AnyMinimized())) return;
    m_active = active;
    // A key let go while another program had the keys is not held any more.
    if (!active) m_keysDown.reset();
    for (const HWND top : m_table.TopLevelWindows())
        m_queue.Send(top, WM_ACTIVATEAPP, active ? TRUE : FALSE, 0);
}

// The program stops being the active one first, whatever the desktop says of its focus
// and whenever: it lets go of the pointer and falls silent while nobody sees it. Only
// the windows that show are minimised; a hidden one stays hidden at the restore.
void InputRouter::Minimize() {
    TranslateActivation(false);
    for (const HWND top : m_table.TopLevelWindows()) {
        const Window* window = m_table.Find(top);
        if (window != nullptr && window->IsVisible() && !window->iconic)
            m_tree.Show(top, SW_MINIMIZE);
    }
}

// The windows come back as they were, lowest first, each drawn again; and as SW_RESTORE
// does on Windows, the restore makes the program the active one.
void InputRouter::Restore() {
    bool restored = false;
    for (const HWND top : m_table.TopLevelWindows()) {
        const Window* window = m_table.Find(top);
        if (window == nullptr || !window->iconic) continue;
        m_tree.Show(top, SW_RESTORE);
        restored = true;
    }
    if (restored) TranslateActivation(true);
}

bool InputRouter::AnyMinimized() {
    for (const HWND top : m_table.TopLevelWindows()) {
        const Window* window = m_table.Find(top);
        if (window != nullptr && window->iconic) return true;
    }
    return false;
}

void InputRouter::Enqueue(HWND handle, UINT message, WPARAM wParam, LPARAM lParam) {
    m_input.push_back(m_queue.MakeMessage(handle, message, wParam, lParam));
}

void InputRouter::ForgetWindow(HWND handle) {
    std::erase_if(m_input, [handle](const MSG& message) { return message.hwnd == handle; });
}

void InputRouter::Clear() {
    m_input.clear();
    m_buttons = 0;
    m_keysDown.reset();
    m_active.reset();
}
