#include "platform/kernel/MemoryVolume.h"

#include <algorithm>
#include <cstring>

#include "platform/kernel/InstalledVolume.h"
#include "platform/kernel/KernelObject.h"
#include "platform/kernel/KernelTypes.h"
#include "platform/kernel/LastError.h"

// A file's bytes, and the read-only copy of them that its mappings show: made at the
// first mapping after a change, exactly as long as the file (so that a reader running
// past the end is caught by the memory checker), and shared by the mappings until the
// file changes again. Readers map the same unchanged files again and again.
struct MemoryFileContents {
    std::string bytes;
    std::shared_ptr<const std::vector<uint8_t>> mapped;

    std::string& Change() {
        mapped.reset();
        return bytes;
    }
};

namespace {

// Host form with single slashes and no slash at the end: one spelling per file. Valid
// until the thread's next call: the thread keeps the memory from call to call, as each
// file call spells its path out twice and the readers make thousands of calls a second.
const std::string& Normal(std::string_view path) {
    thread_local std::string host;
    host.resize(path.size());
    char* const start = host.data();
    char* end = start;
    for (const char c : path) {
        if (c != '/' && c != '\\') {
            *end++ = c;
        } else if (end == start || end[-1] != '/') {
            *end++ = '/';
        }
    }
    if (end - start > 1 && end[-1] == '/') --end;
    host.resize(static_cast<size_t>(end - start));
    return host;
}

std::string_view Parent(std::string_view path) {
    const size_t slash = path.rfind('/');
    return slash == std::string_view::npos || slash == 0 ? std::string_view("/")
                                                         : path.substr(0, slash);
}

BOOL Fail(DWORD error) {
    SetLastError(error);
    return FALSE;
}

}  // namespace

MemoryVolume& MemoryVolume::Instance() {
    static MemoryVolume volume;
    return volume;
}

void MemoryVolume::Mount(std::string_view root) {
    MemoryVolume& volume = Instance();
    std::lock_guard lock(volume.m_lock);
    if (volume.m_mounted) VolumeSlot::Install(volume.m_replaced);
    const std::string normal = Normal(root);
    volume.m_root = normal;
    volume.m_folders = {normal};
    volume.m_files.clear();
    volume.m_below = &VolumeSlot::Current();
    volume.m_replaced = VolumeSlot::Install(&volume);
    volume.m_mounted = true;
}

void MemoryVolume::Unmount() {
    MemoryVolume& volume = Instance();
    std::lock_guard lock(volume.m_lock);
    if (volume.m_mounted) VolumeSlot::Install(volume.m_replaced);
    volume.m_mounted = false;
    volume.m_folders.clear();
    volume.m_files.clear();
}

bool MemoryVolume::Serves(const std::string& normal) {
    std::lock_guard lock(m_lock);
    return m_mounted && Under(normal);
}

bool MemoryVolume::Under(const std::string& normal) const {
    return normal == m_root ||
           (normal.size() > m_root.size() && normal.compare(0, m_root.size(), m_root) == 0 &&
            normal[m_root.size()] == '/');
}

DWORD MemoryVolume::ParentError(std::string_view normal) const {
    const std::string_view parent = Parent(normal);
    if (m_folders.contains(parent)) return ERROR_SUCCESS;
    return m_files.contains(parent) ? ERROR_PATH_NOT_FOUND : ERROR_FILE_NOT_FOUND;
}

DWORD MemoryVolume::Attributes(std::string_view path) {
    const std::string& normal = Normal(path);
    if (!Serves(normal)) return m_below->Attributes(path);
    std::lock_guard lock(m_lock);
    if (m_folders.contains(normal)) return FILE_ATTRIBUTE_DIRECTORY;
    if (m_files.contains(normal)) return FILE_ATTRIBUTE_NORMAL;
    SetLastError(ERROR_FILE_NOT_FOUND);
    return INVALID_FILE_ATTRIBUTES;
}

BOOL MemoryVolume::CreateFolder(std::string_view path) {
    const std::string& normal = Normal(path);
    if (!Serves(normal)) return m_below->CreateFolder(path);
    std::lock_guard lock(m_lock);
    if (m_folders.contains(normal) || m_files.contains(normal)) return Fail(ERROR_ALREADY_EXISTS);
    if (const DWORD error = ParentError(normal); error != ERROR_SUCCESS) return Fail(error);
    m_folders.insert(normal);
    return TRUE;
}

BOOL MemoryVolume::Delete(std::string_view path) {
    const std::string& normal = Normal(path);
    if (!Serves(normal)) return m_below->Delete(path);
    std::lock_guard lock(m_lock);
    if (m_folders.contains(normal)) return Fail(ERROR_ACCESS_DENIED);
    if (m_files.erase(normal) == 0) return Fail(ERROR_FILE_NOT_FOUND);
    return TRUE;
}

BOOL MemoryVolume::Move(std::string_view existing, std::string_view replacement, DWORD flags) {
    const std::string from = Normal(existing);
    const std::string& to = Normal(replacement);
    const bool fromHere = Serves(from);
    const bool toHere = Serves(to);
    if (!fromHere && !toHere) return m_below->Move(existing, replacement, flags);
    // Between the volume and the one below the host's rename fails as across devices.
    if (!fromHere || !toHere) return Fail(ERROR_WRITE_FAULT);
    std::lock_guard lock(m_lock);
    const bool targetExists = m_files.contains(to) || m_folders.contains(to);
    if ((flags & MOVEFILE_REPLACE_EXISTING) == 0 && targetExists) return Fail(ERROR_ALREADY_EXISTS);
    const auto source = m_files.find(from);
    if (source == m_files.end()) {
        return Fail(m_folders.contains(from) ? ERROR_ACCESS_DENIED : ERROR_FILE_NOT_FOUND);
    }
    if (m_folders.contains(to)) return Fail(ERROR_ACCESS_DENIED);
    if (const DWORD error = ParentError(to); error != ERROR_SUCCESS) return Fail(error);
    std::shared_ptr<MemoryFileContents> moved = source->second;
    m_files.erase(source);
    m_files[to] = std::move(moved);
    return TRUE;
}

HANDLE MemoryVolume::Open(std::string_view path, DWORD access, DWORD disposition) {
    const std::string& normal = Normal(path);
    if (!Serves(normal)) return m_below->Open(path, access, disposition);
    std::lock_guard lock(m_lock);
    const auto failed = [](DWORD error) {
        SetLastError(error);
        return INVALID_HANDLE_VALUE;
    };
    if (m_folders.contains(normal)) return failed(ERROR_ACCESS_DENIED);
    const bool creates = disposition == CREATE_ALWAYS || disposition == CREATE_NEW;
    auto found = m_files.find(normal);
    if (found == m_files.end()) {
        const DWORD error = ParentError(normal);
        if (error != ERROR_SUCCESS) return failed(error);
        if (!creates) return failed(ERROR_FILE_NOT_FOUND);
        found = m_files.emplace(normal, std::make_shared<MemoryFileContents>()).first;
    } else if (disposition == CREATE_NEW) {
        return failed(ERROR_ALREADY_EXISTS);
    } else if (disposition == CREATE_ALWAYS) {
        found->second->Change().clear();
    }
    auto* file = new KernelObject{KernelObject::Kind::File, this};
    file->contents = found->second;
    file->access = access;
    return file;
}

DWORD MemoryVolume::Size(HANDLE file, DWORD* sizeHigh) {
    if (sizeHigh != nullptr) *sizeHigh = 0;
    return static_cast<DWORD>(file->contents->bytes.size());
}

DWORD MemoryVolume::Seek(HANDLE file, int64_t offset, DWORD method, LONG* distanceHigh) {
    const int64_t base = method == FILE_END ? static_cast<int64_t>(file->contents->bytes.size())
                         : method == FILE_CURRENT ? static_cast<int64_t>(file->position)
                                                  : 0;
    const int64_t target = base + offset;
    if (target < 0) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return INVALID_SET_FILE_POINTER;
    }
    file->position = static_cast<size_t>(target);
    if (distanceHigh != nullptr) *distanceHigh = static_cast<LONG>(target >> 32);
    return static_cast<DWORD>(target);
}

BOOL MemoryVolume::Read(HANDLE file, void* buffer, DWORD count, DWORD* done) {
    if ((file->access & GENERIC_READ) == 0) return Fail(ERROR_INVALID_HANDLE);
    const std::string& bytes = file->contents->bytes;
    const size_t available = file->position < bytes.size() ? bytes.size() - file->position : 0;
    const size_t got = std::min<size_t>(count, available);
    if (got > 0) std::memcpy(buffer, bytes.data() + file->position, got);
    file->position += got;
    if (done != nullptr) *done = static_cast<DWORD>(got);
    return TRUE;
}

BOOL MemoryVolume::Write(HANDLE file, const void* buffer, DWORD count, DWORD* done) {
    if ((file->access & GENERIC_WRITE) == 0) return Fail(ERROR_INVALID_HANDLE);
    std::string& bytes = file->contents->Change();
    const auto* from = static_cast<const char*>(buffer);
    if (file->position == bytes.size()) {
        bytes.append(from, count);
    } else {
        if (bytes.size() < file->position + count) bytes.resize(file->position + count, '\0');
        std::copy_n(from, count, bytes.begin() + static_cast<std::ptrdiff_t>(file->position));
    }
    file->position += count;
    if (done != nullptr) *done = count;
    return TRUE;
}

BOOL MemoryVolume::Flush(HANDLE) {
    return TRUE;
}

BOOL MemoryVolume::Lock(HANDLE, DWORD) {
    return Fail(ERROR_INVALID_HANDLE);
}

HANDLE MemoryVolume::CreateMapping(HANDLE file, DWORD protect) {
    if (protect != PAGE_READONLY) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return nullptr;
    }
    MemoryFileContents& contents = *file->contents;
    if (contents.bytes.empty()) {
        SetLastError(ERROR_FILE_INVALID);
        return nullptr;
    }
    if (contents.mapped == nullptr) {
        contents.mapped = std::make_shared<const std::vector<uint8_t>>(contents.bytes.begin(),
                                                                       contents.bytes.end());
    }
    auto* mapping = new KernelObject{KernelObject::Kind::Mapping, this, -1, contents.bytes.size()};
    mapping->mapped = contents.mapped;
    return mapping;
}

void* MemoryVolume::MapView(HANDLE mapping, DWORD access, size_t bytes) {
    if (access != FILE_MAP_READ || bytes > mapping->mappingSize) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return nullptr;
    }
    std::lock_guard lock(m_lock);
    m_views.push_back(mapping->mapped);
    // Read-only as the view's access says; the reader never writes through it.
    return const_cast<uint8_t*>(mapping->mapped->data());
}

BOOL MemoryVolume::Close(HANDLE object) {
    delete object;
    return TRUE;
}

BOOL MemoryVolume::Unmap(const void* view) {
    {
        std::lock_guard lock(m_lock);
        const auto found = std::find_if(m_views.begin(), m_views.end(),
                                        [view](const auto& held) { return held->data() == view; });
        if (found != m_views.end()) {
            m_views.erase(found);
            return TRUE;
        }
    }
    return m_below->Unmap(view);
}
