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

class FluidSynthesizer;

class AudioMixer {
public:
    // The rate of the effects; the synthesizer renders at it too, which halves its work
    // against 44100 with nothing lost that the General MIDI soundfont holds.
    static constexpr int kSampleRate = 22050;
    // The music plays at this share of full level, so that effects stand out above it.
    static constexpr float kMusicLevel = 0.5f;

    // Opens the default audio device; null when there is none.
    static std::unique_ptr<AudioMixer> Open();
    ~AudioMixer();
    AudioMixer(const AudioMixer&) = delete;
    AudioMixer& operator=(const AudioMixer&) = delete;

    // The synthesizer mixed under the effects (null: no music).
    void SetMusic(std::shared_ptr<FluidSynthesizer> music);
    // A music output was opened or closed: the synthesizer is heard while one is open.
    void MusicOpened();
    void MusicClosed();
    // Starts a RIFF WAVE image, cutting off the effect playing; false (and the effect
    // playing stopped) when the bytes are no WAVE SDL can read.
    bool PlayEffect(std::span<const uint8_t> wave);
    void StopEffect();
    bool EffectPlaying() const;

    // The effect as the stream plays it: interleaved stereo at kSampleRate; empty for
    // bytes that are no WAVE.
    static std::vector<float> Decode(std::span<const uint8_t> wave);

private:
    explicit AudioMixer(SDL_AudioDeviceID device);
    bool OpenDevice();
    static void SDLCALL FillStream(void* mixer, Uint8* stream, int length);
    void Mix(float* out, size_t samples);
    // Pauses the stream when there is nothing to hear; the device lock is held.
    void PauseWhenSilent();

    SDL_AudioDeviceID m_device;
    std::shared_ptr<FluidSynthesizer> m_music;
    std::vector<float> m_effect;
    size_t m_effectPosition = 0;
    int m_musicOutputs = 0;
};
