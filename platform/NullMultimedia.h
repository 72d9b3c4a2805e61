#pragma once
// The multimedia devices of a program without a display: no timers start, there is
// no MIDI output and sounds play nowhere. In use until the desktop installs its own.

#include "platform/MultimediaBackend.h"

class NullMultimedia : public MultimediaBackend {
public:
    static NullMultimedia& Instance();

    TIMECAPS TimerCapabilities() override;
    bool BeginTimerPeriod(UINT period) override;
    bool EndTimerPeriod(UINT period) override;
    UINT StartTimer(UINT delay, LPTIMECALLBACK callback, DWORD_PTR user, bool periodic) override;
    bool KillTimer(UINT timerId) override;
    UINT MidiOutputCount() override;
    bool MidiOutputCapabilities(UINT deviceId, MIDIOUTCAPSA& caps) override;
    std::unique_ptr<MidiOutputDevice> OpenMidiOutput(UINT deviceId) override;
    void PlayWave(const std::string& name, std::span<const uint8_t> wave) override;
    void StopWave() override;
};
