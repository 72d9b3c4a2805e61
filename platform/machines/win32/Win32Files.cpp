#include "platform/machines/win32/Win32Files.h"

#include "platform/kernel/InstalledVolume.h"
#include "platform/machines/win32/HostFolders.h"

namespace {

constexpr const char* kPicturesFolder = "data003";
constexpr const char* kSongFile = "QLY03.mid";

}  // namespace

Win32Files::Win32Files()
    : m_previousKernel(KernelBackendSlot::Install(&m_kernel)),
      m_volume(std::make_unique<ContentBesideProgram>(
          VolumeSlot::Current(), Win32Kernel::AlbumFolder(), HostFolders::ProgramFolder(),
          std::vector<std::string>{kPicturesFolder, kSongFile})),
      m_previousVolume(VolumeSlot::Install(m_volume.get())) {
    // Should the folder not be made, the album runs where it was started.
    HostFolders::Enter(Win32Kernel::AlbumFolder());
}

Win32Files::~Win32Files() {
    VolumeSlot::Install(m_previousVolume);
    KernelBackendSlot::Install(m_previousKernel);
}
