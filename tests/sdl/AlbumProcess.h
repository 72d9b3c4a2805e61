#pragma once
// The album program itself, run as a child process in a folder of the test's own that
// holds links to the generated pictures and song. It inherits the test's DISPLAY; what
// it writes on stderr is kept in the folder.

#include <sys/types.h>

#include <chrono>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

class AlbumProcess {
public:
    explicit AlbumProcess(std::filesystem::path folder);
    ~AlbumProcess();
    AlbumProcess(const AlbumProcess&) = delete;
    AlbumProcess& operator=(const AlbumProcess&) = delete;

    // Starts the program with `environment` ("NAME=value") added to the test's own,
    // and with one command-line `option` when one is given.
    bool Start(const std::vector<std::string>& environment = {}, const char* option = nullptr);
    bool Running();
    // The exit code once the program has ended within `limit` (-1 for a signal).
    std::optional<int> WaitForExit(std::chrono::milliseconds limit);
    pid_t Id() const { return m_process; }
    std::string ErrorOutput() const;

private:
    std::filesystem::path m_folder;
    pid_t m_process = -1;
    std::optional<int> m_exitCode;
};
