#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <memory>

#include "app/SingleInstance.h"
#include "platform/kernel/Kernel.h"
#include "tests/platform/user/WindowFixture.h"
#include "tests/support/TempDirectory.h"

namespace {

// Runs the second copy (on `display`, or on this copy's own) and answers what it printed.
std::string RunSecondCopy(const std::string& mutexName, const std::string& display = "") {
    const std::string onDisplay = display.empty() ? "" : "env DISPLAY=" + display + " ";
    const std::string command = onDisplay + INSTANCE_PROBE + " " + mutexName;
    const std::unique_ptr<FILE, int (*)(FILE*)> pipe(popen(command.c_str(), "r"), &pclose);
    if (pipe == nullptr) return "cannot run";
    char line[64] = {};
    const bool answered = std::fgets(line, sizeof(line), pipe.get()) != nullptr;
    return answered ? std::string(line, std::strcspn(line, "\n")) : "nothing";
}

}  // namespace

using SingleInstanceTest = WindowFixture;

// Alone, after the first copy closed, or on another display the copy is an album of
// its own; while the first copy has no window yet, the second ends silently, and once it
// has one (minimised by the desktop), the second restores, enables and raises it.
TEST_F(SingleInstanceTest, ACopyIsFirstUnlessAnotherRunsOnItsDisplayAndElseRaisesIt) {
    const std::string name = "QLYClass03S-test-" + std::to_string(getpid());
    EXPECT_EQ(RunSecondCopy(name), "first");
    const HANDLE mutex = CreateMutexA(nullptr, TRUE, name.c_str());
    SetSharedWindowHandle(nullptr);
    EXPECT_EQ(RunSecondCopy(name), "second-silent");
    const char* display = std::getenv("DISPLAY");
    const std::string other = display != nullptr && std::string(display) == ":71" ? ":72" : ":71";
    EXPECT_EQ(RunSecondCopy(name, other), "first");

    const HWND main = MakeWindow("main", {0, 0, 100, 100});
    SetSharedWindowHandle(main);
    machine.Minimize();
    RunUntilIdle();
    EnableWindow(main, FALSE);
    EXPECT_TRUE(IsIconic(main));
    EXPECT_EQ(RunSecondCopy(name), "second-forward");
    RunUntilIdle();
    EXPECT_FALSE(IsIconic(main));
    EXPECT_TRUE(IsWindowEnabled(main));
    EXPECT_EQ(machine.RestoreCount(), 1);
    EXPECT_EQ(machine.RaiseCount(), 1);
    SetSharedWindowHandle(nullptr);
    CloseHandle(mutex);
    EXPECT_EQ(RunSecondCopy(name), "first");
}

// Two of the album's own guards on one album folder (two displays, one home folder): the
// second is refused while the first holds the folder, and takes it once the first lets go.
TEST_F(SingleInstanceTest, ASecondGuardOfTheSameAlbumFolderIsRefusedUntilTheFirstLetsGo) {
    TempDirectory folder;  // the current directory while the test runs
    SingleInstance first;
    SingleInstance second;
    EXPECT_TRUE(first.LockAlbumFolder());
    EXPECT_FALSE(second.LockAlbumFolder());
    first.Close();
    EXPECT_TRUE(second.LockAlbumFolder());
}
