#include "app/SingleInstance.h"

#include <string>

#include "io/FileManager.h"
#include "platform/kernel/Kernel.h"
#include "platform/user/User.h"

SingleInstance::~SingleInstance() {
    Close();
}

namespace {

constexpr const char* kFolderLockFile = "save003.lock";

// The album folder relative to the current directory ("" or "save003\albums\<name>"),
// made with the folders above it when it is missing.
std::string MadeAlbumFolder() {
    const std::string folder = CFileManager::AlbumFolder();
    if (folder.empty()) return folder;
    CFileManager::MakeFolders(folder.substr(1));
    return folder.substr(1) + "\\";
}

}  // namespace

std::string SingleInstance::MutexNameOf(const std::string& albumName) {
    return albumName.empty() ? kMutexName : std::string(kMutexName) + "-" + albumName;
}

void SingleInstance::Close() {
    if (m_mutex != nullptr) CloseHandle(m_mutex);
    m_mutex = nullptr;
    if (m_folderLock != INVALID_HANDLE_VALUE) CloseHandle(m_folderLock);
    m_folderLock = INVALID_HANDLE_VALUE;
}

bool SingleInstance::LockAlbumFolder() {
    if (m_folderLock != INVALID_HANDLE_VALUE) return true;
    const std::string lockFile = MadeAlbumFolder() + kFolderLockFile;
    m_folderLock = CreateFileA(lockFile.c_str(), GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE,
                               nullptr, OPEN_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (m_folderLock == INVALID_HANDLE_VALUE) return true;
    if (LockFileEx(m_folderLock, LOCKFILE_EXCLUSIVE_LOCK | LOCKFILE_FAIL_IMMEDIATELY, 0, 1, 0,
                   nullptr) != FALSE) {
        return true;
    }
    const bool heldByAnother = GetLastError() == ERROR_LOCK_VIOLATION;
    CloseHandle(m_folderLock);
    m_folderLock = INVALID_HANDLE_VALUE;
    return !heldByAnother;
}

bool SingleInstance::Check(const char* className, const char* mutexName) {
    const std::string name = std::string(className) + mutexName;
    Close();
    m_mutex = CreateMutexA(nullptr, TRUE, name.c_str());
    const bool alreadyRunning = GetLastError() == ERROR_ALREADY_EXISTS;
    if (m_mutex != nullptr) ReleaseMutex(m_mutex);
    if (!alreadyRunning) return true;
    BringOtherCopyForward();
    return false;
}

void SingleInstance::BringOtherCopyForward() {
    // The first copy may not have its window yet: then this copy just ends.
    const HWND other = GetSharedWindowHandle();
    if (other == nullptr) return;
    if (IsIconic(other)) ShowWindow(other, SW_RESTORE);
    SetForegroundWindow(other);
    EnableWindow(other, TRUE);
}
