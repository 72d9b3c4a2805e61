#pragma once
// An open MIDI output device playing through a synthesizer heard in a stream's mix. It
// keeps the synthesizer and the stream alive while it is open, and the music is heard
// while one is; closing it silences the synthesizer.

#include <memory>

#include "platform/machines/synth/MusicMix.h"
#include "platform/machines/synth/MusicSynthesizer.h"
#include "platform/mm/MultimediaBackend.h"

class SynthesizerOutput : public MidiOutputDevice {
public:
    SynthesizerOutput(std::shared_ptr<MusicSynthesizer> synthesizer, std::shared_ptr<MusicMix> mix);
    ~SynthesizerOutput() override;
    SynthesizerOutput(const SynthesizerOutput&) = delete;
    SynthesizerOutput& operator=(const SynthesizerOutput&) = delete;

    void SendShortMessage(DWORD message) override;
    void Reset() override;
    void SetVolume(float volume) override;

private:
    std::shared_ptr<MusicSynthesizer> m_synthesizer;
    std::shared_ptr<MusicMix> m_mix;
};
