#pragma once
// The file calls' flags and values, with the Windows names and numbers, shared by the
// file functions and the volumes that carry them out; and how a program path becomes
// the host's.

#include <algorithm>
#include <string>
#include <string_view>

#include "platform/kernel/WinTypes.h"

constexpr DWORD GENERIC_READ = 0x80000000;
constexpr DWORD GENERIC_WRITE = 0x40000000;
constexpr DWORD FILE_SHARE_READ = 0x1;
constexpr DWORD FILE_SHARE_WRITE = 0x2;
constexpr DWORD CREATE_NEW = 1;
constexpr DWORD CREATE_ALWAYS = 2;
constexpr DWORD OPEN_EXISTING = 3;
constexpr DWORD OPEN_ALWAYS = 4;
constexpr DWORD INVALID_FILE_SIZE = 0xFFFFFFFF;
constexpr DWORD INVALID_SET_FILE_POINTER = 0xFFFFFFFF;
constexpr DWORD FILE_BEGIN = 0;
constexpr DWORD FILE_CURRENT = 1;
constexpr DWORD FILE_END = 2;
// A lock on an open file, held until the file is closed or the process ends (a crash
// included). It is advisory and covers the whole file, whatever range is asked for; a
// lock that another open of the file holds answers ERROR_LOCK_VIOLATION.
constexpr DWORD LOCKFILE_FAIL_IMMEDIATELY = 0x1;
constexpr DWORD LOCKFILE_EXCLUSIVE_LOCK = 0x2;

constexpr DWORD FILE_ATTRIBUTE_READONLY = 0x01;
constexpr DWORD FILE_ATTRIBUTE_DIRECTORY = 0x10;
constexpr DWORD FILE_ATTRIBUTE_NORMAL = 0x80;
constexpr DWORD INVALID_FILE_ATTRIBUTES = 0xFFFFFFFF;
constexpr DWORD MOVEFILE_REPLACE_EXISTING = 0x1;
// The move is on the disk when MoveFileExA returns: the folder is flushed after it.
constexpr DWORD MOVEFILE_WRITE_THROUGH = 0x8;

constexpr DWORD PAGE_READONLY = 0x02;
constexpr DWORD FILE_MAP_READ = 0x04;

// Turns a program path into the host's: each backslash becomes a slash.
inline std::string ToHostPath(std::string_view programPath) {
    std::string host(programPath);
    std::replace(host.begin(), host.end(), '\\', '/');
    return host;
}
