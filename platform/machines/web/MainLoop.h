#pragma once
// The program's blocking calls in a browser. The program runs as on the desktop, a
// loop that waits for input; here each wait hands control back to the browser
// (Asyncify unwinds the program's stack and winds it back), which delivers the page's
// events meanwhile. There are no threads: the multimedia timers are driven by hand
// from these waits, every callback when it falls due, and the sound is fed from them.

#include <functional>

#include "platform/kernel/WinTypes.h"
#include "platform/mm/TimerQueue.h"

class MainLoop {
public:
    // The timers of timeSetEvent, run from the waits.
    static TimerQueue& Timers();
    // Work done at every turn of a wait while set (null: none): feeding the sound. It
    // answers the milliseconds until it must run again; the wait wakes for it by then.
    static void SetTurnWork(std::function<DWORD()> work);

    // Returns after `milliseconds`, or earlier when `untilInput` and the page has input
    // waiting or Wake was called; runs due timers and the turn's work meanwhile.
    static void Wait(DWORD milliseconds, bool untilInput);
    // Ends the wait in progress (or the next one) early.
    static void Wake();
    // Milliseconds since the page started.
    static DWORD Now();
};
