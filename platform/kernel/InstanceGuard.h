#pragma once
// The single-instance guard. CreateMutexA of a name that a running copy of the
// program (of the same user) already holds answers a handle with the last error
// ERROR_ALREADY_EXISTS. The first copy answers later ones over the instance link
// (InstanceLink.h) under the mutex's name until it closes the handle or ends.

#include "platform/kernel/InstanceChannel.h"
#include "platform/kernel/WinTypes.h"

HANDLE CreateMutexA(void* security, BOOL initialOwner, const char* name);
BOOL ReleaseMutex(HANDLE mutex);
// What CloseHandle does with a mutex: the first copy stops answering under its name.
BOOL CloseInstanceMutex(HANDLE mutex);

// The window handle shared between running copies: the first copy stores its main
// window there; a later copy reads the first copy's (null while it has none).
HWND GetSharedWindowHandle();
void SetSharedWindowHandle(HWND window);
// Whether `window` is the first copy's window as a later copy read it; the window
// calls that such a handle reaches are carried out by the first copy.
bool IsOtherCopysWindow(HWND window);
DWORD AskOtherCopy(InstanceChannel::Request request);
