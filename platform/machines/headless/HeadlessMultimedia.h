#pragma once
// The in-memory multimedia devices: a 1 ms timer device, MIDI outputs with scripted
// product names and a wave player, all of which record what they are asked with the
// time of timeGetTime. Tests can drive the timers by hand from the virtual clock of
// the headless backend: AdvanceClock moves that clock on one millisecond at a time
// and runs each timer callback that falls due, exactly then, on the calling thread.

#include <cstdint>
#include <mutex>
#include <string>
#include <vector>

#include "platform/machines/CountedTimerPeriods.h"
#include "platform/mm/TimerQueue.h"

class HeadlessMultimedia : public CountedTimerPeriods {
public:
    enum class MidiAction { Open, ShortMessage, Reset, Close, Volume };

    struct MidiRecord {
        DWORD time;
        int32_t device;  // device number, or -1 for the mapper
        MidiAction action;
        DWORD message;  // ShortMessage; Volume: 0 to 0xFFFF
    };

    struct SoundRecord {
        DWORD time;
        std::string name;
        std::vector<uint8_t> wave;
    };

    static constexpr const char* kDefaultDeviceName = "Headless General MIDI Synth";

    static HeadlessMultimedia& Instance();

    UINT StartTimer(UINT delay, LPTIMECALLBACK callback, DWORD_PTR user, bool periodic) override;
    bool KillTimer(UINT timerId) override;
    UINT MidiOutputCount() override;
    bool MidiOutputCapabilities(UINT deviceId, MIDIOUTCAPSA& caps) override;
    std::unique_ptr<MidiOutputDevice> OpenMidiOutput(UINT deviceId) override;
    void PlayWave(const std::string& name, std::span<const uint8_t> wave) override;
    void StopWave() override;

    // The product names of the MIDI output devices, device 0 first. The mapper opens
    // whenever there is at least one device.
    void SetMidiDevices(std::vector<std::string> productNames);
    // What every device reports itself to be: a hardware port (MOD_MIDIPORT) unless
    // set otherwise.
    void SetMidiTechnology(WORD technology);
    // Timers started from now on run by hand (AdvanceClock) or on the timer thread.
    void DriveTimersByHand(bool byHand);
    // Moves the clock on by `milliseconds`, one at a time, running due callbacks.
    // Needs the backend's virtual clock to be set.
    void AdvanceClock(DWORD milliseconds);
    // Off, MIDI messages are not kept (long benchmarks).
    void RecordMidi(bool on);

    std::vector<MidiRecord> MidiRecords() const;
    std::vector<SoundRecord> SoundsPlayed() const;
    // The sound playing now (the last one started), empty after a stop.
    std::string SoundPlaying() const;
    size_t RunningTimers() const;

    // Kills every timer, forgets every record and brings back one default device,
    // timers on the timer thread and recording on.
    void Reset();

private:
    class Output;

    void Record(int32_t device, MidiAction action, DWORD message);

    TimerQueue m_timers;
    mutable std::mutex m_lock;
    std::vector<std::string> m_deviceNames{kDefaultDeviceName};
    WORD m_technology = MOD_MIDIPORT;
    std::vector<MidiRecord> m_midi;
    std::vector<SoundRecord> m_sounds;
    std::string m_soundPlaying;
    bool m_recordMidi = true;
};
