#include "tests/sdl/HostCommand.h"

#include <sys/wait.h>

#include <array>
#include <cstdio>

CommandResult RunCommand(const std::string& command) {
    CommandResult result{-1, {}};
    FILE* pipe = popen(command.c_str(), "r");
    if (pipe == nullptr) return result;
    std::array<char, 65536> chunk{};
    size_t read = 0;
    while ((read = std::fread(chunk.data(), 1, chunk.size(), pipe)) > 0)
        result.output.append(chunk.data(), read);
    const int status = pclose(pipe);
    result.exitCode = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    return result;
}

bool ToolInstalled(const std::string& tool) {
    return RunCommand("PATH=\"$PATH:/usr/sbin:/sbin\" command -v '" + tool + "' >/dev/null 2>&1")
               .exitCode == 0;
}

std::string MissingTool(std::initializer_list<const char*> tools) {
    for (const char* tool : tools) {
        if (!ToolInstalled(tool)) return tool;
    }
    return {};
}
