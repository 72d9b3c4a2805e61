#pragma once
// How the album's sound is mixed on every backend: the rate the effects are made at and
// the synthesizer renders at, and the levels of the music and the effects in the mix.

struct MixLevels {
    // The rate of the effects; the synthesizer renders at it too, which halves its work
    // against 44100 with nothing lost that the General MIDI soundfont holds.
    static constexpr int kSampleRate = 22050;
    // The synthesizer renders the song quietly (about -46 dBFS RMS with this soundfont)
    // and the effects are loud (-11 to -15 dBFS RMS, peaks up to 0.84). The music is
    // raised and the effects lowered so that the two sit within 10 dB of each other
    // and an effect over the song's loudest moment stays below full scale.
    static constexpr float kMusic = 3.8f;
    static constexpr float kEffect = 0.5f;
};
