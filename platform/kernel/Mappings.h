#pragma once
// Read-only memory mappings of open files. A view lasts until it is unmapped, even
// after the file and the mapping are closed.

#include <cstddef>

#include "platform/kernel/WinTypes.h"

constexpr DWORD PAGE_READONLY = 0x02;
constexpr DWORD FILE_MAP_READ = 0x04;

HANDLE CreateFileMappingA(HANDLE file, void* security, DWORD protect, DWORD sizeHigh, DWORD sizeLow,
                          const char* name);
void* MapViewOfFile(HANDLE mapping, DWORD access, DWORD offsetHigh, DWORD offsetLow, size_t bytes);
BOOL UnmapViewOfFile(const void* view);
