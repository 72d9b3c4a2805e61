#include "platform/kernel/TerminationSignals.h"

#include <semaphore.h>
#include <signal.h>
#include <unistd.h>

#include <atomic>
#include <cerrno>
#include <chrono>
#include <thread>

namespace {

// How long the program has, after a termination signal, before the process ends
// without it: inside the second a session manager allows.
constexpr auto kGraceTime = std::chrono::milliseconds(900);

std::atomic<bool> g_requested{false};
void (*g_wakeLoop)() = nullptr;
volatile sig_atomic_t g_signal = 0;
sem_t g_watchdogStart;

static_assert(std::atomic<bool>::is_always_lock_free, "set from a signal handler");

// Only async-signal-safe calls: an atomic store and sem_post.
void OnTerminationSignal(int signal) {
    const int savedErrno = errno;
    g_signal = signal;
    g_requested.store(true);
    sem_post(&g_watchdogStart);
    errno = savedErrno;
}

void Watchdog() {
    while (sem_wait(&g_watchdogStart) != 0) {
    }
    // The message loop may be waiting for input that will not come: the request is an
    // input of its own.
    g_wakeLoop();
    std::this_thread::sleep_for(kGraceTime);
    // The shell's code for a process ended by the signal: the program did not end itself.
    _exit(128 + g_signal);
}

}  // namespace

void TerminationSignals::Install(void (*wakeLoop)()) {
    static bool installed = false;
    if (installed) return;
    installed = true;
    g_wakeLoop = wakeLoop;
    sem_init(&g_watchdogStart, 0, 0);
    std::thread(Watchdog).detach();
    struct sigaction action {};
    action.sa_handler = OnTerminationSignal;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    for (const int signal : {SIGTERM, SIGINT, SIGHUP}) sigaction(signal, &action, nullptr);
    ::signal(SIGXFSZ, SIG_IGN);
}

bool TerminationSignals::TakeRequest() {
    return g_requested.exchange(false);
}
