#pragma once
// The album's files on Windows: the program runs in the user's own folder (where the
// album writes save003\ and options03.dta), while the content it only reads (data003\,
// QLY03.mid) was installed beside the program. This volume sends every path into the
// content to the program's folder and leaves the rest to the volume below it, which
// also serves every handle (a handle always goes back to the volume that made it).

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/kernel/Volume.h"

class ContentBesideProgram final : public Volume {
public:
    // `below` outlives this volume. Paths in `userFolder` (the current directory) or
    // relative to it whose first part is one of `contentNames` (in any case) lie in
    // `programFolder` instead.
    ContentBesideProgram(Volume& below, std::string userFolder, std::string programFolder,
                         std::vector<std::string> contentNames);

    // Where `path` really lies.
    std::string Resolve(std::string_view path) const;

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
    // `path` after the user's folder and its separator, or all of a relative `path`;
    // nothing for a path elsewhere.
    std::optional<std::string_view> InsideUserFolder(std::string_view path) const;
    bool IsContent(std::string_view relative) const;

    Volume& m_below;
    std::string m_userFolder;
    std::string m_programFolder;
    std::vector<std::string> m_contentNames;
};
