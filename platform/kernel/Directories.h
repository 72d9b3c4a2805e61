#pragma once
// The current directory and the entries of folders: new folders, attributes, deleting
// and moving files. Every entry is looked up on the volume in use (Volume.h).
//
// Program paths keep their backslashes ("<base>\save003\page00.sav"); the disk turns
// them into host paths with ToHostPath before it touches the file system.

#include <string>
#include <string_view>

#include "platform/kernel/KernelTypes.h"

DWORD GetCurrentDirectoryA(DWORD bufferLength, char* buffer);
BOOL CreateDirectoryA(const char* path, void* security);
DWORD GetFileAttributesA(const char* path);
BOOL DeleteFileA(const char* path);
BOOL MoveFileExA(const char* existing, const char* replacement, DWORD flags);
