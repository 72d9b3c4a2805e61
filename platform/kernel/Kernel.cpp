#include "platform/kernel/Kernel.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/mman.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <map>
#include <memory>
#include <mutex>
#include <optional>
#include <thread>
#include <vector>

#include "platform/kernel/InstanceChannel.h"
#include "platform/kernel/KernelBackend.h"
#include "platform/kernel/KernelObject.h"
#include "platform/kernel/MemoryVolume.h"

namespace {

thread_local DWORD t_lastError = ERROR_SUCCESS;

// Views handed out by MapViewOfFile, with their lengths, so that UnmapViewOfFile can
// release exactly what was mapped.
std::mutex g_viewsLock;
std::map<const void*, size_t> g_views;

DWORD ErrorFromErrno(int error) {
    switch (error) {
        case ENOENT:
            return ERROR_FILE_NOT_FOUND;
        case ENOTDIR:
            return ERROR_PATH_NOT_FOUND;
        case EACCES:
        case EPERM:
        case EROFS:
        case EISDIR:
            return ERROR_ACCESS_DENIED;
        case EBADF:
            return ERROR_INVALID_HANDLE;
        case ENOMEM:
            return ERROR_NOT_ENOUGH_MEMORY;
        case ENOSPC:
        case EFBIG:
        case EDQUOT:
            return ERROR_HANDLE_DISK_FULL;
        case EEXIST:
            return ERROR_ALREADY_EXISTS;
        case EINVAL:
            return ERROR_INVALID_PARAMETER;
        default:
            return ERROR_WRITE_FAULT;
    }
}

BOOL FailFromErrno() {
    SetLastError(ErrorFromErrno(errno));
    return FALSE;
}

bool IsUsable(HANDLE object, KernelObject::Kind kind) {
    if (object == nullptr || object == INVALID_HANDLE_VALUE || object->kind != kind) {
        SetLastError(ERROR_INVALID_HANDLE);
        return false;
    }
    return true;
}

int OpenFlags(DWORD access, DWORD disposition) {
    int flags = O_CLOEXEC;
    const bool reads = (access & GENERIC_READ) != 0;
    const bool writes = (access & GENERIC_WRITE) != 0;
    flags |= reads && writes ? O_RDWR : writes ? O_WRONLY : O_RDONLY;
    if (disposition == CREATE_ALWAYS) flags |= O_CREAT | O_TRUNC;
    if (disposition == CREATE_NEW) flags |= O_CREAT | O_EXCL;
    if (disposition == OPEN_ALWAYS) flags |= O_CREAT;
    return flags;
}

// The single-instance mutexes this copy made, each with the channel on which it
// answers later copies; and the name of the mutex another copy already held.
std::mutex g_mutexesLock;
std::map<HANDLE, std::unique_ptr<InstanceChannel>> g_mutexes;
std::optional<std::string> g_otherCopyMutex;
DWORD g_otherCopyWindow = 0;

void CloseMutex(HANDLE mutex) {
    std::unique_ptr<InstanceChannel> channel;
    {
        std::lock_guard lock(g_mutexesLock);
        const auto found = g_mutexes.find(mutex);
        if (found != g_mutexes.end()) {
            channel = std::move(found->second);
            g_mutexes.erase(found);
        }
    }
    channel.reset();
    delete mutex;
}

// A renamed file's new name lasts through a power cut only once its folder is on the disk.
bool FlushFolderOf(const std::string& hostPath) {
    const size_t slash = hostPath.rfind('/');
    const std::string folder = slash == std::string::npos ? "."
                               : slash == 0               ? "/"
                                                          : hostPath.substr(0, slash);
    const int fd = open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0) return false;
    const bool flushed = fsync(fd) == 0;
    const int error = errno;
    close(fd);
    errno = error;
    return flushed;
}

}  // namespace

std::string ToHostPath(std::string_view programPath) {
    std::string host(programPath);
    std::replace(host.begin(), host.end(), '\\', '/');
    return host;
}

DWORD GetLastError() {
    return t_lastError;
}

void SetLastError(DWORD error) {
    t_lastError = error;
}

DWORD GetCurrentDirectoryA(DWORD bufferLength, char* buffer) {
    std::string directory;
    std::vector<char> scratch(256);
    while (getcwd(scratch.data(), scratch.size()) == nullptr) {
        if (errno != ERANGE) {
            SetLastError(ErrorFromErrno(errno));
            return 0;
        }
        scratch.resize(scratch.size() * 2);
    }
    directory = scratch.data();
    const auto needed = static_cast<DWORD>(directory.size() + 1);
    if (buffer == nullptr || bufferLength < needed) return needed;
    std::copy(directory.begin(), directory.end(), buffer);
    buffer[directory.size()] = '\0';
    return needed - 1;
}

BOOL CreateDirectoryA(const char* path, void*) {
    if (MemoryVolume::Holds(path)) return MemoryVolume::CreateFolder(path);
    if (mkdir(ToHostPath(path).c_str(), 0777) != 0) return FailFromErrno();
    return TRUE;
}

DWORD GetFileAttributesA(const char* path) {
    if (MemoryVolume::Holds(path)) return MemoryVolume::Attributes(path);
    const std::string host = ToHostPath(path);
    struct stat info {};
    if (stat(host.c_str(), &info) != 0) {
        SetLastError(ErrorFromErrno(errno));
        return INVALID_FILE_ATTRIBUTES;
    }
    if (S_ISDIR(info.st_mode)) return FILE_ATTRIBUTE_DIRECTORY;
    // Read-only means nobody may write it, whatever the caller's own rights.
    const bool readOnly = (info.st_mode & (S_IWUSR | S_IWGRP | S_IWOTH)) == 0;
    return readOnly ? FILE_ATTRIBUTE_READONLY : FILE_ATTRIBUTE_NORMAL;
}

BOOL DeleteFileA(const char* path) {
    if (MemoryVolume::Holds(path)) return MemoryVolume::Delete(path);
    if (unlink(ToHostPath(path).c_str()) != 0) return FailFromErrno();
    return TRUE;
}

BOOL MoveFileExA(const char* existing, const char* replacement, DWORD flags) {
    if (MemoryVolume::Holds(existing) || MemoryVolume::Holds(replacement)) {
        return MemoryVolume::Move(existing, replacement, flags);
    }
    const std::string target = ToHostPath(replacement);
    if ((flags & MOVEFILE_REPLACE_EXISTING) == 0 && access(target.c_str(), F_OK) == 0) {
        SetLastError(ERROR_ALREADY_EXISTS);
        return FALSE;
    }
    if (rename(ToHostPath(existing).c_str(), target.c_str()) != 0) return FailFromErrno();
    if ((flags & MOVEFILE_WRITE_THROUGH) != 0 && !FlushFolderOf(target)) return FailFromErrno();
    return TRUE;
}

HANDLE CreateFileA(const char* path, DWORD access, DWORD, void*, DWORD disposition, DWORD, HANDLE) {
    if (MemoryVolume::Holds(path)) return MemoryVolume::Open(path, access, disposition);
    const std::string host = ToHostPath(path);
    const int fd = open(host.c_str(), OpenFlags(access, disposition), 0666);
    if (fd < 0) {
        SetLastError(ErrorFromErrno(errno));
        return INVALID_HANDLE_VALUE;
    }
    struct stat info {};
    if (fstat(fd, &info) == 0 && S_ISDIR(info.st_mode)) {
        close(fd);
        SetLastError(ERROR_ACCESS_DENIED);
        return INVALID_HANDLE_VALUE;
    }
    return new KernelObject{KernelObject::Kind::File, fd, 0};
}

DWORD GetFileSize(HANDLE file, DWORD* sizeHigh) {
    if (MemoryVolume::IsMemoryObject(file)) {
        if (sizeHigh != nullptr) *sizeHigh = 0;
        return MemoryVolume::Size(file);
    }
    if (!IsUsable(file, KernelObject::Kind::File)) return INVALID_FILE_SIZE;
    CurrentKernelBackend().BeforeReading(file->fd);
    struct stat info {};
    if (fstat(file->fd, &info) != 0) {
        SetLastError(ErrorFromErrno(errno));
        return INVALID_FILE_SIZE;
    }
    const auto size = static_cast<uint64_t>(info.st_size);
    if (sizeHigh != nullptr) *sizeHigh = static_cast<DWORD>(size >> 32);
    return static_cast<DWORD>(size);
}

DWORD SetFilePointer(HANDLE file, LONG distance, LONG* distanceHigh, DWORD method) {
    int64_t offset = distance;
    if (distanceHigh != nullptr) {
        offset = static_cast<int64_t>(
            (static_cast<uint64_t>(static_cast<uint32_t>(*distanceHigh)) << 32) |
            static_cast<uint32_t>(distance));
    }
    if (MemoryVolume::IsMemoryObject(file))
        return MemoryVolume::Seek(file, offset, method, distanceHigh);
    if (!IsUsable(file, KernelObject::Kind::File)) return INVALID_SET_FILE_POINTER;
    CurrentKernelBackend().BeforeReading(file->fd);
    const int whence = method == FILE_END ? SEEK_END : method == FILE_CURRENT ? SEEK_CUR : SEEK_SET;
    const off_t result = lseek(file->fd, static_cast<off_t>(offset), whence);
    if (result < 0) {
        SetLastError(ErrorFromErrno(errno));
        return INVALID_SET_FILE_POINTER;
    }
    if (distanceHigh != nullptr) *distanceHigh = static_cast<LONG>(result >> 32);
    return static_cast<DWORD>(result);
}

BOOL ReadFile(HANDLE file, void* buffer, DWORD count, DWORD* done, void*) {
    if (done != nullptr) *done = 0;
    if (MemoryVolume::IsMemoryObject(file)) return MemoryVolume::Read(file, buffer, count, done);
    if (!IsUsable(file, KernelObject::Kind::File)) return FALSE;
    CurrentKernelBackend().BeforeReading(file->fd);
    auto* bytes = static_cast<char*>(buffer);
    DWORD total = 0;
    while (total < count) {
        const ssize_t got = read(file->fd, bytes + total, count - total);
        if (got < 0 && errno == EINTR) continue;
        if (got < 0) return FailFromErrno();
        if (got == 0) break;
        total += static_cast<DWORD>(got);
    }
    if (done != nullptr) *done = total;
    return TRUE;
}

BOOL WriteFile(HANDLE file, const void* buffer, DWORD count, DWORD* done, void*) {
    if (done != nullptr) *done = 0;
    if (MemoryVolume::IsMemoryObject(file)) return MemoryVolume::Write(file, buffer, count, done);
    if (!IsUsable(file, KernelObject::Kind::File)) return FALSE;
    const auto* bytes = static_cast<const char*>(buffer);
    DWORD total = 0;
    while (total < count) {
        const ssize_t put = write(file->fd, bytes + total, count - total);
        if (put < 0 && errno == EINTR) continue;
        if (put < 0) {
            if (done != nullptr) *done = total;
            return FailFromErrno();
        }
        total += static_cast<DWORD>(put);
    }
    if (done != nullptr) *done = total;
    return TRUE;
}

BOOL FlushFileBuffers(HANDLE file) {
    if (MemoryVolume::IsMemoryObject(file)) return MemoryVolume::Flush(file);
    if (!IsUsable(file, KernelObject::Kind::File)) return FALSE;
    if (fsync(file->fd) != 0) return FailFromErrno();
    return TRUE;
}

BOOL LockFileEx(HANDLE file, DWORD flags, DWORD, DWORD, DWORD, void*) {
    if (!IsUsable(file, KernelObject::Kind::File)) return FALSE;
    int operation = (flags & LOCKFILE_EXCLUSIVE_LOCK) != 0 ? LOCK_EX : LOCK_SH;
    if ((flags & LOCKFILE_FAIL_IMMEDIATELY) != 0) operation |= LOCK_NB;
    while (flock(file->fd, operation) != 0) {
        if (errno == EINTR) continue;
        if (errno == EWOULDBLOCK) {
            SetLastError(ERROR_LOCK_VIOLATION);
            return FALSE;
        }
        return FailFromErrno();
    }
    return TRUE;
}

BOOL CloseHandle(HANDLE object) {
    if (object == nullptr || object == INVALID_HANDLE_VALUE) {
        SetLastError(ERROR_INVALID_HANDLE);
        return FALSE;
    }
    if (object->kind == KernelObject::Kind::Mutex) {
        CloseMutex(object);
        return TRUE;
    }
    if (MemoryVolume::IsMemoryObject(object)) return MemoryVolume::Close(object);
    const int result = close(object->fd);
    delete object;
    if (result != 0) return FailFromErrno();
    return TRUE;
}

HANDLE CreateFileMappingA(HANDLE file, void*, DWORD protect, DWORD, DWORD, const char*) {
    if (MemoryVolume::IsMemoryObject(file)) return MemoryVolume::CreateMapping(file, protect);
    if (!IsUsable(file, KernelObject::Kind::File)) return nullptr;
    CurrentKernelBackend().BeforeReading(file->fd);
    if (protect != PAGE_READONLY) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return nullptr;
    }
    struct stat info {};
    if (fstat(file->fd, &info) != 0) {
        SetLastError(ErrorFromErrno(errno));
        return nullptr;
    }
    // Windows refuses to map an empty file.
    if (info.st_size == 0) {
        SetLastError(ERROR_FILE_INVALID);
        return nullptr;
    }
    const int fd = dup(file->fd);
    if (fd < 0) {
        SetLastError(ErrorFromErrno(errno));
        return nullptr;
    }
    return new KernelObject{KernelObject::Kind::Mapping, fd, static_cast<size_t>(info.st_size)};
}

void* MapViewOfFile(HANDLE mapping, DWORD access, DWORD, DWORD, size_t bytes) {
    if (MemoryVolume::IsMemoryObject(mapping)) return MemoryVolume::MapView(mapping, access, bytes);
    if (!IsUsable(mapping, KernelObject::Kind::Mapping)) return nullptr;
    if (access != FILE_MAP_READ || bytes > mapping->mappingSize) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return nullptr;
    }
    const size_t length = bytes == 0 ? mapping->mappingSize : bytes;
    void* view = mmap(nullptr, length, PROT_READ, MAP_PRIVATE, mapping->fd, 0);
    if (view == MAP_FAILED) {
        SetLastError(ErrorFromErrno(errno));
        return nullptr;
    }
    std::lock_guard lock(g_viewsLock);
    g_views[view] = length;
    return view;
}

BOOL UnmapViewOfFile(const void* view) {
    if (MemoryVolume::Unmap(view)) return TRUE;
    size_t length = 0;
    {
        std::lock_guard lock(g_viewsLock);
        const auto found = g_views.find(view);
        if (found == g_views.end()) {
            SetLastError(ERROR_INVALID_ADDRESS);
            return FALSE;
        }
        length = found->second;
        g_views.erase(found);
    }
    if (munmap(const_cast<void*>(view), length) != 0) return FailFromErrno();
    return TRUE;
}

DWORD timeGetTime() {
    return CurrentKernelBackend().MillisecondClock();
}

void Sleep(DWORD milliseconds) {
    CurrentKernelBackend().Sleep(milliseconds);
}

HANDLE CreateMutexA(void*, BOOL, const char* name) {
    const std::string mutexName = name != nullptr ? name : "";
    auto channel = InstanceChannel::Listen(mutexName);
    HANDLE mutex = new KernelObject{KernelObject::Kind::Mutex, -1, 0};
    if (channel == nullptr &&
        InstanceChannel::Ask(mutexName, InstanceChannel::Request::WindowHandle)) {
        g_otherCopyMutex = mutexName;
        SetLastError(ERROR_ALREADY_EXISTS);
        return mutex;
    }
    // A name held by a stranger (another user, or no copy answering) leaves this copy
    // to run on its own rather than to end without a word.
    std::lock_guard lock(g_mutexesLock);
    g_mutexes.emplace(mutex, std::move(channel));
    SetLastError(ERROR_SUCCESS);
    return mutex;
}

BOOL ReleaseMutex(HANDLE mutex) {
    if (!IsUsable(mutex, KernelObject::Kind::Mutex)) return FALSE;
    return TRUE;
}

HWND GetSharedWindowHandle() {
    if (!g_otherCopyMutex)
        return reinterpret_cast<HWND>(static_cast<uintptr_t>(InstanceChannel::PublishedWindow()));
    g_otherCopyWindow = AskOtherCopy(InstanceChannel::Request::WindowHandle);
    return reinterpret_cast<HWND>(static_cast<uintptr_t>(g_otherCopyWindow));
}

void SetSharedWindowHandle(HWND window) {
    InstanceChannel::PublishWindow(static_cast<DWORD>(reinterpret_cast<uintptr_t>(window)));
}

bool IsOtherCopysWindow(HWND window) {
    return g_otherCopyMutex && window != nullptr &&
           reinterpret_cast<uintptr_t>(window) == static_cast<uintptr_t>(g_otherCopyWindow);
}

DWORD AskOtherCopy(InstanceChannel::Request request) {
    if (!g_otherCopyMutex) return 0;
    return InstanceChannel::Ask(*g_otherCopyMutex, request).value_or(0);
}
