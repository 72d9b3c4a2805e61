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

class MusicSynthesizer;

class AudioMixer {
public:
    // The rate of the effects; the synthesizer renders at it too, which halves its work
    // against 44100 with nothing lost that the General MIDI soundfont holds.
    static constexpr int kSampleRate = 22050;
    // The synthesizer renders the song quietly (about -46 dBFS RMS with this soundfont)
    // and the effects are loud (-11 to -15 dBFS RMS, peaks up to 0.84). The music is
    // raised and the effects lowered so that the two sit within 10 dB of each other
    // and an effect over the song's loudest moment stays below full scale.
    static constexpr float kMusicLevel = 3.8f;
    static constexpr float kEffectLevel = 0.5f;
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
};
