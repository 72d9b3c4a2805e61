#pragma once
// The Windows file calls the disk volume makes there (DiskVolumeWindows.cpp), on UTF-8
// paths. An open file is a C library descriptor over the Windows file handle, so that
// the kernel keeps one kind of descriptor on every host. A call that fails returns
// false (or -1, or nothing) and leaves the Windows error code in LastError.

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>

namespace WindowsFiles {

// The Windows error code of the thread's last failed call.
uint32_t LastError();

// The entry's Windows attributes.
std::optional<uint32_t> Attributes(const std::string& path);
bool CreateFolder(const std::string& path);
bool Delete(const std::string& path);
// Renames `existing` to `replacement`, over a file of that name when `replace`; with
// `writeThrough`, only once the move is on the disk.
bool Move(const std::string& existing, const std::string& replacement, bool replace,
          bool writeThrough);

// Opens the file as CreateFileW does for `disposition` (CREATE_NEW..OPEN_ALWAYS); other
// programs may read, write, rename and delete it meanwhile, as on a POSIX disk.
int Open(const std::string& path, bool reads, bool writes, uint32_t disposition);
std::optional<uint64_t> Size(int descriptor);
// Moves the file position as SetFilePointerEx does for `method` (FILE_BEGIN..FILE_END).
std::optional<uint64_t> Seek(int descriptor, int64_t offset, uint32_t method);
// Reads up to `count` bytes (fewer at the end of the file).
bool Read(int descriptor, void* buffer, uint32_t count, uint32_t* done);
bool Write(int descriptor, const void* buffer, uint32_t count, uint32_t* done);
// Reads `count` bytes from `offset`, leaving the file position where it was.
bool ReadAt(int descriptor, uint64_t offset, void* buffer, size_t count);
bool Flush(int descriptor);
// Locks the whole file for this descriptor alone (`exclusive`) or for readers.
bool Lock(int descriptor, bool exclusive, bool failImmediately);
// A second descriptor of the same open file, which stays open after the first closes.
int Duplicate(int descriptor);
bool Close(int descriptor);

}  // namespace WindowsFiles
