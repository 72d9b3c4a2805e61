// The album on Windows: a window program (no console of its own) that runs in the
// user's album folder with its content beside the program, on the Windows machine.
#include <cstdio>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "album/Album.h"
#include "app/CommandLine.h"
#include "app/WinMain.h"
#include "platform/machines/win32/HostConsole.h"
#include "platform/machines/win32/HostText.h"
#include "platform/machines/win32/Win32Files.h"
#include "platform/machines/win32/Win32Machine.h"
#include "platform/user/User.h"

namespace {

// What the command line asks before the album opens, if anything: its status then.
std::optional<int> AnswerAtOnce(const CommandLine& line) {
    switch (line.action) {
        case CommandLine::Action::ShowHelp:
            HostConsole::UseParents();
            std::fputs(CommandLine::kUsage, stdout);
            return 0;
        case CommandLine::Action::ShowVersion:
            HostConsole::UseParents();
            std::printf("Quillory 3 %s\n", QUILLORY_VERSION);
            return 0;
        case CommandLine::Action::Refuse:
            HostConsole::UseParents();
            std::fprintf(stderr, "quillory3: %s\n%s", line.problem.c_str(), CommandLine::kUsage);
            return 2;
        case CommandLine::Action::Run:
            break;
    }
    return std::nullopt;
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
    std::vector<std::string> arguments;
    for (int index = 1; index < argc; ++index) arguments.push_back(HostText::Narrow(argv[index]));
    std::vector<const char*> pointers;
    for (const std::string& argument : arguments) pointers.push_back(argument.c_str());
    const CommandLine line = CommandLine::Parse(pointers);
    if (const std::optional<int> status = AnswerAtOnce(line)) return *status;

    const Win32Files files;
    // The settings decide how the window opens.
    const std::unique_ptr<Album> album = Album::Open(line.album, line.settings);
    const HostWindow::Kind kind = album->Settings().Current().fullScreen
                                      ? HostWindow::Kind::FullScreen
                                      : HostWindow::Kind::Window;
    const std::unique_ptr<Win32Machine> machine = Win32Machine::Install(kind);
    if (!machine) {
        HostConsole::UseParents();
        std::fputs("Quillory 3 cannot make its window.\n", stderr);
        return 1;
    }
    return RunAlbum(*album, ProgramInstance(), SW_SHOWNORMAL);
}
