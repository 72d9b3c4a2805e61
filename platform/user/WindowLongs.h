#pragma once
// The slots of a window read and written by index, with the Windows names and values.
// The procedure slot holds a pointer, so it is reached through the pointer-sized calls,
// as on 64-bit Windows; the 32-bit calls refuse it.

#include "platform/kernel/WinTypes.h"
#include "platform/user/UserTypes.h"

LONG GetWindowLongA(HWND window, int index);
LONG_PTR GetWindowLongPtrA(HWND window, int index);
LONG_PTR SetWindowLongPtrA(HWND window, int index, LONG_PTR value);
