#pragma once
// Windows' multimedia devices for the album: timers on one timer thread, one MIDI output
// device that is the album's own General MIDI synthesizer (no synthesizer of the system
// is used), and the sound effects; the synthesizer and the effects are mixed by the
// stream's mixer (StreamMixer) into one stream on the system's audio output. The window
// system's beep is a short tone in that stream. Without an audio output there is no
// MIDI device and the effects are silent; the album runs on without sound.

#include <cstdint>
#include <memory>
#include <span>
#include <string>

#include "platform/machines/CountedTimerPeriods.h"
#include "platform/mm/TimerQueue.h"

class Win32Multimedia : public CountedTimerPeriods {
public:
    // Opens the system's default audio output, if there is one.
    Win32Multimedia();
    ~Win32Multimedia() override;
    Win32Multimedia(const Win32Multimedia&) = delete;
    Win32Multimedia& operator=(const Win32Multimedia&) = delete;

    UINT StartTimer(UINT delay, LPTIMECALLBACK callback, DWORD_PTR user, bool periodic) override;
    bool KillTimer(UINT timerId) override;
    UINT MidiOutputCount() override;
    bool MidiOutputCapabilities(UINT deviceId, MIDIOUTCAPSA& caps) override;
    std::unique_ptr<MidiOutputDevice> OpenMidiOutput(UINT deviceId) override;
    void PlayWave(const std::string& name, std::span<const uint8_t> wave) override;
    void StopWave() override;
    // The window system's beep: a short tone, cutting off the effect playing like one.
    void PlayBeep();

    bool HasAudio() const { return m_sound != nullptr; }
    // Whether an effect is still sounding (tests wait for one to end).
    bool EffectPlaying() const;
    // The blocks of the stream mixed so far (tests see that none is while all is silent).
    int64_t BlocksMixed() const;

private:
    class Sound;

    TimerQueue m_timers;
    std::shared_ptr<Sound> m_sound;
};
