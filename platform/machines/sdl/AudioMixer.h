#pragma once
// The one audio stream of the program: 32-bit float stereo, mixing the music from the
// synthesizer under the sound effect playing. A new effect cuts off the one before.
// While no music output is open and no effect sounds, the stream is paused: nothing is
// rendered then; once the music closes with no effect left, the device is closed too
// and opened again for the next music or effect.

#include <SDL2/SDL_audio.h>

#include <cstdint>
#include <memory>
#include <span>
#include <vector>

#include "platform/machines/synth/MixLevels.h"

class MusicSynthesizer;

class AudioMixer {
public:
    static constexpr int kSampleRate = MixLevels::kSampleRate;
    static constexpr float kMusicLevel = MixLevels::kMusic;
    static constexpr float kEffectLevel = MixLevels::kEffect;
    static constexpr int kBeepHertz = 880;
    static constexpr int kBeepMilliseconds = 150;
    static constexpr float kBeepLevel = 0.4f;

    // Opens the default audio device; null when there is none.
    static std::unique_ptr<AudioMixer> Open();
    ~AudioMixer();
    AudioMixer(const AudioMixer&) = delete;
    AudioMixer& operator=(const AudioMixer&) = delete;

    // The synthesizer mixed under the effects (null: no music).
    void SetMusic(std::shared_ptr<MusicSynthesizer> music);
    // A music output was opened or closed: the synthesizer is heard while one is open.
    void MusicOpened();
    void MusicClosed();
    // The music's volume, from 0 (silent) to 1 (full).
    void SetMusicVolume(float volume);
    // Starts a RIFF WAVE image, cutting off the effect playing; false (and the effect
    // playing stopped) when the bytes are no WAVE SDL can read.
    bool PlayEffect(std::span<const uint8_t> wave);
    // Starts the beep (kBeepHertz for kBeepMilliseconds) as the effect playing.
    void PlayTone();
    void StopEffect();
    bool EffectPlaying() const;

    // The effect as the stream plays it: interleaved stereo at kSampleRate; empty for
    // bytes that are no WAVE.
    static std::vector<float> Decode(std::span<const uint8_t> wave);
    // The beep as the stream plays it; it fades in and out so that it does not click.
    static std::vector<float> Tone();

private:
    explicit AudioMixer(SDL_AudioDeviceID device);
    void StartEffect(std::vector<float> effect);
    bool OpenDevice();
    static void SDLCALL FillStream(void* mixer, Uint8* stream, int length);
    void Mix(float* out, size_t samples);
    // Pauses the stream when there is nothing to hear; the device lock is held.
    void PauseWhenSilent();

    SDL_AudioDeviceID m_device;
    std::shared_ptr<MusicSynthesizer> m_music;
    std::vector<float> m_effect;
    size_t m_effectPosition = 0;
    int m_musicOutputs = 0;
    float m_musicVolume = 1.0f;
};
