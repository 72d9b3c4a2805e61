#pragma once
// The grown-ups' settings file at one path. Reading never fails: a missing file gives the
// defaults, and a damaged or foreign one gives the defaults and one line in the log and
// on the standard error saying which file and why. Writing replaces the file whole or
// not at all.

#include <string>
#include <utility>

#include "io/GrownUpSettings.h"

class SettingsFile {
public:
    // `path`: the file's full path; its folder must exist for a write to succeed.
    explicit SettingsFile(std::string path) : m_path(std::move(path)) {}

    const std::string& Path() const { return m_path; }

    GrownUpSettings Read() const;
    // A save that fails keeps the old file and is told like any failed save (SaveProblems).
    void Write(const GrownUpSettings& settings) const;

private:
    void TellDefaultsTaken(const std::string& why) const;

    std::string m_path;
};
