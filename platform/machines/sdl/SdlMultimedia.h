#pragma once
// The desktop's multimedia devices: timers on one timer thread, one MIDI output
// device that is the General MIDI synthesizer, and sound effects, the synthesizer and
// the effects mixed in one audio stream. The synthesizer is FluidSynth with a
// soundfont, or the built-in one where no soundfont loads. Without an audio device
// there is no MIDI device and effects are silent. The soundfont is read on a thread of
// its own from the start, so that the window and the pictures need not wait for it;
// the first question about the MIDI device waits for it.

#include <future>
#include <memory>
#include <mutex>
#include <string>
#include <vector>

#include "platform/machines/CountedTimerPeriods.h"
#include "platform/mm/TimerQueue.h"

class AudioMixer;
class MusicSynthesizer;

class SdlMultimedia : public CountedTimerPeriods {
public:
    // Opens the audio device and loads the first soundfont of `soundfonts` that loads.
    explicit SdlMultimedia(const std::vector<std::string>& soundfonts);
    ~SdlMultimedia() override;
    SdlMultimedia(const SdlMultimedia&) = delete;
    SdlMultimedia& operator=(const SdlMultimedia&) = delete;

    UINT StartTimer(UINT delay, LPTIMECALLBACK callback, DWORD_PTR user, bool periodic) override;
    bool KillTimer(UINT timerId) override;
    UINT MidiOutputCount() override;
    bool MidiOutputCapabilities(UINT deviceId, MIDIOUTCAPSA& caps) override;
    std::unique_ptr<MidiOutputDevice> OpenMidiOutput(UINT deviceId) override;
    void PlayWave(const std::string& name, std::span<const uint8_t> wave) override;
    void StopWave() override;
    // The window system's beep: a short tone, cutting off the effect playing like one.
    void PlayBeep();

    bool HasAudio() const { return m_mixer != nullptr; }
    bool HasSynthesizer() { return Synthesizer() != nullptr; }
    // Whether an effect is still sounding (tests wait for one to end).
    bool EffectPlaying() const;

private:
    // The synthesizer once it has loaded: FluidSynth, else the built-in one.
    const std::shared_ptr<MusicSynthesizer>& Synthesizer();

    TimerQueue m_timers;
    std::shared_ptr<AudioMixer> m_mixer;
    std::future<std::shared_ptr<MusicSynthesizer>> m_loading;
    std::mutex m_synthesizerLock;
    std::shared_ptr<MusicSynthesizer> m_synthesizer;
};
