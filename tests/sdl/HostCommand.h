#pragma once
// Runs the machine's own tools for the desktop tests: an X server, input, screenshots,
// a print server. A test that needs a tool the machine lacks is skipped, not failed.

#include <string>

struct CommandResult {
    int exitCode;
    std::string output;  // what the command wrote on its standard output
};

// Runs `command` through the shell and waits for it.
CommandResult RunCommand(const std::string& command);
// Whether `tool` is on the search path or in the system's sbin folders.
bool ToolInstalled(const std::string& tool);
// The first tool of a list that is missing, or empty when all are there.
std::string MissingTool(std::initializer_list<const char*> tools);
