#pragma once
// The grown-ups' settings kept in the settings file of the album's base folder. The file
// is read at the first question, once the base folder is known, and written at every
// change.

#include <optional>

#include "album/SettingsKeeper.h"

class SettingsFileKeeper : public SettingsKeeper {
public:
    GrownUpSettings Current() const override;
    void Change(const GrownUpSettings& settings) override;

private:
    mutable std::optional<GrownUpSettings> m_settings;
};
