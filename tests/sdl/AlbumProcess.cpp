#include "tests/sdl/AlbumProcess.h"

#include <fcntl.h>
#include <signal.h>
#include <stdlib.h>
#include <sys/wait.h>
#include <unistd.h>

#include <fstream>
#include <tuple>

#include "tests/sdl/HostCommand.h"
#include "tests/support/Files.h"

extern "C" const char* __lsan_default_suppressions();
extern "C" const char* __tsan_default_suppressions();

extern char** environ;

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
    if (!Running()) return;
    kill(m_process, SIGKILL);
    waitpid(m_process, nullptr, 0);
}

bool AlbumProcess::Start(const std::vector<std::string>& environment, const char* option) {
    std::vector<std::string> settings = environment;
    // The sanitizers' suppressions of this test program, for the child's own runtime.
    for (const auto& [kind, variable, text] :
         {std::tuple{"lsan", "LSAN_OPTIONS", __lsan_default_suppressions()},
          std::tuple{"tsan", "TSAN_OPTIONS", __tsan_default_suppressions()}}) {
        const fs::path file = m_folder / (std::string(kind) + ".supp");
        std::ofstream(file) << text;
        settings.push_back(WithOption(variable, "suppressions=" + file.string()));
    }
    const std::string errorPath = (m_folder / kErrorOutput).string();
    // The added settings come first: the first of two equal names is the one seen.
    std::vector<char*> childEnvironment;
    for (std::string& setting : settings) childEnvironment.push_back(setting.data());
    for (char** inherited = environ; *inherited != nullptr; ++inherited)
        childEnvironment.push_back(*inherited);
    childEnvironment.push_back(nullptr);
    char* arguments[] = {const_cast<char*>(QUILLORY_PROGRAM), const_cast<char*>(option), nullptr};
    m_exitCode.reset();
    m_process = fork();
    if (m_process != 0) return m_process > 0;
    // The child: only async-signal-safe calls from here to exec.
    if (chdir(m_folder.c_str()) != 0) _exit(126);
    const int errors = open(errorPath.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
    if (errors >= 0) dup2(errors, STDERR_FILENO);
    const int nowhere = open("/dev/null", O_WRONLY);
    if (nowhere >= 0) dup2(nowhere, STDOUT_FILENO);
    execve(QUILLORY_PROGRAM, arguments, childEnvironment.data());
    _exit(127);
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
