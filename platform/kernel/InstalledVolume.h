#pragma once
// Where the volume in use is kept: the one installed, or else the default.

#include "platform/kernel/Volume.h"

// The volume in use; until one is installed, the disk.
Volume& CurrentVolume();

// Installs `volume` (not owned; null brings back the disk) and returns the one it
// replaced.
Volume* InstallVolume(Volume* volume);
