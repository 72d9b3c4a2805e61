#include "platform/kernel/WindowsFiles.h"

#define WIN32_LEAN_AND_MEAN
#include <fcntl.h>
#include <io.h>
#include <windows.h>

#include <algorithm>
#include <limits>

namespace WindowsFiles {

namespace {

std::wstring Wide(const std::string& path) {
    const int length =
        MultiByteToWideChar(CP_UTF8, 0, path.data(), static_cast<int>(path.size()), nullptr, 0);
    std::wstring wide(static_cast<size_t>(length), L'\0');
    MultiByteToWideChar(CP_UTF8, 0, path.data(), static_cast<int>(path.size()), wide.data(),
                        length);
    return wide;
}

HANDLE HandleOf(int descriptor) {
    return reinterpret_cast<HANDLE>(_get_osfhandle(descriptor));
}

bool Succeeded(BOOL result) {
    return result != FALSE;
}

// Reads `count` bytes from `offset`, moving the position of a file opened for plain reads.
bool ReadFrom(HANDLE file, uint64_t offset, void* buffer, size_t count) {
    auto* bytes = static_cast<char*>(buffer);
    while (count > 0) {
        OVERLAPPED at{};
        at.Offset = static_cast<DWORD>(offset);
        at.OffsetHigh = static_cast<DWORD>(offset >> 32);
        const auto chunk =
            static_cast<DWORD>(std::min<size_t>(count, std::numeric_limits<DWORD>::max()));
        DWORD got = 0;
        if (!ReadFile(file, bytes, chunk, &got, &at)) return false;
        if (got == 0) {
            SetLastError(ERROR_HANDLE_EOF);
            return false;
        }
        bytes += got;
        offset += got;
        count -= got;
    }
    return true;
}

}  // namespace

uint32_t LastError() {
    return GetLastError();
}

std::optional<uint32_t> Attributes(const std::string& path) {
    const DWORD attributes = GetFileAttributesW(Wide(path).c_str());
    if (attributes == INVALID_FILE_ATTRIBUTES) return std::nullopt;
    return attributes;
}

bool CreateFolder(const std::string& path) {
    return Succeeded(CreateDirectoryW(Wide(path).c_str(), nullptr));
}

bool Delete(const std::string& path) {
    return Succeeded(DeleteFileW(Wide(path).c_str()));
}

bool Move(const std::string& existing, const std::string& replacement, bool replace,
          bool writeThrough) {
    DWORD flags = 0;
    if (replace) flags |= MOVEFILE_REPLACE_EXISTING;
    if (writeThrough) flags |= MOVEFILE_WRITE_THROUGH;
    return Succeeded(MoveFileExW(Wide(existing).c_str(), Wide(replacement).c_str(), flags));
}

int Open(const std::string& path, bool reads, bool writes, uint32_t disposition) {
    DWORD access = 0;
    if (reads) access |= GENERIC_READ;
    if (writes) access |= GENERIC_WRITE;
    const HANDLE file = CreateFileW(Wide(path).c_str(), access,
                                    FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                                    disposition, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) return -1;
    // A file opened over one that was there already leaves ERROR_ALREADY_EXISTS behind.
    SetLastError(ERROR_SUCCESS);
    const int descriptor =
        _open_osfhandle(reinterpret_cast<intptr_t>(file), _O_BINARY | (writes ? 0 : _O_RDONLY));
    if (descriptor < 0) {
        CloseHandle(file);
        SetLastError(ERROR_TOO_MANY_OPEN_FILES);
    }
    return descriptor;
}

std::optional<uint64_t> Size(int descriptor) {
    LARGE_INTEGER size{};
    if (!GetFileSizeEx(HandleOf(descriptor), &size)) return std::nullopt;
    return static_cast<uint64_t>(size.QuadPart);
}

std::optional<uint64_t> Seek(int descriptor, int64_t offset, uint32_t method) {
    LARGE_INTEGER distance{};
    distance.QuadPart = offset;
    LARGE_INTEGER position{};
    if (!SetFilePointerEx(HandleOf(descriptor), distance, &position, method)) return std::nullopt;
    return static_cast<uint64_t>(position.QuadPart);
}

bool Read(int descriptor, void* buffer, uint32_t count, uint32_t* done) {
    DWORD got = 0;
    const bool read = Succeeded(ReadFile(HandleOf(descriptor), buffer, count, &got, nullptr));
    *done = got;
    return read;
}

bool Write(int descriptor, const void* buffer, uint32_t count, uint32_t* done) {
    DWORD put = 0;
    const bool written = Succeeded(WriteFile(HandleOf(descriptor), buffer, count, &put, nullptr));
    *done = put;
    return written;
}

bool ReadAt(int descriptor, uint64_t offset, void* buffer, size_t count) {
    // A read at an offset moves the position of a file opened for plain reads: it is put
    // back afterwards.
    const std::optional<uint64_t> position = Seek(descriptor, 0, FILE_CURRENT);
    if (!position) return false;
    const bool read = ReadFrom(HandleOf(descriptor), offset, buffer, count);
    const DWORD error = GetLastError();
    Seek(descriptor, static_cast<int64_t>(*position), FILE_BEGIN);
    SetLastError(error);
    return read;
}

bool Flush(int descriptor) {
    return Succeeded(FlushFileBuffers(HandleOf(descriptor)));
}

bool Lock(int descriptor, bool exclusive, bool failImmediately) {
    DWORD flags = 0;
    if (exclusive) flags |= LOCKFILE_EXCLUSIVE_LOCK;
    if (failImmediately) flags |= LOCKFILE_FAIL_IMMEDIATELY;
    OVERLAPPED whole{};
    return Succeeded(LockFileEx(HandleOf(descriptor), flags, 0, MAXDWORD, MAXDWORD, &whole));
}

int Duplicate(int descriptor) {
    const int copy = _dup(descriptor);
    if (copy < 0) SetLastError(ERROR_TOO_MANY_OPEN_FILES);
    return copy;
}

bool Close(int descriptor) {
    if (_close(descriptor) == 0) return true;
    SetLastError(ERROR_INVALID_HANDLE);
    return false;
}

}  // namespace WindowsFiles
