#include "platform/kernel/Directories.h"

#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <vector>

#include "platform/kernel/InstalledVolume.h"
#include "platform/kernel/LastError.h"

DWORD GetCurrentDirectoryA(DWORD bufferLength, char* buffer) {
    std::string directory;
    std::vector<char> scratch(256);
    while (getcwd(scratch.data(), scratch.size()) == nullptr) {
        if (errno != ERANGE) {
            SetLastError(ErrorFromErrno(errno));
            return 0;
        }
        scratch.resize(scratch.size() * 2);
    }
    directory = scratch.data();
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
