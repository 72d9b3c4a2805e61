#pragma once
// The devices behind platform/mm/Multimedia.h: the timer device, MIDI output devices
// and the wave player. The desktop plugs its synthesizer and audio stream in here; tests
// use the in-memory HeadlessMultimedia. The defaults serve a machine without sound or
// timers: no timer starts, there is no MIDI output, and waves play silently.

#include <cstdint>
#include <memory>
#include <span>
#include <string>

#include "platform/kernel/BackendSlot.h"
#include "platform/mm/MultimediaTypes.h"

// One open MIDI output: a synthesizer or a port. Messages come from one thread at a
// time (the multimedia layer serialises them).
class MidiOutputDevice {
public:
    virtual ~MidiOutputDevice() = default;

    // A channel message packed as status | data1 << 8 | data2 << 16.
    virtual void SendShortMessage(DWORD message) = 0;
    // Silences every sounding note and resets the controllers.
    virtual void Reset() = 0;
    // The output's volume, from 0 (silent) to 1 (full, as opened).
    virtual void SetVolume(float /*volume*/) {}
};

class MultimediaBackend {
public:
    virtual ~MultimediaBackend() = default;

    virtual TIMECAPS TimerCapabilities() { return {}; }
    // Requests and releases a timer resolution; false when the period is out of range
    // (or, when ending, was never requested).
    virtual bool BeginTimerPeriod(UINT /*period*/) { return false; }
    virtual bool EndTimerPeriod(UINT /*period*/) { return false; }
    // The semantics of timeSetEvent (periodic, or one-shot when not `periodic`) and
    // timeKillEvent.
    virtual UINT StartTimer(UINT /*delay*/, LPTIMECALLBACK /*callback*/, DWORD_PTR /*user*/,
                            bool /*periodic*/) {
        return 0;
    }
    virtual bool KillTimer(UINT /*timerId*/) { return false; }

    virtual UINT MidiOutputCount() { return 0; }
    // Fills `caps` for device number `deviceId`; false for an unknown device.
    virtual bool MidiOutputCapabilities(UINT /*deviceId*/, MIDIOUTCAPSA& /*caps*/) { return false; }
    // Opens a device number or MIDI_MAPPER; null when it cannot be opened.
    virtual std::unique_ptr<MidiOutputDevice> OpenMidiOutput(UINT /*deviceId*/) { return nullptr; }

    // Starts playing a RIFF WAVE image, cutting off the sound playing.
    virtual void PlayWave(const std::string& /*name*/, std::span<const uint8_t> /*wave*/) {}
    virtual void StopWave() {}
};

// The multimedia backend in use, and installing another; until one is installed, the defaults.
using MultimediaBackendSlot = BackendSlot<MultimediaBackend>;
