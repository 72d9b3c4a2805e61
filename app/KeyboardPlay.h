#pragma once
// The keys that play the book without a mouse, on the playing screen. Tab and
// Shift+Tab, and the Left and Right arrows while nothing is carried, move the ring over
// the sheet and sticker buttons; Space or Enter presses the ringed button as a click
// does. While a sticker is carried the arrows move it over the page, Space or Enter
// drops it as a left click does and Escape puts it back as a right click does. A held
// key's repeats move the sticker and the ring, faster after a while, but never press,
// drop or put back again. Every other key is left to the commands.

#include <cstdint>

#include "platform/user/UserTypes.h"

class Album;

class KeyboardPlay {
public:
    explicit KeyboardPlay(Album& album) : m_album(album) {}

    // The key-down `key` with its details (lParam) reached the main window `mainWindow`
    // while playing. False when the key is one for the commands.
    bool OnKeyDown(HWND mainWindow, WPARAM key, LPARAM details);

    // A carried sticker moves this far for a press, and for each repeat of a key held a
    // while. Both are within twice the snap distance (19), so every home can be reached.
    static constexpr LONG kStep = 16;
    static constexpr LONG kFastStep = 32;
    // The repeats of a held arrow before its steps grow.
    static constexpr int32_t kRepeatsBeforeFast = 6;

private:
    bool WhileCarrying(HWND page, WPARAM key, bool again);
    bool WhileChoosing(HWND mainWindow, HWND page, WPARAM key, bool again);
    void MoveRing(bool forward);
    void PressRinged(HWND mainWindow, HWND page);
    void MoveCarried(HWND page, POINT direction);
    void Drop(HWND page);
    void RedrawButton(int32_t command) const;
    HWND ButtonWindow(int32_t command) const;

    Album& m_album;
    // The key-downs in a row that repeat a held key.
    int32_t m_repeats = 0;
};
