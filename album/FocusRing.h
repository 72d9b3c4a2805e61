#pragma once
// The ring the keyboard moves over the sheet and sticker buttons, so that a child
// without a mouse (or with a switch that sends keys) sees which button a press takes.
// It shows nothing until the keyboard first moves it: the album looks the same to a
// child with a mouse. It goes round the sheets, left to right, then the sticker slots
// in their order (down the left, along the bottom, up the right), passing over the
// slots whose sticker is stuck already, as their buttons do nothing.

#include <cstdint>

class StickerSelection;
class StickersUsed;

class FocusRing {
public:
    FocusRing(const StickerSelection& selection, const StickersUsed& stickersUsed)
        : m_selection(selection), m_stickersUsed(stickersUsed) {}

    bool IsShown() const { return m_ringed != 0; }
    // The command of the ringed button, or 0 while the ring is not shown.
    int32_t Ringed() const { return m_ringed; }
    bool Rings(int32_t command) const { return IsShown() && command == m_ringed; }

    // The first move shows the ring on the current sheet's button, where the child is;
    // each later one moves it to the next button (`forward`) or the one before, round
    // from the last to the first.
    void Move(bool forward);

private:
    bool Passes(int32_t command) const;

    const StickerSelection& m_selection;
    const StickersUsed& m_stickersUsed;
    int32_t m_ringed = 0;
};
