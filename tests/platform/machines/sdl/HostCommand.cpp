#include "tests/platform/machines/sdl/HostCommand.h"

#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <array>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <thread>
#include <utility>

#include "tests/support/Files.h"

CommandResult RunCommand(const std::string& command) {
    CommandResult result{-1, {}};
    FILE* pipe = popen(command.c_str(), "r");
    if (pipe == nullptr) return result;
    std::array<char, 65536> chunk{};
    for (size_t read = 0; (read = std::fread(chunk.data(), 1, chunk.size(), pipe)) > 0;)
        result.output.append(chunk.data(), read);
    const int status = pclose(pipe);
    result.exitCode = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    return result;
}

bool RequireTools(std::initializer_list<const char*> tools) {
    std::string names;
    for (const std::string tool : tools) names += " " + tool;
    // The first tool of the list that is missing, or nothing when all are there.
    const std::string missing =
        RunCommand("PATH=\"$PATH:/usr/sbin:/sbin\"; for t in" + names +
                   "; do command -v $t >/dev/null || { printf %s $t; break; }; done")
            .output;
    // FAIL and GTEST_SKIP leave a function that returns nothing.
    const auto refuse = [&] {
        const char* ci = std::getenv("CI");
        if (ci != nullptr && std::strcmp(ci, "true") == 0)
            FAIL() << missing << " is not installed, and CI installs every tool the tests use";
        GTEST_SKIP() << missing << " is not installed";
    };
    if (!missing.empty()) refuse();
    return missing.empty();
}

pid_t StartProgram(const std::vector<std::string>& arguments, const std::string& errors,
                   const std::string& output) {
    std::vector<char*> argv;
    for (const std::string& argument : arguments)
        argv.push_back(const_cast<char*>(argument.data()));
    argv.push_back(nullptr);
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    for (const auto& [stream, file] : {std::pair{STDOUT_FILENO, &output}, {STDERR_FILENO, &errors}})
        posix_spawn_file_actions_addopen(&actions, stream, file->c_str(),
                                         O_WRONLY | O_CREAT | O_TRUNC, 0600);
    pid_t process = -1;
    const int failed = posix_spawnp(&process, argv[0], &actions, nullptr, argv.data(), environ);
    posix_spawn_file_actions_destroy(&actions);
    return failed == 0 ? process : -1;
}

void StopProgram(pid_t process, int signal) {
    if (process <= 0) return;
    kill(process, signal);
    waitpid(process, nullptr, 0);
}

bool WaitUntil(const std::function<bool()>& done, std::chrono::milliseconds limit) {
    for (const auto deadline = std::chrono::steady_clock::now() + limit; !done();) {
        if (std::chrono::steady_clock::now() > deadline) return false;
        std::this_thread::sleep_for(std::chrono::milliseconds(50));
    }
    return true;
}

std::vector<float> ReadDiskAudio(const std::string& path) {
    const Bytes stream = ReadBytes(path);
    std::vector<float> left(stream.size() / (2 * sizeof(float)));
    for (size_t i = 0; i < left.size(); ++i)
        std::memcpy(&left[i], &stream[i * 2 * sizeof(float)], sizeof(float));
    return left;
}

bool Near(uint32_t seen, uint32_t wanted) {
    for (const int shift : {0, 8, 16}) {
        if (std::abs(static_cast<int>((seen >> shift) & 0xFF) -
                     static_cast<int>((wanted >> shift) & 0xFF)) > 8)
            return false;
    }
    return true;
}

std::optional<Surface> ReadRgb(const std::string& bytes, LONG width, LONG height) {
    if (bytes.size() != static_cast<size_t>(width * height) * 3) return std::nullopt;
    Surface picture(width, height);
    const auto* pixel = reinterpret_cast<const unsigned char*>(bytes.data());
    for (LONG y = 0; y < height; ++y) {
        for (LONG x = 0; x < width; ++x, pixel += 3)
            picture.SetPixel(x, y, uint32_t{pixel[0]} << 16 | uint32_t{pixel[1]} << 8 | pixel[2]);
    }
    return picture;
}
