#pragma once
// A RIFF WAVE image's samples as floats from -1 to 1, one channel after another, for an
// audio output that takes planar float buffers at the sound's own rate (the browser's).
// Reads uncompressed PCM of 8, 16, 24 or 32 bits and 32-bit float, with the chunks in any
// order; a data chunk cut short gives the whole frames it holds. Anything else is no
// sound: a damaged file plays nothing rather than noise.

#include <cstdint>
#include <optional>
#include <span>
#include <vector>

struct WaveSamples {
    // The rates and channel counts a browser's audio buffer accepts.
    static constexpr uint32_t kLowestRate = 3000;
    static constexpr uint32_t kHighestRate = 768000;
    static constexpr uint16_t kMostChannels = 32;

    uint32_t sampleRate = 0;
    uint16_t channels = 0;
    // Channel 0's frames, then channel 1's, and so on.
    std::vector<float> samples;

    size_t Frames() const { return channels == 0 ? 0 : samples.size() / channels; }

    // Nothing for bytes that are no WAVE of that kind, or that hold no frame.
    static std::optional<WaveSamples> Decode(std::span<const uint8_t> wave);
};
