#pragma once
// Writes the album's sound format (sound/WaveFormat.h): uncompressed PCM, one channel,
// 22050 samples per second, 8 bits per sample.

#include <cstdint>
#include <vector>

class WaveEncoder {
public:
    static constexpr uint32_t kSampleRate = 22050;

    // Samples run from -1 to 1; louder ones are clipped.
    static std::vector<uint8_t> Encode(const std::vector<double>& samples);
};
