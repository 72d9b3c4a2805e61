#pragma once
// The browser's multimedia devices. The browser build has no threads, so the timers run
// on the page's main loop (PumpWebAudio), and so does the music: one MIDI output device,
// the built-in General MIDI synthesizer, rendered a little ahead of the audio clock into
// buffers that Web Audio plays one after the other. Effects are decoded here and played
// as Web Audio buffers, a new one cutting off the one before. Browsers let a page make
// sound only after the user has touched it: the audio context is made on the first key,
// click or touch, and until then the music and the effects go unheard.
//
// For tests and tools the page offers `quillory.audio` (the audio context, null before
// the first gesture) and `quillory.level()` (the loudness of what went to the speakers
// in the last tenth of a second, as an RMS from 0 to 1).

#include <cstdint>
#include <memory>
#include <optional>

#include "platform/MultimediaBackend.h"
#include "platform/TimerQueue.h"
#include "platform/synth/BuiltInSynthesizer.h"
#include "platform/synth/MusicScheduler.h"

class WebMultimedia : public MultimediaBackend {
public:
    static WebMultimedia& Instance();

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

    // Runs the timer callbacks due by timeGetTime, then queues the music due on the
    // audio clock.
    void Pump();

private:
    class SynthOutput;

    WebMultimedia();

    TimerQueue m_timers;
    BuiltInSynthesizer m_synthesizer;
    MusicScheduler m_music;
    int32_t m_musicOutputs = 0;
    int32_t m_openPeriods = 0;
};

// Called by the page's main loop at least every frame, also while the program waits
// (Sleep, a modal dialog): WebMultimedia::Instance().Pump().
void PumpWebAudio();
