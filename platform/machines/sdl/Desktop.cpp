#include "platform/machines/sdl/Desktop.h"

#include <SDL2/SDL_error.h>
#include <SDL2/SDL_video.h>

#include <array>
#include <cstring>

#include "platform/machines/Backend.h"
#include "platform/machines/sdl/FluidSynthesizer.h"
#include "platform/machines/sdl/LibraryLogs.h"
#include "platform/machines/sdl/SdlBackend.h"
#include "platform/machines/sdl/SdlMultimedia.h"
#include "platform/mm/MultimediaBackend.h"
#include "platform/user/ScreenSize.h"

namespace {

// SDL falls back to these when no display can be reached; nobody would see the album.
constexpr std::array<const char*, 2> kInvisibleVideoDrivers = {"offscreen", "dummy"};

bool ShowsNothing(const char* videoDriver) {
    for (const char* invisible : kInvisibleVideoDrivers) {
        if (videoDriver == nullptr || std::strcmp(videoDriver, invisible) == 0) return true;
    }
    return false;
}

}  // namespace

std::unique_ptr<Desktop> Desktop::Install(SdlBackend::WindowKind windowKind, std::string& failure) {
    LibraryLogs::Silence();
    std::unique_ptr<SdlBackend> backend = SdlBackend::Open(kScreenWidth, kScreenHeight, windowKind);
    if (!backend) {
        failure = SDL_GetError();
        return nullptr;
    }
    const char* videoDriver = SDL_GetCurrentVideoDriver();
    if (ShowsNothing(videoDriver)) {
        failure = std::string("no display is reachable (only SDL's ") +
                  (videoDriver ? videoDriver : "no") + " video driver started)";
        return nullptr;
    }
    auto multimedia = std::make_unique<SdlMultimedia>(FluidSynthesizer::SoundfontCandidates());
    return std::unique_ptr<Desktop>(new Desktop(std::move(backend), std::move(multimedia)));
}

Desktop::Desktop(std::unique_ptr<SdlBackend> backend, std::unique_ptr<SdlMultimedia> multimedia)
    : m_backend(std::move(backend)),
      m_multimedia(std::move(multimedia)),
      m_previousBackend(InstallBackend(m_backend.get())),
      m_previousMultimedia(MultimediaBackendSlot::Install(m_multimedia.get())) {
    SdlMultimedia* multimediaDevices = m_multimedia.get();
    m_backend->SetBeep([multimediaDevices] { multimediaDevices->PlayBeep(); });
}

Desktop::~Desktop() {
    m_backend->SetBeep(nullptr);
    // The devices go before the window: the music's timers may still be sending.
    MultimediaBackendSlot::Install(m_previousMultimedia);
    m_multimedia.reset();
    InstallBackend(m_previousBackend);
    m_backend.reset();
}
