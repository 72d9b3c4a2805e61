#pragma once
// The title screen's start button: the arrow pointer, nothing else.

#include "album/ButtonSubclassOf.h"

class StartButtonSubclass : public ButtonSubclassOf<StartButtonSubclass> {
public:
    LRESULT OnMessage(UINT message, WPARAM wParam, LPARAM lParam) {
        return CallPreviousProc(message, wParam, lParam);
    }
};
