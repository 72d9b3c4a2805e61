#pragma once
// Runs the machine's own tools for the desktop tests (an X server, input, screenshots,
// a print server) and reads what they write: binary PPM pictures (P6, 8 bits a
// channel) and SDL's disk audio.
// A test that needs a tool the machine lacks is skipped, not failed.

#include <optional>
#include <string>
#include <vector>

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

// The left channel of what SDL's disk audio driver wrote: 32-bit float stereo.
std::vector<float> ReadDiskAudio(const std::string& path);

// A PPM picture as a surface of 0x00RRGGBB pixels, and a surface as one.
std::optional<Surface> ReadPpm(const std::string& bytes);
std::string WritePpm(const Surface& picture);
