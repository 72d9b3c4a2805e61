#pragma once
// What a HANDLE points at, shared by the kernel's host calls and the memory volume.

#include <cstddef>
#include <cstdint>
#include <memory>
#include <vector>

#include "platform/kernel/WinTypes.h"

// The bytes of a file of the memory volume (MemoryVolume.cpp).
struct MemoryFileContents;

// An open host file; a mapping object that keeps its own descriptor of the file so the
// file handle may be closed first; the single-instance mutex (which has no descriptor;
// its channel is kept aside); or a file of the memory volume and its mapping, which
// hold the file's bytes instead of a descriptor.
struct KernelObject {
    enum class Kind { File, Mapping, Mutex, MemoryFile, MemoryMapping } kind;
    int fd;
    size_t mappingSize;
    // A memory file: its contents (shared with the volume's folder entry), the read and
    // write position and the access it was opened with.
    std::shared_ptr<MemoryFileContents> contents = nullptr;
    size_t position = 0;
    DWORD access = 0;
    // A memory mapping: the file's bytes as they were when it was made.
    std::shared_ptr<const std::vector<uint8_t>> mapped = nullptr;
};
