#pragma once
// The playing screen's command buttons: repainted while pressed, so that the down face
// follows the pointer during a press.

#include "album/ButtonSubclassOf.h"

class CommandButtonSubclass : public ButtonSubclassOf<CommandButtonSubclass> {
public:
    LRESULT OnMessage(UINT message, WPARAM wParam, LPARAM lParam);
};
