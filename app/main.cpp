#include <cstdio>
#include <memory>
#include <string>

#include "app/SingleInstance.h"
#include "app/WinMain.h"
#include "platform/User.h"
#include "platform/sdl/Desktop.h"

namespace {

// A copy started while another runs only hands over to it: it needs no display.
bool AnotherCopyRuns() { return !GetSingleInstance().Check(kMainWindowClass, SingleInstance::kMutexName); }

}  // namespace

int main() {
    std::string failure;
    const std::unique_ptr<Desktop> desktop = Desktop::Install(failure);
    if (!desktop && !AnotherCopyRuns()) {
        std::fprintf(stderr, "Quillory 3 cannot open the display: %s\n", failure.c_str());
        return 1;
    }
    return WinMain(ProgramInstance(), nullptr, "", SW_SHOWNORMAL);
}
