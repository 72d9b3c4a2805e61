#include "fuzz/FuzzAlbum.h"

#include <filesystem>

#include "io/FileManager.h"
#include "platform/kernel/Kernel.h"
#include "platform/kernel/MemoryVolume.h"

namespace {

// The album folder, made by the first call of Base.
std::string g_base;

std::string MadeBase(const char* name) {
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
}

}  // namespace

namespace FuzzAlbum {

const std::string& Base(const char* name) {
    if (g_base.empty()) g_base = MadeBase(name);
    return g_base;
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
