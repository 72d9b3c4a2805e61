#pragma once
// Where the instanceLink in use is kept: the one installed, or else the default.

#include "platform/kernel/InstanceLink.h"

// The instance link in use; until one is installed, the local socket.
InstanceLink& CurrentInstanceLink();

// Installs `link` (not owned; null brings back the local socket) and returns the one it
// replaced.
InstanceLink* InstallInstanceLink(InstanceLink* link);
