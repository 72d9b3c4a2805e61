#include "platform/mm/WaveVolume.h"

#include <algorithm>
#include <cmath>
#include <string_view>

namespace {

constexpr size_t kRiffHeadBytes = 12;
constexpr size_t kChunkHeadBytes = 8;
constexpr size_t kFormatBitsOffset = 14;
constexpr int32_t kEightBitSilence = 128;

uint32_t LittleEndian(std::span<const uint8_t> bytes, size_t at, size_t count) {
    uint32_t value = 0;
    for (size_t i = count; i-- > 0;) value = value << 8 | bytes[at + i];
    return value;
}

bool ChunkIs(std::span<const uint8_t> bytes, size_t at, std::string_view id) {
    return std::equal(id.begin(), id.end(), bytes.begin() + static_cast<std::ptrdiff_t>(at));
}

void ScaleSamples(std::span<uint8_t> samples, uint16_t bits, double factor) {
    if (bits == 8) {
        for (uint8_t& sample : samples) {
            const double centred = sample - kEightBitSilence;
            sample = static_cast<uint8_t>(kEightBitSilence + std::lround(centred * factor));
        }
    } else if (bits == 16) {
        for (size_t i = 0; i + 1 < samples.size(); i += 2) {
            const auto value = static_cast<int16_t>(samples[i] | samples[i + 1] << 8);
            const auto scaled = static_cast<uint16_t>(std::lround(value * factor));
            samples[i] = static_cast<uint8_t>(scaled);
            samples[i + 1] = static_cast<uint8_t>(scaled >> 8);
        }
    }
}

}  // namespace

std::vector<uint8_t> WaveVolume::Scaled(std::span<const uint8_t> wave, DWORD level) {
    std::vector<uint8_t> scaled(wave.begin(), wave.end());
    if (level >= kFull || wave.size() < kRiffHeadBytes || !ChunkIs(wave, 0, "RIFF") ||
        !ChunkIs(wave, 8, "WAVE")) {
        return scaled;
    }
    const double factor = static_cast<double>(level) / kFull;
    uint16_t bits = 0;
    for (size_t at = kRiffHeadBytes; at + kChunkHeadBytes <= wave.size();) {
        const size_t size = LittleEndian(wave, at + 4, 4);
        const size_t body = at + kChunkHeadBytes;
        const size_t end = body + std::min(size, wave.size() - body);
        if (ChunkIs(wave, at, "fmt ") && end >= body + kFormatBitsOffset + 2) {
            bits = static_cast<uint16_t>(LittleEndian(wave, body + kFormatBitsOffset, 2));
        } else if (ChunkIs(wave, at, "data")) {
            ScaleSamples(std::span(scaled).subspan(body, end - body), bits, factor);
        }
        // Chunks are padded to an even length.
        at = end + (size & 1);
    }
    return scaled;
}
