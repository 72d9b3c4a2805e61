#pragma once
// Read-only memory mappings of open files. A view lasts until it is unmapped, even
// after the file and the mapping are closed.

#include <cstddef>

#include "platform/kernel/KernelTypes.h"

HANDLE CreateFileMappingA(HANDLE file, void* security, DWORD protect, DWORD sizeHigh, DWORD sizeLow,
                          const char* name);
void* MapViewOfFile(HANDLE mapping, DWORD access, DWORD offsetHigh, DWORD offsetLow, size_t bytes);
BOOL UnmapViewOfFile(const void* view);
