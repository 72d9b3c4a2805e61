#pragma once
// Runs the machine's own tools for the desktop tests (an X server, input, screenshots,
// a print server) and reads the binary PPM pictures (P6, 8 bits a channel) they write.
// A test that needs a tool the machine lacks is skipped, not failed.

#include <optional>
#include <string>

#include "platform/Surface.h"

struct CommandResult {
    int exitCode;
    std::string output;  // what the command wrote on its standard output
};

// Runs `command` through the shell and waits for it.
CommandResult RunCommand(const std::string& command);
// The first tool of a list that is not on the search path or in the system's sbin
// folders, or empty when all are there.
std::string MissingTool(std::initializer_list<const char*> tools);

// A PPM picture as a surface of 0x00RRGGBB pixels, and a surface as one.
std::optional<Surface> ReadPpm(const std::string& bytes);
std::string WritePpm(const Surface& picture);
