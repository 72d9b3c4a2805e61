#include "platform/kernel/DiskVolume.h"

#include <memory>
#include <string>

#include "platform/kernel/KernelBackend.h"
#include "platform/kernel/KernelObject.h"
#include "platform/kernel/KernelTypes.h"
#include "platform/kernel/LastError.h"
#include "platform/kernel/WindowsFiles.h"

// The Windows files of the disk: the program's own calls answered by the real ones
// (WindowsFiles), whose error codes are the program's. A mapping reads the file's bytes
// into memory, which serves the album's read-only mappings of small files.

namespace {

BOOL Fail() {
    SetLastError(WindowsFiles::LastError());
    return FALSE;
}

}  // namespace

DWORD DiskVolume::Attributes(std::string_view path) {
    const std::optional<uint32_t> attributes = WindowsFiles::Attributes(ToHostPath(path));
    if (!attributes) {
        Fail();
        return INVALID_FILE_ATTRIBUTES;
    }
    if ((*attributes & FILE_ATTRIBUTE_DIRECTORY) != 0) return FILE_ATTRIBUTE_DIRECTORY;
    return (*attributes & FILE_ATTRIBUTE_READONLY) != 0 ? FILE_ATTRIBUTE_READONLY
                                                        : FILE_ATTRIBUTE_NORMAL;
}

BOOL DiskVolume::CreateFolder(std::string_view path) {
    return WindowsFiles::CreateFolder(ToHostPath(path)) ? TRUE : Fail();
}

BOOL DiskVolume::Delete(std::string_view path) {
    return WindowsFiles::Delete(ToHostPath(path)) ? TRUE : Fail();
}

BOOL DiskVolume::Move(std::string_view existing, std::string_view replacement, DWORD flags) {
    const bool moved = WindowsFiles::Move(ToHostPath(existing), ToHostPath(replacement),
                                          (flags & MOVEFILE_REPLACE_EXISTING) != 0,
                                          (flags & MOVEFILE_WRITE_THROUGH) != 0);
    return moved ? TRUE : Fail();
}

HANDLE DiskVolume::Open(std::string_view path, DWORD access, DWORD disposition) {
    const int descriptor = WindowsFiles::Open(ToHostPath(path), (access & GENERIC_READ) != 0,
                                              (access & GENERIC_WRITE) != 0, disposition);
    if (descriptor < 0) {
        Fail();
        return INVALID_HANDLE_VALUE;
    }
    return new KernelObject{KernelObject::Kind::File, this, descriptor};
}

DWORD DiskVolume::Size(HANDLE file, DWORD* sizeHigh) {
    KernelBackendSlot::Current().BeforeReading(file->fd);
    const std::optional<uint64_t> size = WindowsFiles::Size(file->fd);
    if (!size) {
        Fail();
        return INVALID_FILE_SIZE;
    }
    if (sizeHigh != nullptr) *sizeHigh = static_cast<DWORD>(*size >> 32);
    return static_cast<DWORD>(*size);
}

DWORD DiskVolume::Seek(HANDLE file, int64_t offset, DWORD method, LONG* distanceHigh) {
    KernelBackendSlot::Current().BeforeReading(file->fd);
    const std::optional<uint64_t> position = WindowsFiles::Seek(file->fd, offset, method);
    if (!position) {
        Fail();
        return INVALID_SET_FILE_POINTER;
    }
    if (distanceHigh != nullptr) *distanceHigh = static_cast<LONG>(*position >> 32);
    return static_cast<DWORD>(*position);
}

BOOL DiskVolume::Read(HANDLE file, void* buffer, DWORD count, DWORD* done) {
    KernelBackendSlot::Current().BeforeReading(file->fd);
    uint32_t got = 0;
    const bool read = WindowsFiles::Read(file->fd, buffer, count, &got);
    if (done != nullptr) *done = got;
    return read ? TRUE : Fail();
}

BOOL DiskVolume::Write(HANDLE file, const void* buffer, DWORD count, DWORD* done) {
    uint32_t put = 0;
    const bool written = WindowsFiles::Write(file->fd, buffer, count, &put);
    if (done != nullptr) *done = put;
    return written ? TRUE : Fail();
}

BOOL DiskVolume::Flush(HANDLE file) {
    return WindowsFiles::Flush(file->fd) ? TRUE : Fail();
}

BOOL DiskVolume::Lock(HANDLE file, DWORD flags) {
    const bool locked = WindowsFiles::Lock(file->fd, (flags & LOCKFILE_EXCLUSIVE_LOCK) != 0,
                                           (flags & LOCKFILE_FAIL_IMMEDIATELY) != 0);
    return locked ? TRUE : Fail();
}

HANDLE DiskVolume::CreateMapping(HANDLE file, DWORD protect) {
    KernelBackendSlot::Current().BeforeReading(file->fd);
    if (protect != PAGE_READONLY) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return nullptr;
    }
    const std::optional<uint64_t> size = WindowsFiles::Size(file->fd);
    if (!size) {
        Fail();
        return nullptr;
    }
    // Windows refuses to map an empty file.
    if (*size == 0) {
        SetLastError(ERROR_FILE_INVALID);
        return nullptr;
    }
    const int descriptor = WindowsFiles::Duplicate(file->fd);
    if (descriptor < 0) {
        Fail();
        return nullptr;
    }
    return new KernelObject{KernelObject::Kind::Mapping, this, descriptor,
                            static_cast<size_t>(*size)};
}

void* DiskVolume::MapView(HANDLE mapping, DWORD access, size_t bytes) {
    if (access != FILE_MAP_READ || bytes > mapping->mappingSize) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return nullptr;
    }
    const size_t length = bytes == 0 ? mapping->mappingSize : bytes;
    auto view = std::make_unique<char[]>(length);
    if (!WindowsFiles::ReadAt(mapping->fd, 0, view.get(), length)) {
        Fail();
        return nullptr;
    }
    std::lock_guard lock(m_viewsLock);
    m_views[view.get()] = length;
    return view.release();
}

BOOL DiskVolume::Close(HANDLE object) {
    const bool closed = WindowsFiles::Close(object->fd);
    delete object;
    return closed ? TRUE : Fail();
}

BOOL DiskVolume::Unmap(const void* view) {
    {
        std::lock_guard lock(m_viewsLock);
        if (m_views.erase(view) == 0) {
            SetLastError(ERROR_INVALID_ADDRESS);
            return FALSE;
        }
    }
    delete[] static_cast<const char*>(view);
    return TRUE;
}
