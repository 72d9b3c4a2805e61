#pragma once
// Internal consistency checks. A failed check tells the user in an OK/Cancel box;
// OK carries on, Cancel closes the main window (the program then ends when control
// returns to its message loop).

#include "platform/kernel/WinTypes.h"

// Reports that `expression`, checked at `line` of source module `file`, was false.
void DoAssert(const char* expression, const char* file, unsigned line);

// The window that owns the assertion box and that Cancel destroys.
void SetAssertOwner(HWND mainWindow);

// The fatal form, for values that must never be zero: reports the failure and ends
// the process with exit code 1 whichever button was chosen.
void AssertNonZero(const void* x);

// Checks `condition` in the module named by a `kAssertModule` constant in scope.
#define QASSERT(condition) \
    ((condition) ? static_cast<void>(0) : DoAssert(#condition, kAssertModule, __LINE__))
