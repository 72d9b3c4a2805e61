#include "platform/kernel/Mappings.h"

#include "platform/kernel/InstalledVolume.h"
#include "platform/kernel/KernelObject.h"

HANDLE CreateFileMappingA(HANDLE file, void*, DWORD protect, DWORD, DWORD, const char*) {
    Volume* volume = KernelObject::VolumeOf(file, KernelObject::Kind::File);
    return volume != nullptr ? volume->CreateMapping(file, protect) : nullptr;
}

void* MapViewOfFile(HANDLE mapping, DWORD access, DWORD, DWORD, size_t bytes) {
    Volume* volume = KernelObject::VolumeOf(mapping, KernelObject::Kind::Mapping);
    return volume != nullptr ? volume->MapView(mapping, access, bytes) : nullptr;
}

BOOL UnmapViewOfFile(const void* view) {
    return VolumeSlot::Current().Unmap(view);
}
