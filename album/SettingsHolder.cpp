#include "album/SettingsHolder.h"

#include "io/FileManager.h"
#include "platform/kernel/KernelBackend.h"
#include "sound/MidiManager.h"
#include "sound/SoundEffect.h"

SettingsHolder::SettingsHolder(const GrownUpSettings::Changes& forThisRun)
    : m_folder(KernelBackendSlot::Current().SettingsFolder()),
      m_file(m_folder + "/" + kFileName),
      m_saved(m_file.Read()),
      m_current(m_saved) {
    for (const auto& [key, value] : forThisRun) m_current.Set(key, value);
    Apply();
}

void SettingsHolder::Change(const GrownUpSettings& settings) {
    for (const auto& [key, value] : m_current.ChangesTo(settings)) m_saved.Set(key, value);
    CFileManager::MakeFolders(m_folder);
    m_file.Write(m_saved);
    m_current = settings;
    Apply();
}

void SettingsHolder::Apply() const {
    MIDI_MANAGER.SetMusic(m_current.musicOn, m_current.musicVolume);
    SoundEffect::SetEffects(m_current.effectsOn, m_current.effectsVolume);
}
