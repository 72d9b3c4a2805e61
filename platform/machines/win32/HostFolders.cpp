#define WIN32_LEAN_AND_MEAN
#define NOMINMAX
#include "platform/machines/win32/HostFolders.h"

#include <windows.h>
// The shell's folders, after the Windows types they use.
#include <knownfolders.h>
#include <objbase.h>
#include <shlobj.h>

#include <vector>

#include "platform/machines/win32/HostText.h"

std::string HostFolders::LocalAppData() {
    PWSTR path = nullptr;
    std::string folder;
    if (SUCCEEDED(SHGetKnownFolderPath(FOLDERID_LocalAppData, KF_FLAG_CREATE, nullptr, &path)))
        folder = HostText::Narrow(path);
    CoTaskMemFree(path);
    return folder;
}

std::string HostFolders::ProgramFolder() {
    std::vector<wchar_t> path(MAX_PATH);
    for (;;) {
        const DWORD length =
            GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size()));
        if (length == 0) return {};
        if (length < path.size()) {
            std::wstring program(path.data(), length);
            return HostText::Narrow(program.substr(0, program.find_last_of(L"\\/")));
        }
        path.resize(path.size() * 2);
    }
}

bool HostFolders::Enter(const std::string& folder) {
    const std::wstring wide = HostText::Wide(folder);
    SHCreateDirectoryExW(nullptr, wide.c_str(), nullptr);
    return SetCurrentDirectoryW(wide.c_str()) != FALSE;
}
