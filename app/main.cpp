#include <cstdio>
#include <cstring>
#include <memory>
#include <string>

#include "app/SingleInstance.h"
#include "app/WinMain.h"
#include "platform/machines/null/NullBackend.h"
#include "platform/machines/sdl/Desktop.h"
#include "platform/user/User.h"

namespace {

constexpr const char* kUsage =
    "Usage: quillory3 [--window | --help | --version]\n"
    "A sticker album for young children, full screen.\n"
    "\n"
    "  --window   run in a window of its own size that can be resized (F11: full screen)\n"
    "  --help     show this text and end\n"
    "  --version  show the version and end\n";

// A copy started while another runs only hands over to it: it needs no display.
bool AnotherCopyRuns() {
    SingleInstance guard;
    return !guard.Check(kMainWindowClass, SingleInstance::kMutexName);
}

}  // namespace

int main(int argc, char** argv) {
    SdlBackend::WindowKind windowKind = SdlBackend::WindowKind::FullScreen;
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--help") == 0) {
            std::fputs(kUsage, stdout);
            return 0;
        }
        if (std::strcmp(argv[i], "--version") == 0) {
            std::printf("Quillory 3 %s\n", QUILLORY_VERSION);
            return 0;
        }
        if (std::strcmp(argv[i], "--window") != 0) {
            std::fprintf(stderr, "quillory3: unknown option '%s'\n%s", argv[i], kUsage);
            return 2;
        }
        windowKind = SdlBackend::WindowKind::Window;
    }
    std::string failure;
    const std::unique_ptr<Desktop> desktop = Desktop::Install(windowKind, failure);
    // Without a display the album can still hand over to a copy that has one.
    static NullBackend noDisplay;
    if (!desktop) InstallBackend(&noDisplay);
    if (!desktop && !AnotherCopyRuns()) {
        std::fprintf(stderr, "Quillory 3 cannot open the display: %s\n", failure.c_str());
        return 1;
    }
    return WinMain(ProgramInstance(), nullptr, "", SW_SHOWNORMAL);
}
