#include "platform/kernel/DiskVolume.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/mman.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <string>

#include "platform/kernel/KernelBackend.h"
#include "platform/kernel/KernelObject.h"
#include "platform/kernel/KernelTypes.h"
#include "platform/kernel/LastError.h"

namespace {

BOOL FailFromErrno() {
    SetLastError(ErrorFromErrno(errno));
    return FALSE;
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

DWORD DiskVolume::Attributes(std::string_view path) {
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

BOOL DiskVolume::CreateFolder(std::string_view path) {
    if (mkdir(ToHostPath(path).c_str(), 0777) != 0) return FailFromErrno();
    return TRUE;
}

BOOL DiskVolume::Delete(std::string_view path) {
    if (unlink(ToHostPath(path).c_str()) != 0) return FailFromErrno();
    return TRUE;
}

BOOL DiskVolume::Move(std::string_view existing, std::string_view replacement, DWORD flags) {
    const std::string target = ToHostPath(replacement);
    if ((flags & MOVEFILE_REPLACE_EXISTING) == 0 && access(target.c_str(), F_OK) == 0) {
        SetLastError(ERROR_ALREADY_EXISTS);
        return FALSE;
    }
    if (rename(ToHostPath(existing).c_str(), target.c_str()) != 0) return FailFromErrno();
    if ((flags & MOVEFILE_WRITE_THROUGH) != 0 && !FlushFolderOf(target)) return FailFromErrno();
    return TRUE;
}

HANDLE DiskVolume::Open(std::string_view path, DWORD access, DWORD disposition) {
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
    return new KernelObject{KernelObject::Kind::File, this, fd};
}

DWORD DiskVolume::Size(HANDLE file, DWORD* sizeHigh) {
    KernelBackendSlot::Current().BeforeReading(file->fd);
    struct stat info {};
    if (fstat(file->fd, &info) != 0) {
        SetLastError(ErrorFromErrno(errno));
        return INVALID_FILE_SIZE;
    }
    const auto size = static_cast<uint64_t>(info.st_size);
    if (sizeHigh != nullptr) *sizeHigh = static_cast<DWORD>(size >> 32);
    return static_cast<DWORD>(size);
}

DWORD DiskVolume::Seek(HANDLE file, int64_t offset, DWORD method, LONG* distanceHigh) {
    KernelBackendSlot::Current().BeforeReading(file->fd);
    const int whence = method == FILE_END ? SEEK_END : method == FILE_CURRENT ? SEEK_CUR : SEEK_SET;
    const off_t result = lseek(file->fd, static_cast<off_t>(offset), whence);
    if (result < 0) {
        SetLastError(ErrorFromErrno(errno));
        return INVALID_SET_FILE_POINTER;
    }
    if (distanceHigh != nullptr) *distanceHigh = static_cast<LONG>(result >> 32);
    return static_cast<DWORD>(result);
}

BOOL DiskVolume::Read(HANDLE file, void* buffer, DWORD count, DWORD* done) {
    KernelBackendSlot::Current().BeforeReading(file->fd);
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

BOOL DiskVolume::Write(HANDLE file, const void* buffer, DWORD count, DWORD* done) {
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

BOOL DiskVolume::Flush(HANDLE file) {
    if (fsync(file->fd) != 0) return FailFromErrno();
    return TRUE;
}

BOOL DiskVolume::Lock(HANDLE file, DWORD flags) {
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

HANDLE DiskVolume::CreateMapping(HANDLE file, DWORD protect) {
    KernelBackendSlot::Current().BeforeReading(file->fd);
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
    return new KernelObject{KernelObject::Kind::Mapping, this, fd,
                            static_cast<size_t>(info.st_size)};
}

void* DiskVolume::MapView(HANDLE mapping, DWORD access, size_t bytes) {
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
    std::lock_guard lock(m_viewsLock);
    m_views[view] = length;
    return view;
}

BOOL DiskVolume::Close(HANDLE object) {
    const int result = close(object->fd);
    delete object;
    if (result != 0) return FailFromErrno();
    return TRUE;
}

BOOL DiskVolume::Unmap(const void* view) {
    size_t length = 0;
    {
        std::lock_guard lock(m_viewsLock);
        const auto found = m_views.find(view);
        if (found == m_views.end()) {
            SetLastError(ERROR_INVALID_ADDRESS);
            return FALSE;
        }
        length = found->second;
        m_views.erase(found);
    }
    if (munmap(const_cast<void*>(view), length) != 0) return FailFromErrno();
    return TRUE;
}
