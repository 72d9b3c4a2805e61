#pragma once
// The desktop program's command line: the grown-ups' settings for this run only (they
// do not change the settings file), the album to open by name, the help and the version.

#include <span>
#include <string>

#include "io/GrownUpSettings.h"

struct CommandLine {
    enum class Action { Run, ShowHelp, ShowVersion, Refuse };

    static const char* const kUsage;

    Action action = Action::Run;
    // The settings given, in their order, as the settings file names them.
    GrownUpSettings::Changes settings;
    // Empty: the album without a name.
    std::string album;
    // Refuse: what is wrong, in a line.
    std::string problem;

    // `arguments`: the program's arguments after its name.
    static CommandLine Parse(std::span<const char* const> arguments);
};
