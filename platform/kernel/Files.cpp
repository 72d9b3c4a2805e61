#include "platform/kernel/Files.h"

#include "platform/kernel/InstalledVolume.h"
#include "platform/kernel/InstanceGuard.h"
#include "platform/kernel/KernelObject.h"
#include "platform/kernel/LastError.h"

namespace {

Volume* VolumeOfFile(HANDLE file) {
    return KernelObject::VolumeOf(file, KernelObject::Kind::File);
}

}  // namespace

HANDLE CreateFileA(const char* path, DWORD access, DWORD, void*, DWORD disposition, DWORD, HANDLE) {
    return VolumeSlot::Current().Open(path, access, disposition);
}

DWORD GetFileSize(HANDLE file, DWORD* sizeHigh) {
    Volume* volume = VolumeOfFile(file);
    return volume != nullptr ? volume->Size(file, sizeHigh) : INVALID_FILE_SIZE;
}

DWORD SetFilePointer(HANDLE file, LONG distance, LONG* distanceHigh, DWORD method) {
    int64_t offset = distance;
    if (distanceHigh != nullptr) {
        offset = static_cast<int64_t>(
            (static_cast<uint64_t>(static_cast<uint32_t>(*distanceHigh)) << 32) |
            static_cast<uint32_t>(distance));
    }
    Volume* volume = VolumeOfFile(file);
    return volume != nullptr ? volume->Seek(file, offset, method, distanceHigh)
                             : INVALID_SET_FILE_POINTER;
}

BOOL ReadFile(HANDLE file, void* buffer, DWORD count, DWORD* done, void*) {
    if (done != nullptr) *done = 0;
    Volume* volume = VolumeOfFile(file);
    return volume != nullptr ? volume->Read(file, buffer, count, done) : FALSE;
}

BOOL WriteFile(HANDLE file, const void* buffer, DWORD count, DWORD* done, void*) {
    if (done != nullptr) *done = 0;
    Volume* volume = VolumeOfFile(file);
    return volume != nullptr ? volume->Write(file, buffer, count, done) : FALSE;
}

BOOL FlushFileBuffers(HANDLE file) {
    Volume* volume = VolumeOfFile(file);
    return volume != nullptr ? volume->Flush(file) : FALSE;
}

BOOL LockFileEx(HANDLE file, DWORD flags, DWORD, DWORD, DWORD, void*) {
    Volume* volume = VolumeOfFile(file);
    return volume != nullptr ? volume->Lock(file, flags) : FALSE;
}

BOOL CloseHandle(HANDLE object) {
    if (object == nullptr || object == INVALID_HANDLE_VALUE) {
        SetLastError(ERROR_INVALID_HANDLE);
        return FALSE;
    }
    if (object->kind == KernelObject::Kind::Mutex) return CloseInstanceMutex(object);
    return object->volume->Close(object);
}
