#include "fuzz/FuzzAlbum.h"

#include <filesystem>

#include "io/FileManager.h"
#include "platform/kernel/Kernel.h"
#include "platform/kernel/MemoryVolume.h"

namespace FuzzAlbum {

const std::string& Base(const char* name) {
    static const std::string base = [name] {
        const auto folder = std::filesystem::temp_directory_path() / name;
        std::filesystem::create_directories(folder);
        // The base directory is taken from the current one; the fuzzer's own current
        // directory is given back, as its corpus paths may be relative to it.
        const auto previous = std::filesystem::current_path();
        std::filesystem::current_path(folder);
        CFileManager::SetBaseDirectoryFromCurrent();
        std::filesystem::current_path(previous);
        MemoryVolume::Mount(CFileManager::BaseDirectory());
        for (const char* inner : {"\\save003", "\\data003"}) {
            CreateDirectoryA((CFileManager::BaseDirectory() + inner).c_str(), nullptr);
        }
        return CFileManager::BaseDirectory();
    }();
    return base;
}

void PutFile(const std::string& relativeName, const void* data, size_t size) {
    const std::string path = CFileManager::BaseDirectory() + relativeName;
    HANDLE file = CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) __builtin_trap();
    DWORD written = 0;
    WriteFile(file, data, static_cast<DWORD>(size), &written, nullptr);
    CloseHandle(file);
}

}  // namespace FuzzAlbum
