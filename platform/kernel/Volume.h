#pragma once
// Where the kernel's file calls find their files: the disk (DiskVolume), or files kept
// in the process (MemoryVolume). A call that names a path goes to the volume in use; a
// call on a handle goes to the volume that made the handle, so a file stays on its
// volume whichever is in use later. Each call answers as the Windows one it serves:
// the same result, and the same last error when it fails.

#include <cstddef>
#include <cstdint>
#include <string_view>

#include "platform/kernel/WinTypes.h"

class Volume {
public:
    virtual ~Volume() = default;

    // Entries named by program paths (backslashes allowed).
    virtual DWORD Attributes(std::string_view path) = 0;
    virtual BOOL CreateFolder(std::string_view path) = 0;
    virtual BOOL Delete(std::string_view path) = 0;
    virtual BOOL Move(std::string_view existing, std::string_view replacement, DWORD flags) = 0;
    virtual HANDLE Open(std::string_view path, DWORD access, DWORD disposition) = 0;

    // A file this volume opened (the caller has checked the handle's kind).
    virtual DWORD Size(HANDLE file, DWORD* sizeHigh) = 0;
    virtual DWORD Seek(HANDLE file, int64_t offset, DWORD method, LONG* distanceHigh) = 0;
    virtual BOOL Read(HANDLE file, void* buffer, DWORD count, DWORD* done) = 0;
    virtual BOOL Write(HANDLE file, const void* buffer, DWORD count, DWORD* done) = 0;
    virtual BOOL Flush(HANDLE file) = 0;
    virtual BOOL Lock(HANDLE file, DWORD flags) = 0;
    virtual HANDLE CreateMapping(HANDLE file, DWORD protect) = 0;
    // A mapping this volume made.
    virtual void* MapView(HANDLE mapping, DWORD access, size_t bytes) = 0;
    // A file or mapping this volume made; the handle is gone afterwards.
    virtual BOOL Close(HANDLE object) = 0;
    // A view handed out by MapView of the volume in use (or of one below it).
    virtual BOOL Unmap(const void* view) = 0;
};
