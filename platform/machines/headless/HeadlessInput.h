#pragma once
// The headless machine's input: what a user would do, scripted by a test and delivered
// in order as the program asks for input, and where the pointer is.

#include <deque>
#include <functional>
#include <mutex>
#include <variant>

#include "platform/user/UserBackend.h"

class HeadlessInput : public virtual UserBackend {
public:
    std::optional<InputEvent> NextInputEvent() override;
    // Returns at once while input is scripted; a scripted pause, or a wait with an end
    // when nothing is scripted, lets the time pass (on the virtual clock, at once). A
    // program that waits ever longer for input that was never scripted ends with a
    // message.
    void WaitForInput(DWORD milliseconds) override;
    void WarpPointer(POINT screenPoint) override;

    // Scripted input, delivered in order as the program asks for input.
    void MovePointer(POINT screenPoint);
    void PressButton(POINT screenPoint, InputEvent::Button button = InputEvent::Button::Left);
    void ReleaseButton(POINT screenPoint, InputEvent::Button button = InputEvent::Button::Left);
    void Click(POINT screenPoint);
    void PressKey(UINT virtualKey);  // down, then up
    // A key held: down, and (with KeyUp) up later, after other steps.
    void KeyDown(UINT virtualKey);
    void KeyUp(UINT virtualKey);
    void Activate(bool active);
    // The desktop minimises the album's window, and shows it again.
    void Minimize();
    void Restore();
    void Close();
    // The session ends, as a termination signal ends it on the desktop.
    void EndSession();
    // Runs `step` when the script reaches it: to look at a modal dialog while it runs.
    void Then(std::function<void()> step);
    // The user does nothing for `milliseconds`: the program's timers come due meanwhile.
    void Pause(DWORD milliseconds);

    POINT PointerPosition() const;

protected:
    // Presses and releases `virtualKey` before any other input the script holds.
    void PressKeyFirst(UINT virtualKey);
    // Forgets the script and puts the pointer back at the screen's corner.
    void ForgetInput();

private:
    struct Idle {
        DWORD milliseconds;
    };
    using ScriptItem = std::variant<InputEvent, std::function<void()>, Idle>;
    void Script(ScriptItem item);
    // How long the wait lasts that the scripted pause in front asks for, if one is there.
    std::optional<DWORD> TakePause(DWORD longest);

    mutable std::mutex m_lock;
    std::deque<ScriptItem> m_script;
    DWORD m_starvedWaits = 0;
    POINT m_pointer{};
};
