#pragma once
// Files opened for reading or writing, on the volume in use when they are opened
// (Volume.h), and closing any kernel handle.

#include "platform/kernel/KernelTypes.h"

HANDLE CreateFileA(const char* path, DWORD access, DWORD share, void* security, DWORD disposition,
                   DWORD flags, HANDLE templateFile);
DWORD GetFileSize(HANDLE file, DWORD* sizeHigh);
DWORD SetFilePointer(HANDLE file, LONG distance, LONG* distanceHigh, DWORD method);
BOOL ReadFile(HANDLE file, void* buffer, DWORD count, DWORD* done, void* overlapped);
BOOL WriteFile(HANDLE file, const void* buffer, DWORD count, DWORD* done, void* overlapped);
BOOL FlushFileBuffers(HANDLE file);

BOOL LockFileEx(HANDLE file, DWORD flags, DWORD reserved, DWORD bytesLow, DWORD bytesHigh,
                void* overlapped);

// Closes a file, a mapping or the single-instance mutex.
BOOL CloseHandle(HANDLE object);
