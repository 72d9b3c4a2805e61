#pragma once
// The grown-ups' settings of a running album: read from the settings file in the
// machine's settings folder when the album is made, with the settings given for this run
// only (the command line's) on top, and applied to the music and the sound effects.
// Whatever changes settings while the album runs (the grown-ups' panel) reads them here
// and changes them here: a change is saved and applied at once. Only what a change
// changes reaches the file, so that a setting given for this run only stays out of it.

#include <string>

#include "io/GrownUpSettings.h"
#include "io/SettingsFile.h"

class SettingsHolder {
public:
    static constexpr const char* kFileName = "settings.conf";

    explicit SettingsHolder(const GrownUpSettings::Changes& forThisRun = {});

    GrownUpSettings Current() const { return m_current; }
    // Saves `settings` (creating the settings folder when it is missing) and applies them.
    void Change(const GrownUpSettings& settings);

    const std::string& FilePath() const { return m_file.Path(); }

private:
    void Apply() const;

    std::string m_folder;
    SettingsFile m_file;
    // As the file holds them, and as they are for this run.
    GrownUpSettings m_saved;
    GrownUpSettings m_current;
};
