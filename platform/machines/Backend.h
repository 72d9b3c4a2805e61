#pragma once
// A whole machine under the Windows services: its kernel, window system and printing
// sides in one object. Each side has its defaults, so a machine overrides only what it
// has; the program's entry point installs the one it runs on.

#include "platform/kernel/KernelBackend.h"
#include "platform/print/PrintBackend.h"
#include "platform/user/UserBackend.h"

class Backend : public KernelBackend, public UserBackend, public PrintBackend {};

// Installs `backend` as every service's machine (not owned; null brings back the
// defaults) and returns the one it replaced.
Backend* InstallBackend(Backend* backend);
