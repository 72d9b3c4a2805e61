#include "content/WaveEncoder.h"

#include <algorithm>
#include <cmath>

#include "sound/WaveFormat.h"

std::vector<uint8_t> WaveEncoder::Encode(const std::vector<double>& samples) {
    const WaveHeader header{.channels = 1,
                            .sampleRate = kSampleRate,
                            .bitsPerSample = 8,
                            .dataSize = static_cast<uint32_t>(samples.size())};
    std::vector<uint8_t> bytes;
    bytes.reserve(WaveHeader::kSize + header.dataSize + header.Padding());
    header.Append(bytes);
    for (double sample : samples) {
        // 8-bit PCM is unsigned, with silence at 128.
        const double level = std::round(128.0 + 127.0 * std::clamp(sample, -1.0, 1.0));
        bytes.push_back(static_cast<uint8_t>(level));
    }
    if (header.Padding() != 0) {
        bytes.push_back(128);
    }
    return bytes;
}
