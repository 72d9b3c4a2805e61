#pragma once
// The kernel services the program uses: the current directory, directories, files
// opened for reading (also as read-only memory mappings) or writing, the thread's last
// error and the millisecond clock. Names, flags and error codes are the Windows ones.
//
// Program paths keep their backslashes ("<base>\save003\page00.sav"); every call here
// turns them into host paths with ToHostPath before it touches the file system.
// While a memory volume is mounted (MemoryVolume.h), the paths under its root are
// served from memory instead.

#include <string>
#include <string_view>

#include "platform/kernel/InstanceChannel.h"
#include "platform/kernel/WinTypes.h"

constexpr DWORD ERROR_SUCCESS = 0;
constexpr DWORD ERROR_FILE_NOT_FOUND = 2;
constexpr DWORD ERROR_PATH_NOT_FOUND = 3;
constexpr DWORD ERROR_ACCESS_DENIED = 5;
constexpr DWORD ERROR_INVALID_HANDLE = 6;
constexpr DWORD ERROR_NOT_ENOUGH_MEMORY = 8;
constexpr DWORD ERROR_WRITE_FAULT = 29;
constexpr DWORD ERROR_READ_FAULT = 30;
constexpr DWORD ERROR_LOCK_VIOLATION = 33;
constexpr DWORD ERROR_HANDLE_DISK_FULL = 39;
constexpr DWORD ERROR_FILE_EXISTS = 80;
constexpr DWORD ERROR_INVALID_PARAMETER = 87;
constexpr DWORD ERROR_ALREADY_EXISTS = 183;
constexpr DWORD ERROR_INVALID_ADDRESS = 487;
constexpr DWORD ERROR_FILE_INVALID = 1006;

constexpr DWORD GENERIC_READ = 0x80000000;
constexpr DWORD GENERIC_WRITE = 0x40000000;
constexpr DWORD FILE_SHARE_READ = 0x1;
constexpr DWORD FILE_SHARE_WRITE = 0x2;
constexpr DWORD CREATE_NEW = 1;
constexpr DWORD CREATE_ALWAYS = 2;
constexpr DWORD OPEN_EXISTING = 3;
constexpr DWORD OPEN_ALWAYS = 4;
constexpr DWORD FILE_ATTRIBUTE_READONLY = 0x01;
constexpr DWORD FILE_ATTRIBUTE_DIRECTORY = 0x10;
constexpr DWORD FILE_ATTRIBUTE_NORMAL = 0x80;
constexpr DWORD INVALID_FILE_ATTRIBUTES = 0xFFFFFFFF;
constexpr DWORD INVALID_FILE_SIZE = 0xFFFFFFFF;
constexpr DWORD INVALID_SET_FILE_POINTER = 0xFFFFFFFF;
constexpr DWORD FILE_BEGIN = 0;
constexpr DWORD FILE_CURRENT = 1;
constexpr DWORD FILE_END = 2;
constexpr DWORD PAGE_READONLY = 0x02;
constexpr DWORD FILE_MAP_READ = 0x04;
constexpr DWORD MOVEFILE_REPLACE_EXISTING = 0x1;
// The move is on the disk when MoveFileExA returns: the folder is flushed after it.
constexpr DWORD MOVEFILE_WRITE_THROUGH = 0x8;

// Turns a program path into the host's: each backslash becomes a slash.
std::string ToHostPath(std::string_view programPath);

DWORD GetLastError();
void SetLastError(DWORD error);

DWORD GetCurrentDirectoryA(DWORD bufferLength, char* buffer);
BOOL CreateDirectoryA(const char* path, void* security);
DWORD GetFileAttributesA(const char* path);
BOOL DeleteFileA(const char* path);
BOOL MoveFileExA(const char* existing, const char* replacement, DWORD flags);

HANDLE CreateFileA(const char* path, DWORD access, DWORD share, void* security, DWORD disposition,
                   DWORD flags, HANDLE templateFile);
DWORD GetFileSize(HANDLE file, DWORD* sizeHigh);
DWORD SetFilePointer(HANDLE file, LONG distance, LONG* distanceHigh, DWORD method);
BOOL ReadFile(HANDLE file, void* buffer, DWORD count, DWORD* done, void* overlapped);
BOOL WriteFile(HANDLE file, const void* buffer, DWORD count, DWORD* done, void* overlapped);
BOOL FlushFileBuffers(HANDLE file);

// A lock on an open file, held until the file is closed or the process ends (a crash
// included). It is advisory and covers the whole file, whatever range is asked for; a
// lock that another open of the file holds answers ERROR_LOCK_VIOLATION.
constexpr DWORD LOCKFILE_FAIL_IMMEDIATELY = 0x1;
constexpr DWORD LOCKFILE_EXCLUSIVE_LOCK = 0x2;
BOOL LockFileEx(HANDLE file, DWORD flags, DWORD reserved, DWORD bytesLow, DWORD bytesHigh,
                void* overlapped);
BOOL CloseHandle(HANDLE object);

HANDLE CreateFileMappingA(HANDLE file, void* security, DWORD protect, DWORD sizeHigh, DWORD sizeLow,
                          const char* name);
void* MapViewOfFile(HANDLE mapping, DWORD access, DWORD offsetHigh, DWORD offsetLow, size_t bytes);
BOOL UnmapViewOfFile(const void* view);

// Milliseconds since the machine started, wrapping at 2^32 like the Windows clock.
DWORD timeGetTime();
void Sleep(DWORD milliseconds);

// The single-instance guard. CreateMutexA of a name that a running copy of the
// program (of the same user) already holds answers a handle with the last error
// ERROR_ALREADY_EXISTS. The first copy answers later ones on a local socket named
// after the mutex until it closes the handle or ends.
HANDLE CreateMutexA(void* security, BOOL initialOwner, const char* name);
BOOL ReleaseMutex(HANDLE mutex);

// The window handle shared between running copies: the first copy stores its main
// window there; a later copy reads the first copy's (null while it has none).
HWND GetSharedWindowHandle();
void SetSharedWindowHandle(HWND window);
// Whether `window` is the first copy's window as a later copy read it; the window
// calls that such a handle reaches are carried out by the first copy.
bool IsOtherCopysWindow(HWND window);
DWORD AskOtherCopy(InstanceChannel::Request request);
