#include "platform/machines/win32/ContentBesideProgram.h"

#include <algorithm>
#include <cctype>
#include <utility>

namespace {

bool IsSeparator(char c) {
    return c == '\\' || c == '/';
}

// Windows names: letters in any case, either slash.
bool SameName(std::string_view a, std::string_view b) {
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
               return (IsSeparator(x) && IsSeparator(y)) ||
                      std::tolower(static_cast<unsigned char>(x)) ==
                          std::tolower(static_cast<unsigned char>(y));
           });
}

// Whether `path` is absolute on Windows: from a drive ("C:\") or a share ("\\server").
bool IsAbsolute(std::string_view path) {
    return (path.size() >= 2 && path[1] == ':') ||
           (path.size() >= 2 && IsSeparator(path[0]) && IsSeparator(path[1]));
}

}  // namespace

ContentBesideProgram::ContentBesideProgram(Volume& below, std::string userFolder,
                                           std::string programFolder,
                                           std::vector<std::string> contentNames)
    : m_below(below),
      m_userFolder(std::move(userFolder)),
      m_programFolder(std::move(programFolder)),
      m_contentNames(std::move(contentNames)) {
    while (!m_userFolder.empty() && IsSeparator(m_userFolder.back())) m_userFolder.pop_back();
    while (!m_programFolder.empty() && IsSeparator(m_programFolder.back()))
        m_programFolder.pop_back();
}

std::optional<std::string_view> ContentBesideProgram::InsideUserFolder(
    std::string_view path) const {
    if (!IsAbsolute(path)) {
        while (path.starts_with(".\\") || path.starts_with("./")) path.remove_prefix(2);
        return path;
    }
    if (path.size() <= m_userFolder.size() || !IsSeparator(path[m_userFolder.size()]) ||
        !SameName(path.substr(0, m_userFolder.size()), m_userFolder))
        return std::nullopt;
    return path.substr(m_userFolder.size() + 1);
}

bool ContentBesideProgram::IsContent(std::string_view relative) const {
    const std::string_view first = relative.substr(0, relative.find_first_of("\\/"));
    return std::any_of(m_contentNames.begin(), m_contentNames.end(),
                       [first](const std::string& name) { return SameName(first, name); });
}

std::string ContentBesideProgram::Resolve(std::string_view path) const {
    const std::optional<std::string_view> relative = InsideUserFolder(path);
    if (!relative || !IsContent(*relative)) return std::string(path);
    return m_programFolder + "\\" + std::string(*relative);
}

DWORD ContentBesideProgram::Attributes(std::string_view path) {
    return m_below.Attributes(Resolve(path));
}
BOOL ContentBesideProgram::CreateFolder(std::string_view path) {
    return m_below.CreateFolder(Resolve(path));
}
BOOL ContentBesideProgram::Delete(std::string_view path) {
    return m_below.Delete(Resolve(path));
}
BOOL ContentBesideProgram::Move(std::string_view existing, std::string_view replacement,
                                DWORD flags) {
    return m_below.Move(Resolve(existing), Resolve(replacement), flags);
}
HANDLE ContentBesideProgram::Open(std::string_view path, DWORD access, DWORD disposition) {
    return m_below.Open(Resolve(path), access, disposition);
}

DWORD ContentBesideProgram::Size(HANDLE file, DWORD* sizeHigh) {
    return m_below.Size(file, sizeHigh);
}
DWORD ContentBesideProgram::Seek(HANDLE file, int64_t offset, DWORD method, LONG* distanceHigh) {
    return m_below.Seek(file, offset, method, distanceHigh);
}
BOOL ContentBesideProgram::Read(HANDLE file, void* buffer, DWORD count, DWORD* done) {
    return m_below.Read(file, buffer, count, done);
}
BOOL ContentBesideProgram::Write(HANDLE file, const void* buffer, DWORD count, DWORD* done) {
    return m_below.Write(file, buffer, count, done);
}
BOOL ContentBesideProgram::Flush(HANDLE file) {
    return m_below.Flush(file);
}
BOOL ContentBesideProgram::Lock(HANDLE file, DWORD flags) {
    return m_below.Lock(file, flags);
}
HANDLE ContentBesideProgram::CreateMapping(HANDLE file, DWORD protect) {
    return m_below.CreateMapping(file, protect);
}
void* ContentBesideProgram::MapView(HANDLE mapping, DWORD access, size_t bytes) {
    return m_below.MapView(mapping, access, bytes);
}
BOOL ContentBesideProgram::Close(HANDLE object) {
    return m_below.Close(object);
}
BOOL ContentBesideProgram::Unmap(const void* view) {
    return m_below.Unmap(view);
}
