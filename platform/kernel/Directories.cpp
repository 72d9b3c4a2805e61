#include "platform/kernel/Directories.h"

#include <algorithm>
#include <filesystem>
#include <system_error>

#include "platform/kernel/InstalledVolume.h"
#include "platform/kernel/LastError.h"

DWORD GetCurrentDirectoryA(DWORD bufferLength, char* buffer) {
    std::error_code error;
    const std::u8string current = std::filesystem::current_path(error).u8string();
    if (error) {
        SetLastError(ErrorFromErrno(error.value()));
        return 0;
    }
    const std::string directory(current.begin(), current.end());
    const auto needed = static_cast<DWORD>(directory.size() + 1);
    if (buffer == nullptr || bufferLength < needed) return needed;
    std::copy(directory.begin(), directory.end(), buffer);
    buffer[directory.size()] = '\0';
    return needed - 1;
}

BOOL CreateDirectoryA(const char* path, void*) {
    return VolumeSlot::Current().CreateFolder(path);
}

DWORD GetFileAttributesA(const char* path) {
    return VolumeSlot::Current().Attributes(path);
}

BOOL DeleteFileA(const char* path) {
    return VolumeSlot::Current().Delete(path);
}

BOOL MoveFileExA(const char* existing, const char* replacement, DWORD flags) {
    return VolumeSlot::Current().Move(existing, replacement, flags);
}
