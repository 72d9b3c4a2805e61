// A later copy of the program as far as the single-instance guard goes: it checks the mutex
// named on its command line, asks a running first copy to come forward, and prints what it
// found: "first", "second-silent" (the first copy has no window yet) or "second-forward".

#include <cstdio>

#include "platform/kernel/Kernel.h"
#include "platform/user/User.h"

int main(int argumentCount, char** arguments) {
    if (argumentCount != 2) return 2;
    const HANDLE mutex = CreateMutexA(nullptr, TRUE, arguments[1]);
    const bool alreadyRunning = GetLastError() == ERROR_ALREADY_EXISTS;
    ReleaseMutex(mutex);
    if (!alreadyRunning) {
        std::puts("first");
    } else if (const HWND first = GetSharedWindowHandle(); first == nullptr) {
        std::puts("second-silent");
    } else {
        if (IsIconic(first)) ShowWindow(first, SW_RESTORE);
        SetForegroundWindow(first);
        EnableWindow(first, TRUE);
        std::puts("second-forward");
    }
    CloseHandle(mutex);
    return 0;
}
