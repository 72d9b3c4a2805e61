#include "platform/machines/win32/Win32Machine.h"

#include "platform/kernel/InstalledInstanceLink.h"
#include "platform/mm/MultimediaBackend.h"
#include "platform/user/ScreenSize.h"

std::unique_ptr<Win32Machine> Win32Machine::Install(HostWindow::Kind kind) {
    std::unique_ptr<Win32Backend> backend = Win32Backend::Open(kScreenWidth, kScreenHeight, kind);
    if (backend == nullptr) return nullptr;
    return std::unique_ptr<Win32Machine>(new Win32Machine(std::move(backend)));
}

Win32Machine::Win32Machine(std::unique_ptr<Win32Backend> backend)
    : m_backend(std::move(backend)),
      m_previousBackend(InstallBackend(m_backend.get())),
      m_previousLink(InstanceLinkSlot::Install(&m_link)),
      m_multimedia(std::make_unique<Win32Multimedia>()),
      m_previousMultimedia(MultimediaBackendSlot::Install(m_multimedia.get())) {
    Win32Multimedia* multimedia = m_multimedia.get();
    m_backend->SetBeep([multimedia] { multimedia->PlayBeep(); });
}

Win32Machine::~Win32Machine() {
    m_backend->SetBeep(nullptr);
    // The devices go before the window: the music's timers may still be sending.
    MultimediaBackendSlot::Install(m_previousMultimedia);
    m_multimedia.reset();
    InstanceLinkSlot::Install(m_previousLink);
    InstallBackend(m_previousBackend);
    m_backend.reset();
}
