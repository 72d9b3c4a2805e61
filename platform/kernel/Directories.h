#pragma once
// The current directory and the entries of folders: new folders, attributes, deleting
// and moving files. Every entry is looked up on the volume in use (Volume.h).
//
// Program paths keep their backslashes ("<base>\save003\page00.sav"); the disk turns
// them into host paths with ToHostPath before it touches the file system.

#include <string>
#include <string_view>

#include "platform/kernel/WinTypes.h"

constexpr DWORD FILE_ATTRIBUTE_READONLY = 0x01;
constexpr DWORD FILE_ATTRIBUTE_DIRECTORY = 0x10;
constexpr DWORD FILE_ATTRIBUTE_NORMAL = 0x80;
constexpr DWORD INVALID_FILE_ATTRIBUTES = 0xFFFFFFFF;
constexpr DWORD MOVEFILE_REPLACE_EXISTING = 0x1;
// The move is on the disk when MoveFileExA returns: the folder is flushed after it.
constexpr DWORD MOVEFILE_WRITE_THROUGH = 0x8;

// Turns a program path into the host's: each backslash becomes a slash.
std::string ToHostPath(std::string_view programPath);

DWORD GetCurrentDirectoryA(DWORD bufferLength, char* buffer);
BOOL CreateDirectoryA(const char* path, void* security);
DWORD GetFileAttributesA(const char* path);
BOOL DeleteFileA(const char* path);
BOOL MoveFileExA(const char* existing, const char* replacement, DWORD flags);
