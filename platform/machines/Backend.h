#pragma once
// A whole machine under the Windows services: its kernel, window system and printing
// sides in one object. Each side has its defaults, so a machine overrides only what it
// has; the program's entry point installs the one it runs on. The sides are virtual
// bases, so that a machine can be put together from parts that each override what
// their subject needs (its printer, its clock, its message boxes).

#include "platform/kernel/KernelBackend.h"
#include "platform/print/PrintBackend.h"
#include "platform/user/UserBackend.h"

class Backend : public virtual KernelBackend,
                public virtual UserBackend,
                public virtual PrintBackend {};

// Installs `backend` as every service's machine (not owned; null brings back the
// defaults), with the window system's standard classes, and returns the one it replaced.
Backend* InstallBackend(Backend* backend);
