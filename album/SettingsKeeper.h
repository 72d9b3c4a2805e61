#pragma once
// The one holder of the grown-ups' settings while the album runs. A change is kept at
// once, so that it lasts into the next start, and takes effect through whoever holds
// the settings.

#include "io/GrownUpSettings.h"

class SettingsKeeper {
public:
    virtual ~SettingsKeeper() = default;

    virtual GrownUpSettings Current() const = 0;
    virtual void Change(const GrownUpSettings& settings) = 0;
};
