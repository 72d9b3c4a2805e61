#include "album/SettingsHolder.h"

#include "platform/kernel/Kernel.h"
#include "platform/kernel/KernelBackend.h"
#include "sound/MidiManager.h"
#include "sound/SoundEffect.h"

namespace {

// Makes `folder` and every folder above it that is missing.
void MakeFolders(const std::string& folder) {
    for (size_t slash = folder.find('/', 1); slash != std::string::npos;
         slash = folder.find('/', slash + 1)) {
        CreateDirectoryA(folder.substr(0, slash).c_str(), nullptr);
    }
    CreateDirectoryA(folder.c_str(), nullptr);
}

}  // namespace

SettingsHolder::SettingsHolder(const GrownUpSettings::Changes& forThisRun)
    : m_folder(KernelBackendSlot::Current().SettingsFolder()),
      m_file(m_folder + "/" + kFileName),
      m_current(m_file.Read()) {
    for (const auto& [key, value] : forThisRun) m_current.Set(key, value);
    Apply();
}

void SettingsHolder::Change(const GrownUpSettings& settings) {
    MakeFolders(m_folder);
    m_file.Write(settings);
    m_current = settings;
    Apply();
}

void SettingsHolder::Apply() const {
    MIDI_MANAGER.SetMusic(m_current.musicOn, m_current.musicVolume);
    SoundEffect::SetEffects(m_current.effectsOn, m_current.effectsVolume);
}
