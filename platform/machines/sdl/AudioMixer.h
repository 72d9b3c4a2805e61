#pragma once
// The one audio stream of the program on an SDL audio device, playing what the stream's
// mixer (StreamMixer) mixes: the music from the synthesizer under the sound effect
// playing. While the mixer is silent the stream is paused: nothing is rendered then;
// once the music closes with no effect left, the device is closed too and opened again
// for the next music or effect.

#include <SDL2/SDL_audio.h>

#include <cstdint>
#include <memory>
#include <span>
#include <vector>

#include "platform/machines/synth/MusicMix.h"
#include "platform/machines/synth/StreamMixer.h"

class MusicSynthesizer;

class AudioMixer : public MusicMix {
public:
    // Opens the default audio device; null when there is none.
    static std::unique_ptr<AudioMixer> Open();
    ~AudioMixer() override;
    AudioMixer(const AudioMixer&) = delete;
    AudioMixer& operator=(const AudioMixer&) = delete;

    // The synthesizer mixed under the effects (null: no music).
    void SetMusic(std::shared_ptr<MusicSynthesizer> music);
    void MusicOpened() override;
    void MusicClosed() override;
    void SetMusicVolume(float volume) override;
    // Starts a RIFF WAVE image, cutting off the effect playing; false (and the effect
    // playing stopped) when the bytes are no WAVE the mixer can read.
    bool PlayEffect(std::span<const uint8_t> wave);
    // Starts the beep (StreamMixer::Tone) as the effect playing.
    void PlayTone();
    void StopEffect();
    bool EffectPlaying() const;

private:
    explicit AudioMixer(SDL_AudioDeviceID device);
    void StartEffect(std::vector<float> effect);
    bool OpenDevice();
    static void SDLCALL FillStream(void* mixer, Uint8* stream, int length);
    // Pauses the stream when there is nothing to hear; the device lock is held.
    void PauseWhenSilent();

    SDL_AudioDeviceID m_device;
    // Guarded by the device lock.
    StreamMixer m_mixer;
};
