#pragma once
// The one narrow interface through which platform/ reaches the machine. The real
// desktop and the in-memory test machine each implement it; everything above talks
// to the Windows-style functions, never to a backend directly.

#include <string>

#include "platform/WinTypes.h"

class Backend {
public:
    virtual ~Backend() = default;

    // Shows a modal message box and answers with the id of the button chosen
    // (IDOK, IDCANCEL...). `type` holds the MB_ flags of MessageBoxA.
    virtual int ShowMessageBox(const std::string& text, const std::string& caption, UINT type) = 0;
    virtual void Beep(UINT type) = 0;

    // Milliseconds since the machine started, wrapping at 2^32.
    virtual DWORD MillisecondClock();
    virtual void Sleep(DWORD milliseconds);
};

// The backend in use. Until one is installed this is the headless machine, so that
// tests and tools run without a display.
Backend& CurrentBackend();

// Installs `backend` (not owned; null brings back the headless machine) and returns
// the one it replaced.
Backend* InstallBackend(Backend* backend);
