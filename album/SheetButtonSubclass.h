#pragma once
// The playing screen's sheet buttons: they tell the book's selection whether the left
// button is held down inside a sheet button, which decides the face they are drawn with.

#include "album/ButtonSubclassOf.h"

class StickerSelection;

class SheetButtonSubclass : public ButtonSubclassOf<SheetButtonSubclass> {
public:
    // The sheet face's size: a press dragged beyond it no longer counts as pressed in.
    static constexpr WORD kPressedInWidth = 60;
    static constexpr WORD kPressedInHeight = 65;

    // The selection told of presses; without one the button only passes its messages on.
    void SetSelection(StickerSelection* selection) { m_selection = selection; }

    LRESULT OnMessage(UINT message, WPARAM wParam, LPARAM lParam);

private:
    void TellPressedIn(bool pressedIn);

    StickerSelection* m_selection = nullptr;
};
