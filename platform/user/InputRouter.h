#pragma once
// Input routing: turns the machine's raw input events into the window messages
// Windows would queue for them, addressed to the window that gets each: the pointer's
// to the captured window or the one under the pointer, the keys' to the focus.

#include <bitset>
#include <deque>
#include <optional>

#include "platform/user/FocusAndPointer.h"
#include "platform/user/InputEvent.h"
#include "platform/user/MessageQueue.h"
#include "platform/user/UserTypes.h"
#include "platform/user/WindowTable.h"
#include "platform/user/WindowTree.h"

class InputRouter {
public:
    InputRouter(WindowTable& table, MessageQueue& queue, FocusAndPointer& focusAndPointer,
                WindowTree& tree)
        : m_table(table), m_queue(queue), m_focusAndPointer(focusAndPointer), m_tree(tree) {}

    // The next input message, translating events from the backend until one is queued.
    bool TakeInput(bool remove, MSG* message);
    void Translate(const InputEvent& event);
    // The program moved the pointer to a screen point.
    void WarpPointer(POINT screenPoint);
    // Whether the key is held down, as the key messages translated so far say.
    bool IsKeyDown(UINT virtualKey) const { return virtualKey < kKeys && m_keysDown[virtualKey]; }

    void ForgetWindow(HWND handle);
    void Clear();

private:
    static constexpr UINT kKeys = 256;

    void TranslatePointer(const InputEvent& event);
    void TranslateKey(const InputEvent& event);
    void TranslateActivation(bool active);
    void Minimize();
    void Restore();
    bool AnyMinimized();
    void Enqueue(HWND handle, UINT message, WPARAM wParam, LPARAM lParam);

    WindowTable& m_table;
    MessageQueue& m_queue;
    FocusAndPointer& m_focusAndPointer;
    WindowTree& m_tree;
    std::deque<MSG> m_input;
    WPARAM m_buttons = 0;
    std::bitset<kKeys> m_keysDown;
    // Whether the program is the active one, as its windows were last told; nothing
    // until they are first told.
    std::optional<bool> m_active;
};
