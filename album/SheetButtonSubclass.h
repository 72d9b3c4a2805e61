#pragma once
// The playing screen's sheet buttons: they tell the playing screen whether the left
// button is held down inside a sheet button, which decides the face they are drawn with.

#include "album/ButtonSubclassOf.h"

class SheetButtonSubclass : public ButtonSubclassOf<SheetButtonSubclass> {
public:
    // The sheet face's size: a press dragged beyond it no longer counts as pressed in.
    static constexpr WORD kPressedInWidth = 60;
    static constexpr WORD kPressedInHeight = 65;

    LRESULT OnMessage(UINT message, WPARAM wParam, LPARAM lParam);
};
