#pragma once
// A short sound that accompanies a user action. Constructing one plays it at once and
// asynchronously; a new effect cuts off one still playing; ending the object leaves
// the sound alone. Callers make it a local object at the point of the action.

#include <cstdint>

#include "platform/kernel/WinTypes.h"

class SoundEffect {
public:
    enum : int32_t {
        kClear = 0,
        kPeel = 1,
        kStick = 2,
        kSelect = 3,
        // A carried sticker goes back to its button; a page is full; the book is full.
        kBoop = 4,
        kJingle = 5,
        kFanfare = 6,
        kCount = 7
    };

    // Plays sound `index`; an index outside the table plays nothing.
    SoundEffect(HWND window, int32_t index);
    virtual ~SoundEffect() = default;

    // The WAVE resource name of sound `index`, or null outside the table.
    static const char* ResourceName(int32_t index);

    // The grown-ups' effects setting, for every effect from now on: off plays none.
    static void SetEffects(bool on, int32_t volumePercent);
};
