#pragma once
// The playing screen's command buttons: repainted while pressed, so that the down face
// follows the pointer during a press. A press held for kLongPressMilliseconds or more is
// a long press, which a command may take as a different wish (About held opens the
// grown-ups' question).

#include "album/ButtonSubclassOf.h"

class CommandButtonSubclass : public ButtonSubclassOf<CommandButtonSubclass> {
public:
    static constexpr DWORD kLongPressMilliseconds = 3000;

    LRESULT OnMessage(UINT message, WPARAM wParam, LPARAM lParam);

    // True while the command of a button released after a long press runs.
    static bool EndingLongPress() { return ms_EndingLongPress; }

private:
    DWORD m_pressedAt = 0;
    bool m_pressed = false;

    static bool ms_EndingLongPress;
};
