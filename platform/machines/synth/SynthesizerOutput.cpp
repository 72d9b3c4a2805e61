#include "platform/machines/synth/SynthesizerOutput.h"

SynthesizerOutput::SynthesizerOutput(std::shared_ptr<MusicSynthesizer> synthesizer,
                                     std::shared_ptr<MusicMix> mix)
    : m_synthesizer(std::move(synthesizer)), m_mix(std::move(mix)) {
    m_mix->MusicOpened();
}

SynthesizerOutput::~SynthesizerOutput() {
    m_synthesizer->Reset();
    m_mix->MusicClosed();
}

void SynthesizerOutput::SendShortMessage(DWORD message) {
    m_synthesizer->Send(message);
}

void SynthesizerOutput::Reset() {
    m_synthesizer->Reset();
}

void SynthesizerOutput::SetVolume(float volume) {
    m_mix->SetMusicVolume(volume);
}
