#pragma once
// Files kept in memory instead of on disk. While the volume is mounted, every path
// under its root is served by it: the kernel's file calls (open, read, write, seek,
// flush, map, rename, delete, attributes, new folders) act on files held in the
// process, with the results and error codes the host gives, and no system call. The
// disk below the root is not touched. Tools that run the readers many thousand times
// a second (the fuzzers) mount one over an empty folder of their own.
//
// Not modelled: read-only files, renaming folders, moving files between the volume
// and the disk.

#include <string>
#include <string_view>

#include "platform/kernel/WinTypes.h"

namespace MemoryVolume {

// Mounts an empty volume whose root folder is `root` (a host or program path); a
// volume mounted before is dropped with everything in it.
void Mount(std::string_view root);
void Unmount();
// Whether `path` lies under the mounted root.
bool Holds(std::string_view path);

// The kernel calls for paths the volume holds and for its handles.
DWORD Attributes(std::string_view path);
BOOL CreateFolder(std::string_view path);
BOOL Delete(std::string_view path);
BOOL Move(std::string_view existing, std::string_view replacement, DWORD flags);
HANDLE Open(std::string_view path, DWORD access, DWORD disposition);
bool IsMemoryObject(HANDLE object);
DWORD Size(HANDLE file);
DWORD Seek(HANDLE file, int64_t offset, DWORD method, LONG* distanceHigh);
BOOL Read(HANDLE file, void* buffer, DWORD count, DWORD* done);
BOOL Write(HANDLE file, const void* buffer, DWORD count, DWORD* done);
BOOL Flush(HANDLE file);
BOOL Close(HANDLE object);
HANDLE CreateMapping(HANDLE file, DWORD protect);
void* MapView(HANDLE mapping, DWORD access, size_t bytes);
// True when `view` was a view of a memory mapping (now released).
bool Unmap(const void* view);

}  // namespace MemoryVolume
