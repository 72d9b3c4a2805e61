#pragma once
// Runs a picture dialog whose messages an object of the program handles (its
// `Handle(dialog, message, wParam, lParam)`), and knows which such object is on show.
// One dialog of each kind is open at a time; a second one over it hands the first back
// its messages when it ends.

#include <utility>

#include "platform/user/Dialog.h"
#include "platform/user/User.h"

template <typename Owner>
class PictureDialogRun {
public:
    // The object whose dialog is on show, or null.
    static Owner* Running() { return ms_Running; }

    // Runs `layout` modally over `parent` and gives the keys back to `parent` after it.
    static INT_PTR Run(Owner& owner, const DialogLayout& layout, HWND parent) {
        Owner* const outer = std::exchange(ms_Running, &owner);
        const INT_PTR answer = DialogBoxLayout(ProgramInstance(), layout, parent, Procedure, 0);
        ms_Running = outer;
        SetFocus(parent);
        return answer;
    }

private:
    static INT_PTR Procedure(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
        return ms_Running != nullptr ? ms_Running->Handle(dialog, message, wParam, lParam) : FALSE;
    }

    static inline Owner* ms_Running = nullptr;
};
