#include "platform/machines/sdl/AudioMixer.h"

#include <SDL2/SDL.h>

#include <algorithm>
#include <cmath>
#include <cstring>
#include <limits>

#include "platform/machines/synth/MusicSynthesizer.h"

namespace {

constexpr int kChannels = 2;
// About 23 ms a block at the mix rate: short enough that an effect starts with the
// click, long enough that the stream wakes only some forty times a second.
constexpr Uint16 kBlockFrames = 1024;

// SDL's audio lock, held for one scope.
class DeviceLock {
public:
    explicit DeviceLock(SDL_AudioDeviceID device) : m_device(device) {
        SDL_LockAudioDevice(m_device);
    }
    ~DeviceLock() { SDL_UnlockAudioDevice(m_device); }
    DeviceLock(const DeviceLock&) = delete;
    DeviceLock& operator=(const DeviceLock&) = delete;

private:
    SDL_AudioDeviceID m_device;
};

}  // namespace

std::unique_ptr<AudioMixer> AudioMixer::Open() {
    if (SDL_InitSubSystem(SDL_INIT_AUDIO) != 0) return nullptr;
    auto mixer = std::unique_ptr<AudioMixer>(new AudioMixer(0));
    if (!mixer->OpenDevice()) return nullptr;
    return mixer;
}

// The device starts paused.
bool AudioMixer::OpenDevice() {
    SDL_AudioSpec wanted{};
    wanted.freq = kSampleRate;
    wanted.format = AUDIO_F32SYS;
    wanted.channels = kChannels;
    wanted.samples = kBlockFrames;
    wanted.callback = FillStream;
    wanted.userdata = this;
    // SDL converts to whatever the device wants; the stream itself keeps this format.
    m_device = SDL_OpenAudioDevice(nullptr, 0, &wanted, nullptr, 0);
    return m_device != 0;
}

AudioMixer::AudioMixer(SDL_AudioDeviceID device) : m_device(device) {}

AudioMixer::~AudioMixer() {
    if (m_device != 0) SDL_CloseAudioDevice(m_device);
    SDL_QuitSubSystem(SDL_INIT_AUDIO);
}

void AudioMixer::SetMusic(std::shared_ptr<MusicSynthesizer> music) {
    DeviceLock lock(m_device);
    m_music = std::move(music);
}

void AudioMixer::MusicOpened() {
    if (m_device == 0) OpenDevice();
    DeviceLock lock(m_device);
    ++m_musicOutputs;
    SDL_PauseAudioDevice(m_device, 0);
}

// Without music and effect the device is closed: even paused, its thread would wake
// for every block.
void AudioMixer::MusicClosed() {
    {
        DeviceLock lock(m_device);
        if (m_musicOutputs > 0) --m_musicOutputs;
        PauseWhenSilent();
        if (m_musicOutputs > 0 || m_effectPosition < m_effect.size()) return;
    }
    SDL_CloseAudioDevice(m_device);
    m_device = 0;
}

// SDL's lock is recursive, so this may run inside the stream's own callback.
void AudioMixer::PauseWhenSilent() {
    if (m_musicOutputs == 0 && m_effectPosition >= m_effect.size())
        SDL_PauseAudioDevice(m_device, 1);
}

std::vector<float> AudioMixer::Decode(std::span<const uint8_t> wave) {
    if (wave.empty() || wave.size() > static_cast<size_t>(std::numeric_limits<int>::max()))
        return {};
    SDL_AudioSpec waveFormat{};
    Uint8* samples = nullptr;
    Uint32 length = 0;
    SDL_RWops* source = SDL_RWFromConstMem(wave.data(), static_cast<int>(wave.size()));
    if (SDL_LoadWAV_RW(source, 1, &waveFormat, &samples, &length) == nullptr) return {};
    SDL_AudioCVT conversion{};
    std::vector<float> decoded;
    if (SDL_BuildAudioCVT(&conversion, waveFormat.format, waveFormat.channels, waveFormat.freq,
                          AUDIO_F32SYS, kChannels, kSampleRate) >= 0 &&
        length <= static_cast<Uint32>(std::numeric_limits<int>::max() /
                                      std::max(conversion.len_mult, 1))) {
        std::vector<Uint8> buffer(static_cast<size_t>(length) *
                                  static_cast<size_t>(std::max(conversion.len_mult, 1)));
        std::memcpy(buffer.data(), samples, length);
        conversion.buf = buffer.data();
        conversion.len = static_cast<int>(length);
        if (SDL_ConvertAudio(&conversion) == 0) {
            decoded.resize(static_cast<size_t>(conversion.len_cvt) / sizeof(float));
            std::memcpy(decoded.data(), buffer.data(), decoded.size() * sizeof(float));
        }
    }
    SDL_FreeWAV(samples);
    return decoded;
}

bool AudioMixer::PlayEffect(std::span<const uint8_t> wave) {
    // Decoded before taking the lock, so the stream never waits for it.
    std::vector<float> effect = Decode(wave);
    const bool readable = !effect.empty();
    StartEffect(std::move(effect));
    return readable;
}

void AudioMixer::PlayTone() {
    StartEffect(Tone());
}

void AudioMixer::StartEffect(std::vector<float> effect) {
    const bool audible = !effect.empty();
    if (audible && m_device == 0) OpenDevice();
    DeviceLock lock(m_device);
    m_effect = std::move(effect);
    m_effectPosition = 0;
    if (audible) SDL_PauseAudioDevice(m_device, 0);
    PauseWhenSilent();
}

std::vector<float> AudioMixer::Tone() {
    constexpr size_t kFrames = static_cast<size_t>(kSampleRate) * kBeepMilliseconds / 1000;
    constexpr size_t kFadeFrames = kSampleRate / 200;
    constexpr double kTwoPi = 6.283185307179586;
    std::vector<float> tone;
    tone.reserve(kFrames * kChannels);
    for (size_t frame = 0; frame < kFrames; ++frame) {
        const double fade =
            static_cast<double>(std::min({frame, kFrames - 1 - frame, kFadeFrames})) / kFadeFrames;
        const double phase = kTwoPi * kBeepHertz * static_cast<double>(frame) / kSampleRate;
        const auto sample = static_cast<float>(kBeepLevel * fade * std::sin(phase));
        tone.insert(tone.end(), kChannels, sample);
    }
    return tone;
}

void AudioMixer::SetMusicVolume(float volume) {
    DeviceLock lock(m_device);
    m_musicVolume = volume;
}

void AudioMixer::StopEffect() {
    DeviceLock lock(m_device);
    m_effect.clear();
    m_effectPosition = 0;
    PauseWhenSilent();
}

bool AudioMixer::EffectPlaying() const {
    DeviceLock lock(m_device);
    return m_effectPosition < m_effect.size();
}

void SDLCALL AudioMixer::FillStream(void* mixer, Uint8* stream, int length) {
    static_cast<AudioMixer*>(mixer)->Mix(reinterpret_cast<float*>(stream),
                                         static_cast<size_t>(length) / sizeof(float));
}

// Runs on SDL's audio thread with the device lock held.
void AudioMixer::Mix(float* out, size_t samples) {
    if (m_music) {
        m_music->Render(out, static_cast<int>(samples / kChannels));
        const float level = kMusicLevel * m_musicVolume;
        for (size_t i = 0; i < samples; ++i) out[i] *= level;
    } else {
        std::fill(out, out + samples, 0.0f);
    }
    const size_t effectSamples = std::min(samples, m_effect.size() - m_effectPosition);
    for (size_t i = 0; i < effectSamples; ++i)
        out[i] += kEffectLevel * m_effect[m_effectPosition + i];
    m_effectPosition += effectSamples;
    for (size_t i = 0; i < samples; ++i) out[i] = std::clamp(out[i], -1.0f, 1.0f);
    PauseWhenSilent();
}
