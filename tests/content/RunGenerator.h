#pragma once
// Runs the build's content generator with the given arguments; its exit status.

#include <cstdlib>
#include <string>

inline int RunGenerator(const std::string& arguments) {
    // The generator's font caches live until exit; leak reports about them would
    // hide its real result.
    const std::string command = std::string("ASAN_OPTIONS=detect_leaks=0 '") +
                                QUILLORY_CONTENT_GENERATOR + "' " + arguments + " > /dev/null 2>&1";
    return std::system(command.c_str());
}
