#include "album/SettingsHolder.h"

#include "io/FileManager.h"
#include "platform/kernel/KernelBackend.h"
#include "sound/MidiManager.h"
#include "sound/SoundEffect.h"

SettingsHolder::SettingsHolder(const GrownUpSettings::Changes& forThisRun)
    : m_folder(KernelBackendSlot::Current().SettingsFolder()),
      m_file(m_folder + "/" + kFileName),
      m_current(m_file.Read()) {
    for (const auto& [key, value] : forThisRun) m_current.Set(key, value);
    Apply();
}

void SettingsHolder::Change(const GrownUpSettings& settings) {
    CFileManager::MakeFolders(m_folder);
    m_file.Write(settings);
    m_current = settings;
    Apply();
}

void SettingsHolder::Apply() const {
    MIDI_MANAGER.SetMusic(m_current.musicOn, m_current.musicVolume);
    SoundEffect::SetEffects(m_current.effectsOn, m_current.effectsVolume);
}
