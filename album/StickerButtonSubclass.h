#pragma once
// The 28 sticker buttons: they follow the pointer (over, pressed, released inside,
// away) with a leave notification, and hand their draw requests to the current screen
// together with that mouse state.

#include "album/ButtonSubclassOf.h"

class PhaseOnShow;

class StickerButtonSubclass : public ButtonSubclassOf<StickerButtonSubclass> {
public:
    // Inside the button's face means x and y below this.
    static constexpr WORD kFaceSide = 61;

    // The screens that draw the button; without them the button draws nothing.
    void SetPhaseOnShow(const PhaseOnShow* phase) { m_phase = phase; }

    LRESULT OnMessage(UINT message, WPARAM wParam, LPARAM lParam);

private:
    static bool Inside(LPARAM lParam);
    void OnMouseMove(WPARAM wParam, LPARAM lParam);
    void OnDrawItem(WPARAM wParam, LPARAM lParam) const;

    const PhaseOnShow* m_phase = nullptr;
};
