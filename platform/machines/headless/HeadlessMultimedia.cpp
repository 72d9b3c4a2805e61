#include "platform/machines/headless/HeadlessMultimedia.h"

#include <algorithm>
#include <cmath>

#include "platform/kernel/Kernel.h"

// A recorder standing in for a synthesizer.
class HeadlessMultimedia::Output : public MidiOutputDevice {
public:
    Output(HeadlessMultimedia& owner, int32_t device) : m_owner(owner), m_device(device) {
        m_owner.Record(m_device, MidiAction::Open, 0);
    }
    ~Output() override { m_owner.Record(m_device, MidiAction::Close, 0); }

    void SendShortMessage(DWORD message) override {
        m_owner.Record(m_device, MidiAction::ShortMessage, message);
    }
    void Reset() override { m_owner.Record(m_device, MidiAction::Reset, 0); }
    void SetVolume(float volume) override {
        constexpr float kFull = 0xFFFF;
        m_owner.Record(m_device, MidiAction::Volume,
                       static_cast<DWORD>(std::lround(volume * kFull)));
    }

private:
    HeadlessMultimedia& m_owner;
    int32_t m_device;
};

// Never destroyed: the music object, a global of its own, may still stop its timer
// and close its output while the program ends.
HeadlessMultimedia& HeadlessMultimedia::Instance() {
    static auto* instance = new HeadlessMultimedia;
    return *instance;
}

UINT HeadlessMultimedia::StartTimer(UINT delay, LPTIMECALLBACK callback, DWORD_PTR user,
                                    bool periodic) {
    return m_timers.Start(delay, callback, user, periodic);
}

bool HeadlessMultimedia::KillTimer(UINT timerId) {
    return m_timers.Kill(timerId);
}

UINT HeadlessMultimedia::MidiOutputCount() {
    std::lock_guard lock(m_lock);
    return static_cast<UINT>(m_deviceNames.size());
}

bool HeadlessMultimedia::MidiOutputCapabilities(UINT deviceId, MIDIOUTCAPSA& caps) {
    std::lock_guard lock(m_lock);
    if (deviceId >= m_deviceNames.size()) return false;
    caps = MIDIOUTCAPSA{};
    const std::string& name = m_deviceNames[deviceId];
    std::copy_n(name.begin(), std::min(name.size(), MAXPNAMELEN - 1), caps.szPname);
    caps.wTechnology = m_technology;
    caps.wVoices = 64;
    caps.wNotes = 64;
    caps.wChannelMask = 0xFFFF;
    return true;
}

std::unique_ptr<MidiOutputDevice> HeadlessMultimedia::OpenMidiOutput(UINT deviceId) {
    {
        std::lock_guard lock(m_lock);
        const bool known = deviceId < m_deviceNames.size();
        const bool mapper = deviceId == MIDI_MAPPER && !m_deviceNames.empty();
        if (!known && !mapper) return nullptr;
    }
    return std::make_unique<Output>(*this, static_cast<int32_t>(deviceId));
}

void HeadlessMultimedia::PlayWave(const std::string& name, std::span<const uint8_t> wave) {
    const DWORD now = timeGetTime();
    std::lock_guard lock(m_lock);
    m_sounds.push_back({now, name, {wave.begin(), wave.end()}});
    m_soundPlaying = name;
}

void HeadlessMultimedia::StopWave() {
    std::lock_guard lock(m_lock);
    m_soundPlaying.clear();
}

void HeadlessMultimedia::SetMidiDevices(std::vector<std::string> productNames) {
    std::lock_guard lock(m_lock);
    m_deviceNames = std::move(productNames);
}

void HeadlessMultimedia::SetMidiTechnology(WORD technology) {
    std::lock_guard lock(m_lock);
    m_technology = technology;
}

void HeadlessMultimedia::DriveTimersByHand(bool byHand) {
    m_timers.SetDrive(byHand ? TimerQueue::Drive::ByHand : TimerQueue::Drive::TimerThread);
}

void HeadlessMultimedia::AdvanceClock(DWORD milliseconds) {
    // Callbacks may sleep, which moves the virtual clock on too; the target stays put.
    const DWORD target = timeGetTime() + milliseconds;
    while (static_cast<int32_t>(target - timeGetTime()) > 0) {
        Sleep(1);
        m_timers.RunDue(timeGetTime());
    }
}

void HeadlessMultimedia::RecordMidi(bool on) {
    std::lock_guard lock(m_lock);
    m_recordMidi = on;
}

void HeadlessMultimedia::Record(int32_t device, MidiAction action, DWORD message) {
    const DWORD now = timeGetTime();
    std::lock_guard lock(m_lock);
    if (m_recordMidi) m_midi.push_back({now, device, action, message});
}

std::vector<HeadlessMultimedia::MidiRecord> HeadlessMultimedia::MidiRecords() const {
    std::lock_guard lock(m_lock);
    return m_midi;
}

std::vector<HeadlessMultimedia::SoundRecord> HeadlessMultimedia::SoundsPlayed() const {
    std::lock_guard lock(m_lock);
    return m_sounds;
}

std::string HeadlessMultimedia::SoundPlaying() const {
    std::lock_guard lock(m_lock);
    return m_soundPlaying;
}

size_t HeadlessMultimedia::RunningTimers() const {
    return m_timers.RunningCount();
}

void HeadlessMultimedia::Reset() {
    m_timers.KillAll();
    ForgetTimerPeriods();
    m_timers.SetDrive(TimerQueue::Drive::TimerThread);
    std::lock_guard lock(m_lock);
    m_deviceNames = {kDefaultDeviceName};
    m_technology = MOD_MIDIPORT;
    m_midi.clear();
    m_sounds.clear();
    m_soundPlaying.clear();
    m_recordMidi = true;
}
