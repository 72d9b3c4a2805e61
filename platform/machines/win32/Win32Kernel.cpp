#include "platform/machines/win32/Win32Kernel.h"

#include "platform/machines/win32/HostFolders.h"

namespace {

constexpr const char* kAlbumFolderName = "Quillory3";

}  // namespace

std::string Win32Kernel::AlbumFolder() {
    const std::string localAppData = HostFolders::LocalAppData();
    if (localAppData.empty()) return HostFolders::ProgramFolder();
    return localAppData + "\\" + kAlbumFolderName;
}
