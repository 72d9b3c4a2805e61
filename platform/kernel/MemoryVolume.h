#pragma once
// Files kept in memory instead of on disk. Mounting it installs it as the volume in use
// (Volume.h) over the one that was in use: every path under its root is then served
// from memory, with the results and error codes the host gives and no system call, and
// every other path by the volume below. The disk below the root is not touched. Tools
// that run the readers many thousand times a second (the fuzzers) mount one over an
// empty folder of their own.
//
// Not modelled: read-only files, locks (refused as on a handle that cannot be locked),
// renaming folders, moving files between the volume and the one below.

#include <memory>
#include <mutex>
#include <string>
#include <unordered_map>
#include <unordered_set>
#include <vector>

#include "platform/kernel/Volume.h"

struct MemoryFileContents;

class MemoryVolume final : public Volume {
public:
    // Mounts an empty volume whose root folder is `root` (a host or program path); a
    // volume mounted before is dropped with everything in it.
    static void Mount(std::string_view root);
    // Puts back the volume that was in use before the mount.
    static void Unmount();

    DWORD Attributes(std::string_view path) override;
    BOOL CreateFolder(std::string_view path) override;
    BOOL Delete(std::string_view path) override;
    BOOL Move(std::string_view existing, std::string_view replacement, DWORD flags) override;
    HANDLE Open(std::string_view path, DWORD access, DWORD disposition) override;

    DWORD Size(HANDLE file, DWORD* sizeHigh) override;
    DWORD Seek(HANDLE file, int64_t offset, DWORD method, LONG* distanceHigh) override;
    BOOL Read(HANDLE file, void* buffer, DWORD count, DWORD* done) override;
    BOOL Write(HANDLE file, const void* buffer, DWORD count, DWORD* done) override;
    BOOL Flush(HANDLE file) override;
    BOOL Lock(HANDLE file, DWORD flags) override;
    HANDLE CreateMapping(HANDLE file, DWORD protect) override;
    void* MapView(HANDLE mapping, DWORD access, size_t bytes) override;
    BOOL Close(HANDLE object) override;
    BOOL Unmap(const void* view) override;

private:
    // Lets an entry be looked up by a view of its name (a parent folder's, a part of a
    // path) without making a string of it.
    struct NameHash {
        using is_transparent = void;
        size_t operator()(std::string_view name) const {
            return std::hash<std::string_view>{}(name);
        }
    };
    using Names = std::unordered_set<std::string, NameHash, std::equal_to<>>;
    using Files = std::unordered_map<std::string, std::shared_ptr<MemoryFileContents>, NameHash,
                                     std::equal_to<>>;

    static MemoryVolume& Instance();
    // Whether the volume serves `normal` (a path in the form Normal gives).
    bool Serves(const std::string& normal);
    bool Under(const std::string& normal) const;
    // What the host answers for a new entry at `normal`: its folder must exist.
    DWORD ParentError(std::string_view normal) const;

    std::mutex m_lock;
    bool m_mounted = false;
    std::string m_root;
    Names m_folders;
    Files m_files;
    // The volume that was in use when this one was mounted, and the one to install again
    // when it is unmounted (null for the defaults).
    Volume* m_below = nullptr;
    Volume* m_replaced = nullptr;
    // The mapped bytes each view shows, kept until it is unmapped. Only a few views are
    // open at once, so a plain list is searched.
    std::vector<std::shared_ptr<const std::vector<uint8_t>>> m_views;
};
