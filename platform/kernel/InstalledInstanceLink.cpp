#include "platform/kernel/InstalledInstanceLink.h"

#include "platform/kernel/BackendSlot.h"
#include "platform/kernel/InstanceSocket.h"

namespace {

BackendSlot<InstanceLink, InstanceSocket>& Slot() {
    static BackendSlot<InstanceLink, InstanceSocket> slot;
    return slot;
}

}  // namespace

InstanceLink& CurrentInstanceLink() {
    return Slot().Current();
}

InstanceLink* InstallInstanceLink(InstanceLink* link) {
    return Slot().Install(link);
}
