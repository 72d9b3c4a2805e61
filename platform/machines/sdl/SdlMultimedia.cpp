#include "platform/machines/sdl/SdlMultimedia.h"

#include <algorithm>

#include "platform/machines/sdl/AudioMixer.h"
#include "platform/machines/sdl/FluidSynthesizer.h"
#include "platform/machines/synth/BuiltInSynthesizer.h"
#include "platform/machines/synth/SynthesizerOutput.h"

namespace {

constexpr WORD kVoices = 256;

// The music's synthesizer: FluidSynth with the first of `soundfonts` that loads, else
// the built-in one, so that the song plays on every machine with sound.
std::shared_ptr<MusicSynthesizer> ChooseSynthesizer(const std::vector<std::string>& soundfonts) {
    if (std::shared_ptr<MusicSynthesizer> fluid =
            FluidSynthesizer::Load(StreamMixer::kSampleRate, soundfonts))
        return fluid;
    return std::make_shared<BuiltInSynthesizer>(StreamMixer::kSampleRate);
}

}  // namespace

SdlMultimedia::SdlMultimedia(const std::vector<std::string>& soundfonts)
    : m_mixer(AudioMixer::Open()) {
    if (!m_mixer) return;
    m_loading =
        std::async(std::launch::async, [soundfonts] { return ChooseSynthesizer(soundfonts); });
}

const std::shared_ptr<MusicSynthesizer>& SdlMultimedia::Synthesizer() {
    std::lock_guard lock(m_synthesizerLock);
    if (m_loading.valid()) {
        m_synthesizer = m_loading.get();
        m_mixer->SetMusic(m_synthesizer);
    }
    return m_synthesizer;
}

SdlMultimedia::~SdlMultimedia() {
    // Timers first: their callbacks may still be sending to the synthesizer.
    m_timers.KillAll();
    m_mixer.reset();
}

UINT SdlMultimedia::StartTimer(UINT delay, LPTIMECALLBACK callback, DWORD_PTR user, bool periodic) {
    return m_timers.Start(delay, callback, user, periodic);
}

bool SdlMultimedia::KillTimer(UINT timerId) {
    return m_timers.Kill(timerId);
}

UINT SdlMultimedia::MidiOutputCount() {
    return Synthesizer() ? 1 : 0;
}

bool SdlMultimedia::MidiOutputCapabilities(UINT deviceId, MIDIOUTCAPSA& caps) {
    if (deviceId >= MidiOutputCount()) return false;
    caps = SynthesizerCapabilities(*m_synthesizer, kVoices);
    return true;
}

std::unique_ptr<MidiOutputDevice> SdlMultimedia::OpenMidiOutput(UINT deviceId) {
    if (!Synthesizer() || (deviceId != 0 && deviceId != MIDI_MAPPER)) return nullptr;
    return std::make_unique<SynthesizerOutput>(m_synthesizer, m_mixer);
}

void SdlMultimedia::PlayBeep() {
    if (m_mixer) m_mixer->PlayTone();
}

void SdlMultimedia::PlayWave(const std::string&, std::span<const uint8_t> wave) {
    if (m_mixer) m_mixer->PlayEffect(wave);
}

void SdlMultimedia::StopWave() {
    if (m_mixer) m_mixer->StopEffect();
}

bool SdlMultimedia::EffectPlaying() const {
    return m_mixer && m_mixer->EffectPlaying();
}
