#include "platform/machines/sdl/AudioMixer.h"

#include <SDL2/SDL.h>

namespace {

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
    wanted.freq = StreamMixer::kSampleRate;
    wanted.format = AUDIO_F32SYS;
    wanted.channels = StreamMixer::kChannels;
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
    m_mixer.SetMusic(std::move(music));
}

void AudioMixer::MusicOpened() {
    if (m_device == 0) OpenDevice();
    DeviceLock lock(m_device);
    m_mixer.MusicOpened();
    SDL_PauseAudioDevice(m_device, 0);
}

// Without music and effect the device is closed: even paused, its thread would wake
// for every block.
void AudioMixer::MusicClosed() {
    {
        DeviceLock lock(m_device);
        m_mixer.MusicClosed();
        PauseWhenSilent();
        if (!m_mixer.Silent()) return;
    }
    SDL_CloseAudioDevice(m_device);
    m_device = 0;
}

// SDL's lock is recursive, so this may run inside the stream's own callback.
void AudioMixer::PauseWhenSilent() {
    if (m_mixer.Silent()) SDL_PauseAudioDevice(m_device, 1);
}

bool AudioMixer::PlayEffect(std::span<const uint8_t> wave) {
    // Decoded before taking the lock, so the stream never waits for it.
    std::vector<float> effect = StreamMixer::Decode(wave);
    const bool readable = !effect.empty();
    StartEffect(std::move(effect));
    return readable;
}

void AudioMixer::PlayTone() {
    StartEffect(StreamMixer::Tone());
}

void AudioMixer::StartEffect(std::vector<float> effect) {
    const bool audible = !effect.empty();
    if (audible && m_device == 0) OpenDevice();
    DeviceLock lock(m_device);
    m_mixer.StartEffect(std::move(effect));
    if (audible) SDL_PauseAudioDevice(m_device, 0);
    PauseWhenSilent();
}

void AudioMixer::SetMusicVolume(float volume) {
    DeviceLock lock(m_device);
    m_mixer.SetMusicVolume(volume);
}

void AudioMixer::StopEffect() {
    DeviceLock lock(m_device);
    m_mixer.StopEffect();
    PauseWhenSilent();
}

bool AudioMixer::EffectPlaying() const {
    DeviceLock lock(m_device);
    return m_mixer.EffectPlaying();
}

void SDLCALL AudioMixer::FillStream(void* audioMixer, Uint8* stream, int length) {
    // Runs on SDL's audio thread with the device lock held.
    auto& mixer = *static_cast<AudioMixer*>(audioMixer);
    mixer.m_mixer.Mix(
        std::span(reinterpret_cast<float*>(stream), static_cast<size_t>(length) / sizeof(float)));
    mixer.PauseWhenSilent();
}
