#pragma once
// The host's file system, through the POSIX calls (DiskVolumePosix.cpp) or the Windows
// ones (DiskVolumeWindows.cpp), with the Windows results: the volume in use until another
// is installed. Before the bytes of a file are first looked at, the kernel backend may
// bring them in (the browser, from its site).

#include <map>
#include <mutex>

#include "platform/kernel/Volume.h"

class DiskVolume final : public Volume {
public:
    DWORD Attributes(std::string_view path) override;
    BOOL CreateFolder(std::string_view path) override;
    BOOL Delete(std::string_view path) override;
    // With MOVEFILE_WRITE_THROUGH the folder is flushed too: a renamed file's new name
    // lasts through a power cut only once its folder is on the disk.
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
    // Views handed out by MapView, with their lengths, so that Unmap releases exactly
    // what was mapped.
    std::mutex m_viewsLock;
    std::map<const void*, size_t> m_views;
};
