#pragma once
// Where the volume in use is kept: the one installed, or else the default.

#include "platform/kernel/BackendSlot.h"
#include "platform/kernel/DiskVolume.h"

// The volume in use, and installing another; until one is installed, the disk.
using VolumeSlot = BackendSlot<Volume, DiskVolume>;
