#include "platform/kernel/InstalledVolume.h"

#include "platform/kernel/BackendSlot.h"
#include "platform/kernel/DiskVolume.h"

namespace {

BackendSlot<Volume, DiskVolume>& Slot() {
    static BackendSlot<Volume, DiskVolume> slot;
    return slot;
}

}  // namespace

Volume& CurrentVolume() {
    return Slot().Current();
}

Volume* InstallVolume(Volume* volume) {
    return Slot().Install(volume);
}
