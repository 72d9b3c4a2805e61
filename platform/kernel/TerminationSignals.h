#pragma once
// The signals that end a program on this machine (SIGTERM from a session manager or
// `kill`, SIGINT from a terminal, SIGHUP when the terminal or the login goes) end the
// album's session the way a logout does on Windows: the backend hands each on as an
// InputEvent::Kind::EndSession (woken out of its wait for input), the windows get WM_ENDSESSION,
// the program saves and the message loop ends. Should the program not reach its loop within 900 ms
// (a native dialog of the desktop holding it), the process ends anyway, with the shell's code for
// the signal (128 + its number): every finished stick is on disk already.
//
// SIGXFSZ is ignored, so that a file-size limit fails a save (which the album keeps in
// memory and reports) instead of killing the program.
//
// On Windows the console's events (Ctrl+C, Ctrl+Break, its window closed, log-off,
// shutdown) make the same request (TerminationSignalsWindows.cpp).

class TerminationSignals {
public:
    // Installs the handlers; later calls do nothing. `wakeLoop` (called from another
    // thread) wakes the message loop out of its wait for input to see the request.
    static void Install(void (*wakeLoop)());
    // True once after each termination signal.
    static bool TakeRequest();
};
