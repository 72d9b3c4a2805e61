#pragma once
// The kernel services the program uses, with the Windows names, flags and error codes:
// the thread's last error, the current directory and folders, files and read-only
// mappings on the volume in use, the millisecond clock and sleeping, and the
// single-instance guard.

#include "platform/kernel/Clock.h"
#include "platform/kernel/Directories.h"
#include "platform/kernel/Files.h"
#include "platform/kernel/InstanceGuard.h"
#include "platform/kernel/LastError.h"
#include "platform/kernel/Mappings.h"
