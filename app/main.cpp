#include <cstdio>
#include <memory>
#include <span>
#include <string>

#include "album/Album.h"
#include "app/CommandLine.h"
#include "app/SingleInstance.h"
#include "app/WinMain.h"
#include "platform/machines/null/NullBackend.h"
#include "platform/machines/sdl/Desktop.h"
#include "platform/user/User.h"

namespace {

// A copy started while another runs the same album only hands over to it: it needs no
// display.
bool AnotherCopyRuns(const std::string& albumName) {
    SingleInstance guard;
    return !guard.Check(kMainWindowClass, SingleInstance::MutexNameOf(albumName).c_str());
}

}  // namespace

int main(int argc, char** argv) {
    const CommandLine line =
        CommandLine::Parse(std::span<const char* const>(argv + 1, static_cast<size_t>(argc - 1)));
    switch (line.action) {
        case CommandLine::Action::ShowHelp:
            std::fputs(CommandLine::kUsage, stdout);
            return 0;
        case CommandLine::Action::ShowVersion:
            std::printf("Quillory 3 %s\n", QUILLORY_VERSION);
            return 0;
        case CommandLine::Action::Refuse:
            std::fprintf(stderr, "quillory3: %s\n%s", line.problem.c_str(), CommandLine::kUsage);
            return 2;
        case CommandLine::Action::Run:
            break;
    }
    // The settings decide how the display opens.
    const std::unique_ptr<Album> album = Album::Open(line.album, line.settings);
    const SdlBackend::WindowKind windowKind = album->Settings().Current().fullScreen
                                                  ? SdlBackend::WindowKind::FullScreen
                                                  : SdlBackend::WindowKind::Window;
    std::string failure;
    const std::unique_ptr<Desktop> desktop = Desktop::Install(windowKind, failure);
    // Without a display the album can still hand over to a copy that has one.
    static NullBackend noDisplay;
    if (!desktop) InstallBackend(&noDisplay);
    if (!desktop && !AnotherCopyRuns(album->Name())) {
        std::fprintf(stderr, "Quillory 3 cannot open the display: %s\n", failure.c_str());
        return 1;
    }
    return RunAlbum(*album, ProgramInstance(), SW_SHOWNORMAL);
}
