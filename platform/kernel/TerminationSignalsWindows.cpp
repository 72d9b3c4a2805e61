#include "platform/kernel/TerminationSignals.h"

#include <atomic>

#define WIN32_LEAN_AND_MEAN
#include <windows.h>

namespace {

// How long the program has, after the console's request, before the process ends
// without it: well inside the five seconds Windows allows a closing console.
constexpr DWORD kGraceMilliseconds = 900;
// The code Windows gives a console program ended by Ctrl+C: the program did not end
// itself.
constexpr UINT kEndedByConsole = 0xC000013A;

std::atomic<bool> g_requested{false};
void (*g_wakeLoop)() = nullptr;

// Ctrl+C, Ctrl+Break, the console window closed, log-off and shutdown: the same request
// as a termination signal. Windows calls this on a thread of its own, which waits here
// while the program saves and ends.
BOOL WINAPI OnConsoleEvent(DWORD event) {
    switch (event) {
        case CTRL_C_EVENT:
        case CTRL_BREAK_EVENT:
        case CTRL_CLOSE_EVENT:
        case CTRL_LOGOFF_EVENT:
        case CTRL_SHUTDOWN_EVENT:
            break;
        default:
            return FALSE;
    }
    g_requested.store(true);
    // The message loop may be waiting for input that will not come: the request is an
    // input of its own.
    g_wakeLoop();
    ::Sleep(kGraceMilliseconds);
    ExitProcess(kEndedByConsole);
}

}  // namespace

void TerminationSignals::Install(void (*wakeLoop)()) {
    static bool installed = false;
    if (installed) return;
    installed = true;
    g_wakeLoop = wakeLoop;
    SetConsoleCtrlHandler(OnConsoleEvent, TRUE);
}

bool TerminationSignals::TakeRequest() {
    return g_requested.exchange(false);
}
