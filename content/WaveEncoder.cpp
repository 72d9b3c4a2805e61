#include "content/WaveEncoder.h"

#include <algorithm>
#include <cmath>
#include <string_view>

namespace {

void PutText(std::vector<uint8_t>& bytes, std::string_view text) {
    bytes.insert(bytes.end(), text.begin(), text.end());
}

void PutLittleEndian(std::vector<uint8_t>& bytes, uint32_t value, int32_t byteCount) {
    for (int32_t i = 0; i < byteCount; ++i) {
        bytes.push_back(static_cast<uint8_t>(value >> (8 * i)));
    }
}

}  // namespace

std::vector<uint8_t> WaveEncoder::Encode(const std::vector<double>& samples) {
    const auto dataSize = static_cast<uint32_t>(samples.size());
    std::vector<uint8_t> bytes;
    bytes.reserve(HEADER_SIZE + dataSize + 1);
    PutText(bytes, "RIFF");
    // RIFF chunks are padded to an even size.
    const uint32_t padding = dataSize % 2;
    PutLittleEndian(bytes, HEADER_SIZE - 8 + dataSize + padding, 4);
    PutText(bytes, "WAVE");
    PutText(bytes, "fmt ");
    PutLittleEndian(bytes, 16, 4);
    PutLittleEndian(bytes, 1, 2);  // PCM
    PutLittleEndian(bytes, 1, 2);  // one channel
    PutLittleEndian(bytes, SAMPLE_RATE, 4);
    PutLittleEndian(bytes, SAMPLE_RATE, 4);  // bytes per second
    PutLittleEndian(bytes, 1, 2);            // bytes per sample frame
    PutLittleEndian(bytes, 8, 2);            // bits per sample
    PutText(bytes, "data");
    PutLittleEndian(bytes, dataSize, 4);
    for (double sample : samples) {
        // 8-bit PCM is unsigned, with silence at 128.
        const double level = std::round(128.0 + 127.0 * std::clamp(sample, -1.0, 1.0));
        bytes.push_back(static_cast<uint8_t>(level));
    }
    if (padding != 0) {
        bytes.push_back(128);
    }
    return bytes;
}
