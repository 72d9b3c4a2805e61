#include "platform/machines/win32/Win32Multimedia.h"

#include <mutex>
#include <vector>

#include "platform/machines/synth/BuiltInSynthesizer.h"
#include "platform/machines/synth/StreamMixer.h"
#include "platform/machines/synth/SynthesizerOutput.h"
#include "platform/machines/win32/HostWaveOut.h"

namespace {

constexpr WORD kVoices = static_cast<WORD>(BuiltInSynthesizer::kVoices);

}  // namespace

// The one stream: the mixer under the lock the output's thread fills blocks under, the
// synthesizer it mixes, and the output. Every change to the mix wakes the output, which
// rests while the mix is silent. The MIDI outputs open (SynthesizerOutput) keep it.
class Win32Multimedia::Sound : public MusicMix {
public:
    // Null when the system has no audio output.
    static std::shared_ptr<Sound> Open() {
        auto sound = std::make_shared<Sound>();
        sound->m_mixer.SetMusic(sound->m_synthesizer);
        Sound* filled = sound.get();
        sound->m_output =
            HostWaveOut::Open(StreamMixer::kSampleRate,
                              [filled](std::span<float> block) { return filled->Fill(block); });
        return sound->m_output ? sound : nullptr;
    }

    const std::shared_ptr<BuiltInSynthesizer>& Synthesizer() const { return m_synthesizer; }

    void MusicOpened() override {
        ChangeMix([](StreamMixer& mixer) { mixer.MusicOpened(); });
    }
    void MusicClosed() override {
        ChangeMix([](StreamMixer& mixer) { mixer.MusicClosed(); });
    }
    void SetMusicVolume(float volume) override {
        ChangeMix([volume](StreamMixer& mixer) { mixer.SetMusicVolume(volume); });
    }

    template <typename Change>
    void ChangeMix(Change change) {
        {
            std::lock_guard lock(m_lock);
            change(m_mixer);
        }
        m_output->Wake();
    }

    bool EffectPlaying() const {
        std::lock_guard lock(m_lock);
        return m_mixer.EffectPlaying();
    }

    int64_t BlocksMixed() const {
        std::lock_guard lock(m_lock);
        return m_blocksMixed;
    }

private:
    // On the output's thread.
    bool Fill(std::span<float> block) {
        std::lock_guard lock(m_lock);
        if (m_mixer.Silent()) return false;
        m_mixer.Mix(block);
        ++m_blocksMixed;
        return true;
    }

    mutable std::mutex m_lock;
    StreamMixer m_mixer;
    int64_t m_blocksMixed = 0;
    std::shared_ptr<BuiltInSynthesizer> m_synthesizer =
        std::make_shared<BuiltInSynthesizer>(StreamMixer::kSampleRate);
    // Last, so that it goes first: its thread no longer fills blocks once it is gone.
    std::unique_ptr<HostWaveOut> m_output;
};

Win32Multimedia::Win32Multimedia() : m_sound(Sound::Open()) {}

Win32Multimedia::~Win32Multimedia() {
    // Timers first: their callbacks may still be sending to the synthesizer.
    m_timers.KillAll();
    m_sound.reset();
}

UINT Win32Multimedia::StartTimer(UINT delay, LPTIMECALLBACK callback, DWORD_PTR user,
                                 bool periodic) {
    return m_timers.Start(delay, callback, user, periodic);
}

bool Win32Multimedia::KillTimer(UINT timerId) {
    return m_timers.Kill(timerId);
}

UINT Win32Multimedia::MidiOutputCount() {
    return m_sound ? 1 : 0;
}

bool Win32Multimedia::MidiOutputCapabilities(UINT deviceId, MIDIOUTCAPSA& caps) {
    if (deviceId >= MidiOutputCount()) return false;
    caps = SynthesizerCapabilities(*m_sound->Synthesizer(), kVoices);
    return true;
}

std::unique_ptr<MidiOutputDevice> Win32Multimedia::OpenMidiOutput(UINT deviceId) {
    if (!m_sound || (deviceId != 0 && deviceId != MIDI_MAPPER)) return nullptr;
    return std::make_unique<SynthesizerOutput>(m_sound->Synthesizer(), m_sound);
}

void Win32Multimedia::PlayWave(const std::string&, std::span<const uint8_t> wave) {
    if (!m_sound) return;
    // Decoded before taking the lock, so the output's thread never waits for it.
    std::vector<float> effect = StreamMixer::Decode(wave);
    m_sound->ChangeMix([&effect](StreamMixer& mixer) { mixer.StartEffect(std::move(effect)); });
}

void Win32Multimedia::PlayBeep() {
    if (!m_sound) return;
    std::vector<float> tone = StreamMixer::Tone();
    m_sound->ChangeMix([&tone](StreamMixer& mixer) { mixer.StartEffect(std::move(tone)); });
}

void Win32Multimedia::StopWave() {
    if (m_sound) m_sound->ChangeMix([](StreamMixer& mixer) { mixer.StopEffect(); });
}

bool Win32Multimedia::EffectPlaying() const {
    return m_sound && m_sound->EffectPlaying();
}

int64_t Win32Multimedia::BlocksMixed() const {
    return m_sound ? m_sound->BlocksMixed() : 0;
}
