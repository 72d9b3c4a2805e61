#define WIN32_LEAN_AND_MEAN
#define NOMINMAX
#include "platform/machines/win32/HostConsole.h"

#include <windows.h>

#include <cstdio>

void HostConsole::UseParents() {
    const HANDLE output = GetStdHandle(STD_OUTPUT_HANDLE);
    if (output != nullptr && output != INVALID_HANDLE_VALUE) return;
    if (AttachConsole(ATTACH_PARENT_PROCESS) == FALSE) return;
    std::freopen("CONOUT$", "w", stdout);
    std::freopen("CONOUT$", "w", stderr);
}
