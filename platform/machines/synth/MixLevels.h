#pragma once
// How the album's sound is mixed on every backend: the rate the synthesizer renders at
// and the output plays at, and the levels of the music and the effects in the mix.

struct MixLevels {
    // The rate of the mix and of the synthesizer: the song's high bells and the air of
    // its hi-hats reach up past 11 kHz. The effects stay at their own 22050 samples a
    // second; each output plays them at their pitch and length (SDL converts them to
    // this rate, the browser plays a buffer at the rate it was made at).
    static constexpr int kSampleRate = 44100;
    // The synthesizer renders the song quietly (about -46 dBFS RMS with this soundfont)
    // and the effects are loud (-11 to -15 dBFS RMS, peaks up to 0.84). The music is
    // raised and the effects lowered so that the two sit within 10 dB of each other
    // and an effect over the song's loudest moment stays below full scale.
    static constexpr float kMusic = 3.8f;
    static constexpr float kEffect = 0.5f;
};
