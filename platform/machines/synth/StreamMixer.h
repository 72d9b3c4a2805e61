#pragma once
// What the one audio stream of a machine plays: 32-bit float stereo at the mix rate, the
// music from the synthesizer under the sound effect playing, at the album's levels. A
// new effect cuts off the one before. The stream has something to hear while a music
// output is open or an effect sounds; otherwise it is silent and its machine pauses it,
// so that nothing is rendered then. The effects are decoded to the stream's format here.
//
// The mixer holds no lock of its own: its machine serialises every call with the lock
// its stream is filled under (SDL's device lock, the Windows feeder's mutex), so that
// the choice to pause goes with what was mixed.

#include <cstddef>
#include <cstdint>
#include <memory>
#include <span>
#include <vector>

#include "platform/machines/synth/MixLevels.h"

class MusicSynthesizer;

class StreamMixer {
public:
    static constexpr int kSampleRate = MixLevels::kSampleRate;
    static constexpr int kChannels = 2;
    static constexpr float kMusicLevel = MixLevels::kMusic;
    static constexpr float kEffectLevel = MixLevels::kEffect;
    static constexpr int kBeepHertz = 880;
    static constexpr int kBeepMilliseconds = 150;
    static constexpr float kBeepLevel = 0.4f;

    // The synthesizer mixed under the effects (null: no music).
    void SetMusic(std::shared_ptr<MusicSynthesizer> music);
    // A music output was opened or closed: the synthesizer is heard while one is open.
    void MusicOpened();
    void MusicClosed();
    // The music's volume, from 0 (silent) to 1 (full).
    void SetMusicVolume(float volume);
    // Starts `effect` (as Decode or Tone give it), cutting off the effect playing; an
    // empty one just stops it.
    void StartEffect(std::vector<float> effect);
    void StopEffect();
    bool EffectPlaying() const;
    // Nothing to hear: no music output open and no effect left.
    bool Silent() const;

    // Fills `out` (interleaved stereo) with the next stretch of the stream.
    void Mix(std::span<float> out);

    // A RIFF WAVE image as the stream plays it: interleaved stereo at kSampleRate (a mono
    // sound in both channels, of more channels the first two); empty for bytes that are
    // no WAVE.
    static std::vector<float> Decode(std::span<const uint8_t> wave);
    // The window system's beep as the stream plays it: kBeepHertz for kBeepMilliseconds;
    // it fades in and out so that it does not click.
    static std::vector<float> Tone();

private:
    std::shared_ptr<MusicSynthesizer> m_music;
    std::vector<float> m_effect;
    size_t m_effectPosition = 0;
    int m_musicOutputs = 0;
    float m_musicVolume = 1.0f;
};
