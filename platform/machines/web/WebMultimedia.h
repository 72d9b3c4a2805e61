#pragma once
// The browser's multimedia devices. The browser build has no threads: the timers are the
// main loop's, run from the program's waits, and the music is fed from those waits too
// (PumpWebAudio): one MIDI output device, the built-in General MIDI synthesizer, rendered
// a little ahead of the audio clock into buffers that Web Audio plays one after another,
// a few a second.
// Effects are decoded here and played as Web Audio buffers, a new one cutting off the one
// before. Browsers let a page make sound only after the user has acted on it: the audio
// context is made on the first key, click or lifted finger, and until then the music
// and the effects go unheard.
//
// For tests and tools the page offers `quillory.audio` (the audio context, null before
// the first gesture) and `quillory.level()` (the loudness of what went to the speakers
// in the last tenth of a second, as an RMS from 0 to 1).

#include <cstdint>
#include <memory>

#include "platform/machines/CountedTimerPeriods.h"
#include "platform/machines/synth/BuiltInSynthesizer.h"
#include "platform/machines/synth/MusicScheduler.h"

class WebMultimedia : public CountedTimerPeriods {
public:
    static WebMultimedia& Instance();

    UINT StartTimer(UINT delay, LPTIMECALLBACK callback, DWORD_PTR user, bool periodic) override;
    bool KillTimer(UINT timerId) override;
    UINT MidiOutputCount() override;
    bool MidiOutputCapabilities(UINT deviceId, MIDIOUTCAPSA& caps) override;
    std::unique_ptr<MidiOutputDevice> OpenMidiOutput(UINT deviceId) override;
    void PlayWave(const std::string& name, std::span<const uint8_t> wave) override;
    void StopWave() override;

    // Aside (the album waiting at its title after a Quit), the audio context is
    // suspended and no gesture resumes it; brought back, it runs again.
    void SetAside(bool aside);

    // Queues the music due on the audio clock; answers the milliseconds until more is due.
    DWORD Pump();

private:
    class SynthOutput;
    // How often Pump looks whether the page may make sound yet, in milliseconds.
    static constexpr DWORD kSilentPoll = 100;

    WebMultimedia();
    // Renders the music up to the audio clock's present, before a change to the
    // synthesizer.
    void CatchUp();

    BuiltInSynthesizer m_synthesizer;
    MusicScheduler m_music;
    int32_t m_musicOutputs = 0;
};

// WebMultimedia::Instance().Pump(): the main loop's work at every turn of a wait while
// a MIDI output is open.
DWORD PumpWebAudio();
