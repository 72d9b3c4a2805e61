#include "platform/kernel/MemoryVolume.h"

#include <algorithm>
#include <atomic>
#include <cstring>
#include <memory>
#include <mutex>
#include <optional>
#include <unordered_map>
#include <unordered_set>
#include <vector>

#include "platform/kernel/Kernel.h"
#include "platform/kernel/KernelObject.h"

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

using Snapshot = std::shared_ptr<const std::vector<uint8_t>>;
using Contents = std::shared_ptr<MemoryFileContents>;

// Lets an entry be looked up by a view of its name (a parent folder's, a part of a
// path) without making a string of it.
struct NameHash {
    using is_transparent = void;
    size_t operator()(std::string_view name) const { return std::hash<std::string_view>{}(name); }
};

struct Volume {
    std::string root;
    std::unordered_set<std::string, NameHash, std::equal_to<>> folders;
    std::unordered_map<std::string, Contents, NameHash, std::equal_to<>> files;
};

std::mutex g_lock;
std::atomic<bool> g_mounted{false};
std::optional<Volume> g_volume;
// The mapped bytes each view shows, kept until it is unmapped. Only a few views are
// open at once, so a plain list is searched.
std::vector<Snapshot> g_views;

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

// What the host answers for a new entry at `path`: its folder must exist.
DWORD ParentError(const Volume& volume, std::string_view path) {
    const std::string_view parent = Parent(path);
    if (volume.folders.contains(parent)) return ERROR_SUCCESS;
    return volume.files.contains(parent) ? ERROR_PATH_NOT_FOUND : ERROR_FILE_NOT_FOUND;
}

bool Is(HANDLE object, KernelObject::Kind kind) {
    if (object == nullptr || object == INVALID_HANDLE_VALUE || object->kind != kind) {
        SetLastError(ERROR_INVALID_HANDLE);
        return false;
    }
    return true;
}

}  // namespace

namespace MemoryVolume {

void Mount(std::string_view root) {
    std::lock_guard lock(g_lock);
    const std::string normal = Normal(root);
    g_volume = Volume{normal, {normal}, {}};
    g_mounted = true;
}

void Unmount() {
    std::lock_guard lock(g_lock);
    g_mounted = false;
    g_volume.reset();
}

bool Holds(std::string_view path) {
    if (!g_mounted) return false;
    const std::string& normal = Normal(path);
    std::lock_guard lock(g_lock);
    if (!g_volume) return false;
    const std::string& root = g_volume->root;
    return normal == root ||
           (normal.size() > root.size() && normal.compare(0, root.size(), root) == 0 &&
            normal[root.size()] == '/');
}

DWORD Attributes(std::string_view path) {
    const std::string& normal = Normal(path);
    std::lock_guard lock(g_lock);
    if (g_volume->folders.count(normal) != 0) return FILE_ATTRIBUTE_DIRECTORY;
    if (g_volume->files.count(normal) != 0) return FILE_ATTRIBUTE_NORMAL;
    SetLastError(ERROR_FILE_NOT_FOUND);
    return INVALID_FILE_ATTRIBUTES;
}

BOOL CreateFolder(std::string_view path) {
    const std::string& normal = Normal(path);
    std::lock_guard lock(g_lock);
    if (g_volume->folders.count(normal) != 0 || g_volume->files.count(normal) != 0) {
        return Fail(ERROR_ALREADY_EXISTS);
    }
    if (const DWORD error = ParentError(*g_volume, normal); error != ERROR_SUCCESS)
        return Fail(error);
    g_volume->folders.insert(normal);
    return TRUE;
}

BOOL Delete(std::string_view path) {
    const std::string& normal = Normal(path);
    std::lock_guard lock(g_lock);
    if (g_volume->folders.count(normal) != 0) return Fail(ERROR_ACCESS_DENIED);
    if (g_volume->files.erase(normal) == 0) return Fail(ERROR_FILE_NOT_FOUND);
    return TRUE;
}

BOOL Move(std::string_view existing, std::string_view replacement, DWORD flags) {
    // Between the volume and the disk the host's rename fails as across devices.
    if (!Holds(existing) || !Holds(replacement)) return Fail(ERROR_WRITE_FAULT);
    const std::string from = Normal(existing);
    const std::string& to = Normal(replacement);
    std::lock_guard lock(g_lock);
    Volume& volume = *g_volume;
    const bool targetExists = volume.files.count(to) != 0 || volume.folders.count(to) != 0;
    if ((flags & MOVEFILE_REPLACE_EXISTING) == 0 && targetExists) return Fail(ERROR_ALREADY_EXISTS);
    const auto source = volume.files.find(from);
    if (source == volume.files.end()) {
        return Fail(volume.folders.count(from) != 0 ? ERROR_ACCESS_DENIED : ERROR_FILE_NOT_FOUND);
    }
    if (volume.folders.count(to) != 0) return Fail(ERROR_ACCESS_DENIED);
    if (const DWORD error = ParentError(volume, to); error != ERROR_SUCCESS) return Fail(error);
    Contents moved = source->second;
    volume.files.erase(source);
    volume.files[to] = std::move(moved);
    return TRUE;
}

HANDLE Open(std::string_view path, DWORD access, DWORD disposition) {
    const std::string& normal = Normal(path);
    std::lock_guard lock(g_lock);
    Volume& volume = *g_volume;
    const auto failed = [](DWORD error) {
        SetLastError(error);
        return INVALID_HANDLE_VALUE;
    };
    if (volume.folders.count(normal) != 0) return failed(ERROR_ACCESS_DENIED);
    const bool creates = disposition == CREATE_ALWAYS || disposition == CREATE_NEW;
    auto found = volume.files.find(normal);
    if (found == volume.files.end()) {
        const DWORD error = ParentError(volume, normal);
        if (error != ERROR_SUCCESS) return failed(error);
        if (!creates) return failed(ERROR_FILE_NOT_FOUND);
        found = volume.files.emplace(normal, std::make_shared<MemoryFileContents>()).first;
    } else if (disposition == CREATE_NEW) {
        return failed(ERROR_ALREADY_EXISTS);
    } else if (disposition == CREATE_ALWAYS) {
        found->second->Change().clear();
    }
    auto* file = new KernelObject{KernelObject::Kind::MemoryFile, -1, 0};
    file->contents = found->second;
    file->access = access;
    return file;
}

bool IsMemoryObject(HANDLE object) {
    return object != nullptr && object != INVALID_HANDLE_VALUE &&
           (object->kind == KernelObject::Kind::MemoryFile ||
            object->kind == KernelObject::Kind::MemoryMapping);
}

DWORD Size(HANDLE file) {
    if (!Is(file, KernelObject::Kind::MemoryFile)) return INVALID_FILE_SIZE;
    return static_cast<DWORD>(file->contents->bytes.size());
}

DWORD Seek(HANDLE file, int64_t offset, DWORD method, LONG* distanceHigh) {
    if (!Is(file, KernelObject::Kind::MemoryFile)) return INVALID_SET_FILE_POINTER;
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

BOOL Read(HANDLE file, void* buffer, DWORD count, DWORD* done) {
    if (!Is(file, KernelObject::Kind::MemoryFile)) return FALSE;
    if ((file->access & GENERIC_READ) == 0) return Fail(ERROR_INVALID_HANDLE);
    const std::string& bytes = file->contents->bytes;
    const size_t available = file->position < bytes.size() ? bytes.size() - file->position : 0;
    const size_t got = std::min<size_t>(count, available);
    if (got > 0) std::memcpy(buffer, bytes.data() + file->position, got);
    file->position += got;
    if (done != nullptr) *done = static_cast<DWORD>(got);
    return TRUE;
}

BOOL Write(HANDLE file, const void* buffer, DWORD count, DWORD* done) {
    if (!Is(file, KernelObject::Kind::MemoryFile)) return FALSE;
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

BOOL Flush(HANDLE file) {
    return Is(file, KernelObject::Kind::MemoryFile) ? TRUE : FALSE;
}

BOOL Close(HANDLE object) {
    delete object;
    return TRUE;
}

HANDLE CreateMapping(HANDLE file, DWORD protect) {
    if (!Is(file, KernelObject::Kind::MemoryFile)) return nullptr;
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
    auto* mapping = new KernelObject{KernelObject::Kind::MemoryMapping, -1, contents.bytes.size()};
    mapping->mapped = contents.mapped;
    return mapping;
}

void* MapView(HANDLE mapping, DWORD access, size_t bytes) {
    if (!Is(mapping, KernelObject::Kind::MemoryMapping)) return nullptr;
    if (access != FILE_MAP_READ || bytes > mapping->mappingSize) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return nullptr;
    }
    std::lock_guard lock(g_lock);
    g_views.push_back(mapping->mapped);
    // Read-only as the view's access says; the reader never writes through it.
    return const_cast<uint8_t*>(mapping->mapped->data());
}

bool Unmap(const void* view) {
    std::lock_guard lock(g_lock);
    const auto found = std::find_if(g_views.begin(), g_views.end(),
                                    [view](const Snapshot& held) { return held->data() == view; });
    if (found == g_views.end()) return false;
    g_views.erase(found);
    return true;
}

}  // namespace MemoryVolume
