#pragma once
// The clock and sleeping, as the kernel backend in use keeps them.

#include "platform/kernel/WinTypes.h"

// A moment of the calendar in the machine's own time zone.
struct SYSTEMTIME {
    WORD wYear;
    WORD wMonth;  // 1 to 12
    WORD wDayOfWeek;
    WORD wDay;
    WORD wHour;
    WORD wMinute;
    WORD wSecond;
    WORD wMilliseconds;
};

// Milliseconds since the machine started, wrapping at 2^32 like the Windows clock.
DWORD timeGetTime();
void Sleep(DWORD milliseconds);
// The date and time of day now, as the machine's clock and time zone give them.
void GetLocalTime(SYSTEMTIME* time);
