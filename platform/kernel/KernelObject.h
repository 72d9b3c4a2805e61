#pragma once
// What a HANDLE points at, shared by the kernel's calls and the volumes.

#include <cstddef>
#include <cstdint>
#include <memory>
#include <vector>

#include "platform/kernel/LastError.h"
#include "platform/kernel/WinTypes.h"

class Volume;
// The bytes of a file of the memory volume (MemoryVolume.cpp).
struct MemoryFileContents;

// An open file; a mapping of one, which may outlive the file's handle; or the
// single-instance mutex (whose listener is kept aside). A file or mapping belongs to the
// volume that made it: a disk one keeps a descriptor of its own, a memory one the file's
// bytes.
struct KernelObject {
    enum class Kind { File, Mapping, Mutex } kind;
    Volume* volume = nullptr;
    // A disk file or mapping: its host descriptor. A mapping: how many bytes it shows.
    int fd = -1;
    size_t mappingSize = 0;
    // A memory file: its contents (shared with the volume's folder entry), the read and
    // write position and the access it was opened with.
    std::shared_ptr<MemoryFileContents> contents = nullptr;
    size_t position = 0;
    DWORD access = 0;
    // A memory mapping: the file's bytes as they were when it was made.
    std::shared_ptr<const std::vector<uint8_t>> mapped = nullptr;

    // Whether `object` is a live handle of `kind`; if not, the last error says the
    // handle is invalid.
    static bool IsA(HANDLE object, Kind kind) {
        if (object == nullptr || object == INVALID_HANDLE_VALUE || object->kind != kind) {
            SetLastError(ERROR_INVALID_HANDLE);
            return false;
        }
        return true;
    }

    // The volume that made `object` when it is a file or mapping of `kind`; else null.
    static Volume* VolumeOf(HANDLE object, Kind kind) {
        return IsA(object, kind) ? object->volume : nullptr;
    }
};
