#include "sound/MidiManager.h"

#include <vector>

#include "diag/Log.h"
#include "diag/TextFormat.h"
#include "platform/kernel/Kernel.h"
#include "sound/OutputVolume.h"

MidiManager MIDI_MANAGER;

namespace {

constexpr const char* kSongNames[] = {MidiManager::kSongFile};

std::string CurrentDirectory() {
    std::vector<char> buffer(260);
    DWORD length = GetCurrentDirectoryA(static_cast<DWORD>(buffer.size()), buffer.data());
    if (length >= buffer.size()) {
        buffer.resize(length + 1);
        length = GetCurrentDirectoryA(static_cast<DWORD>(buffer.size()), buffer.data());
    }
    if (length == 0 || length >= buffer.size()) return {};
    return std::string(buffer.data(), length);
}

}  // namespace

std::span<const char* const> MidiManager::SongNames() {
    return kSongNames;
}

void MidiManager::InitializedMIDI(std::span<const char* const> names, HWND owner) {
    m_owner = owner;
    const auto entry = static_cast<size_t>(BattleMode);
    if (!m_musicOn || entry >= names.size()) return;
    m_songPath = FormatText("%s\\%s", CurrentDirectory().c_str(), names[entry]);
    m_sequencer.OpenDevice(owner);
    PlayMIDI();
}

void MidiManager::StartAtStartUp(HWND owner) {
    InitializedMIDI(SongNames(), owner);
    m_musicStarted = 1;
    WriteLog("MidiManager.InitializedMIDI() ******;");
}

void MidiManager::PlayMIDI() {
    WriteLog("PlayMIDI BattleMode %i", BattleMode);
    if (m_active != 0 && !m_songPath.empty()) m_sequencer.PlayFile(m_songPath.c_str());
}

void MidiManager::StopMIDI() {
    m_sequencer.CloseDevice();
}

void MidiManager::StopAtQuit() {
    StopMIDI();
    m_musicStarted = 0;
}

void MidiManager::ActivateApp(int32_t active, HWND owner) {
    WriteLog("WM_ACTIVATEAPP %i", m_active);
    m_active = active;
    if (active == 0) {
        StopMIDI();
        return;
    }
    WriteLog("MIDI_MANAGER::ActivateApp %i", active);
    if (m_musicStarted == 1) InitializedMIDI(SongNames(), owner);
}

void MidiManager::SetMusic(bool on, int32_t volumePercent) {
    m_sequencer.SetVolume(OutputVolume(volumePercent));
    const bool turnedOn = on && !m_musicOn;
    m_musicOn = on;
    if (!on) {
        StopMIDI();
    } else if (turnedOn && m_musicStarted == 1 && m_active != 0) {
        InitializedMIDI(SongNames(), m_owner);
    }
}
