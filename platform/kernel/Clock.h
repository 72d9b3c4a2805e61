#pragma once
// The clock and sleeping, as the kernel backend in use keeps them.

#include "platform/kernel/WinTypes.h"

// Milliseconds since the machine started, wrapping at 2^32 like the Windows clock.
DWORD timeGetTime();
void Sleep(DWORD milliseconds);
