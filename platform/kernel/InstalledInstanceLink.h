#pragma once
// Where the instanceLink in use is kept: the one installed, or else the default.

#include "platform/kernel/BackendSlot.h"
#include "platform/kernel/InstanceSocket.h"

// The instance link in use, and installing another; until one is installed, the local socket.
using InstanceLinkSlot = BackendSlot<InstanceLink, InstanceSocket>;
