#include "tests/sdl/AlbumProcess.h"

#include <stdlib.h>
#include <sys/wait.h>

#include <fstream>
#include <tuple>

#include "tests/sdl/HostCommand.h"
#include "tests/support/Files.h"

extern "C" const char* __lsan_default_suppressions();
extern "C" const char* __tsan_default_suppressions();

namespace fs = std::filesystem;

namespace {

constexpr const char* kErrorOutput = "stderr.txt";

// `name`'s current value with `addition` appended as one more sanitizer option.
std::string WithOption(const char* name, const std::string& addition) {
    const char* current = getenv(name);
    const std::string before =
        current != nullptr && *current != '\0' ? std::string(current) + ":" : "";
    return std::string(name) + "=" + before + addition;
}

}  // namespace

AlbumProcess::AlbumProcess(fs::path folder) : m_folder(std::move(folder)) {}

AlbumProcess::~AlbumProcess() {
    if (Running()) StopProgram(m_process, SIGKILL);
}

bool AlbumProcess::Start(const std::vector<std::string>& environment, const char* option) {
    // env runs the program in the folder with `environment` added, as the same process.
    std::vector<std::string> command{"env", "-C", m_folder.string()};
    command.insert(command.end(), environment.begin(), environment.end());
    // The sanitizers' suppressions of this test program, for the child's own runtime.
    for (const auto& [kind, variable, text] :
         {std::tuple{"lsan", "LSAN_OPTIONS", __lsan_default_suppressions()},
          std::tuple{"tsan", "TSAN_OPTIONS", __tsan_default_suppressions()}}) {
        const fs::path file = m_folder / (std::string(kind) + ".supp");
        std::ofstream(file) << text;
        command.push_back(WithOption(variable, "suppressions=" + file.string()));
    }
    command.push_back(QUILLORY_PROGRAM);
    if (option != nullptr) command.push_back(option);
    m_exitCode.reset();
    m_process = StartProgram(command, (m_folder / kErrorOutput).string());
    return m_process > 0;
}

bool AlbumProcess::Running() {
    if (m_process <= 0 || m_exitCode) return false;
    int status = 0;
    if (waitpid(m_process, &status, WNOHANG) != m_process) return true;
    m_exitCode = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    return false;
}

std::optional<int> AlbumProcess::WaitForExit(std::chrono::milliseconds limit) {
    WaitUntil([this] { return !Running(); }, limit);
    return m_exitCode;
}

std::string AlbumProcess::ErrorOutput() const {
    return ReadText(m_folder / kErrorOutput);
}
