#include "io/FileManager.h"

#include <algorithm>
#include <cstring>
#include <vector>

#include "diag/Log.h"
#include "platform/kernel/Kernel.h"
#include "platform/kernel/KernelBackend.h"

namespace {

std::string g_baseDirectory;
std::string g_albumName;

bool IsOpen(HANDLE handle) {
    return handle != nullptr && handle != INVALID_HANDLE_VALUE;
}

// Records the first failure of Close: its error code is the one reported.
void NoteRelease(BOOL released, bool& result, DWORD& error) {
    if (released == FALSE && result) {
        error = GetLastError();
        result = false;
    }
}

}  // namespace

CFileManager::CFileManager(bool mapped) : m_mapped(mapped) {}

void CFileManager::SetBaseDirectoryFromCurrent() {
    const DWORD needed = GetCurrentDirectoryA(0, nullptr);
    std::vector<char> buffer(needed, '\0');
    GetCurrentDirectoryA(needed, buffer.data());
    g_baseDirectory = buffer.empty() ? std::string() : std::string(buffer.data());
}

const std::string& CFileManager::BaseDirectory() {
    return g_baseDirectory;
}

bool CFileManager::IsAtHand(const char* relativeName) {
    std::string path;
    CFileManager().MakeFullPath(path, relativeName);
    return KernelBackendSlot::Current().IsAtHand(ToHostPath(path));
}

void CFileManager::MakeFullPath(std::string& out, std::string_view relative) const {
    // The path is made in one piece: every file the album opens is named through here.
    if (!g_baseDirectory.empty()) {
        out.clear();
        out.reserve(g_baseDirectory.size() + relative.size());
        out += g_baseDirectory;
    }
    out += relative;
}

void CFileManager::MakeFolders(const std::string& path) {
    for (size_t end = path.find_first_of("\\/", 1); end != std::string::npos;
         end = path.find_first_of("\\/", end + 1)) {
        CreateDirectoryA(path.substr(0, end).c_str(), nullptr);
    }
    CreateDirectoryA(path.c_str(), nullptr);
}

void CFileManager::SetAlbumName(std::string_view name) {
    g_albumName = name;
}

const std::string& CFileManager::CurrentAlbumName() {
    return g_albumName;
}

std::string CFileManager::AlbumFolder() {
    return g_albumName.empty() ? std::string() : "\\save003\\albums\\" + g_albumName;
}

void CFileManager::MakeAlbumPath(std::string& out, std::string_view relative) const {
    MakeFullPath(out, AlbumFolder());
    out += relative;
}

HANDLE CFileManager::OpenForRead(const char* relativeName) {
    std::string path;
    MakeFullPath(path, relativeName);
    m_cursor.fileHandle = CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr,
                                      OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (!IsOpen(m_cursor.fileHandle)) return nullptr;
    const DWORD size = GetFileSize(m_cursor.fileHandle, nullptr);
    if (size == INVALID_FILE_SIZE) return nullptr;
    m_cursor.size = size;
    if (!m_mapped) {
        m_cursor.ioHandle = m_cursor.fileHandle;
        m_cursor.baseOffset = 0;
    } else if (size > 0) {
        m_cursor.mappingHandle =
            CreateFileMappingA(m_cursor.fileHandle, nullptr, PAGE_READONLY, 0, 0, nullptr);
        if (m_cursor.mappingHandle == nullptr) return nullptr;
        m_cursor.data = static_cast<const uint8_t*>(
            MapViewOfFile(m_cursor.mappingHandle, FILE_MAP_READ, 0, 0, 0));
        if (m_cursor.data == nullptr) return nullptr;
    }
    return m_cursor.fileHandle;
}

HANDLE CFileManager::OpenForWrite(const char* relativeName) {
    std::string path;
    MakeFullPath(path, relativeName);
    const HANDLE handle = CreateFileA(path.c_str(), GENERIC_WRITE, FILE_SHARE_WRITE, nullptr,
                                      CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (!IsOpen(handle)) return nullptr;
    m_cursor.fileHandle = handle;
    m_cursor.ioHandle = handle;
    m_cursor.baseOffset = 0;
    return handle;
}

bool CFileManager::Close() {
    bool result = true;
    DWORD error = ERROR_SUCCESS;
    if (m_cursor.data != nullptr) NoteRelease(UnmapViewOfFile(m_cursor.data), result, error);
    if (m_cursor.mappingHandle != nullptr) {
        NoteRelease(CloseHandle(m_cursor.mappingHandle), result, error);
    }
    if (IsOpen(m_cursor.fileHandle)) NoteRelease(CloseHandle(m_cursor.fileHandle), result, error);
    if (result) m_cursor = CFileCursor{};
    SetLastError(error);
    return result;
}

bool CFileManager::Read(void* buffer, uint32_t count, uint32_t* done) {
    const bool result =
        m_cursor.data != nullptr ? ReadMapped(buffer, count) : ReadThroughHandle(buffer, count);
    if (done != nullptr) *done = count;
    return result;
}

bool CFileManager::ReadMapped(void* buffer, uint32_t& count) {
    if (m_cursor.size == 0) {
        count = 0;
        return false;
    }
    bool result = true;
    const uint32_t available = m_cursor.size - static_cast<uint32_t>(m_cursor.position);
    if (count > available) {
        count = available;
        SetLastError(ERROR_INVALID_PARAMETER);
        result = false;
    }
    std::memcpy(buffer, m_cursor.data + m_cursor.position, count);
    m_cursor.position += static_cast<int32_t>(count);
    return result;
}

bool CFileManager::ReadThroughHandle(void* buffer, uint32_t& count) {
    if (!IsOpen(m_cursor.ioHandle) || static_cast<uint32_t>(m_cursor.position) == m_cursor.size) {
        count = 0;
        return false;
    }
    const auto start =
        static_cast<LONG>(m_cursor.baseOffset + static_cast<uint32_t>(m_cursor.position));
    if (SetFilePointer(m_cursor.ioHandle, start, nullptr, FILE_BEGIN) == INVALID_SET_FILE_POINTER) {
        return false;
    }
    DWORD got = 0;
    const bool result = ReadFile(m_cursor.ioHandle, buffer, count, &got, nullptr) != FALSE;
    if (result && got > 0) m_cursor.position += static_cast<int32_t>(got);
    count = got;
    return result;
}

bool CFileManager::Seek(int32_t offset, int32_t origin) {
    int64_t target = 0;
    switch (origin) {
        case 0:
            target = offset;
            break;
        case 1:
            target = int64_t{m_cursor.position} + offset;
            break;
        case 2:
            target = int64_t{m_cursor.size} - offset;
            break;
        default:
            return false;
    }
    const int64_t clamped = std::clamp<int64_t>(target, 0, m_cursor.size);
    m_cursor.position = static_cast<int32_t>(clamped);
    if (clamped != target) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return false;
    }
    return true;
}

int32_t CFileManager::GetPosition() const {
    return m_cursor.position;
}

uint32_t CFileManager::GetLength() const {
    return m_cursor.size;
}

bool CFileManager::Write(const void* buffer, uint32_t count, uint32_t* done) {
    const auto start =
        static_cast<LONG>(m_cursor.baseOffset + static_cast<uint32_t>(m_cursor.position));
    if (SetFilePointer(m_cursor.ioHandle, start, nullptr, FILE_BEGIN) == INVALID_SET_FILE_POINTER) {
        return false;
    }
    DWORD written = 0;
    if (WriteFile(m_cursor.ioHandle, buffer, count, &written, nullptr) == FALSE) return false;
    if (written > 0) m_cursor.position += static_cast<int32_t>(written);
    if (done != nullptr) *done = written;
    return true;
}

bool CFileManager::DirectoryExists(const char* path) {
    const DWORD attributes = GetFileAttributesA(path);
    if (attributes == INVALID_FILE_ATTRIBUTES) return false;
    return (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
}

void CFileManager::CheckForAndCreateDirectory(const char* path) {
    if (!DirectoryExists(path)) CreateDirectoryA(path, nullptr);
    WriteLog("CFileManager::CheckForAndCreateDirectory %s", path);
}
