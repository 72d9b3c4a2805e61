#include "platform/mm/WaveSamples.h"

#include <algorithm>
#include <cstring>

#include "platform/kernel/ByteOrder.h"

namespace {

constexpr uint16_t kPcm = 1;
constexpr uint16_t kFloat = 3;
constexpr size_t kRiffHeader = 12;
constexpr size_t kChunkHeader = 8;
constexpr size_t kFormatSize = 16;

struct Format {
    uint16_t tag = 0;
    uint16_t channels = 0;
    uint32_t sampleRate = 0;
    uint16_t bitsPerSample = 0;

    bool Readable() const {
        const bool pcm = tag == kPcm && (bitsPerSample == 8 || bitsPerSample == 16 ||
                                         bitsPerSample == 24 || bitsPerSample == 32);
        const bool floats = tag == kFloat && bitsPerSample == 32;
        return (pcm || floats) && channels >= 1 && channels <= WaveSamples::kMostChannels &&
               sampleRate >= WaveSamples::kLowestRate && sampleRate <= WaveSamples::kHighestRate;
    }
};

// The sample at `at`, scaled to -1..1.
float Sample(const Format& format, const uint8_t* at) {
    switch (format.bitsPerSample) {
        case 8:
            return (static_cast<float>(*at) - 128.0f) / 128.0f;
        case 16:
            return static_cast<float>(static_cast<int16_t>(LoadLittleEndian(at, 2))) / 32768.0f;
        case 24:
            return static_cast<float>(static_cast<int32_t>(LoadLittleEndian(at, 3) << 8)) /
                   2147483648.0f;
        default:
            break;
    }
    const uint32_t bits = LoadLittleEndian(at, 4);
    if (format.tag == kPcm) return static_cast<float>(static_cast<int32_t>(bits)) / 2147483648.0f;
    float value = 0;
    std::memcpy(&value, &bits, sizeof value);
    // Float samples outside -1..1 (or not numbers at all) would be heard as a crash.
    return value == value ? std::clamp(value, -1.0f, 1.0f) : 0.0f;
}

}  // namespace

std::optional<WaveSamples> WaveSamples::Decode(std::span<const uint8_t> wave) {
    if (!HasTag(wave, 0, "RIFF") || !HasTag(wave, 8, "WAVE")) return std::nullopt;
    std::optional<Format> format;
    std::span<const uint8_t> data;
    for (size_t at = kRiffHeader; at + kChunkHeader <= wave.size();) {
        const size_t size = LoadLittleEndian(&wave[at + 4], 4);
        const size_t body = at + kChunkHeader;
        const size_t held = std::min(size, wave.size() - body);
        if (HasTag(wave, at, "fmt ") && !format && held >= kFormatSize) {
            format = Format{static_cast<uint16_t>(LoadLittleEndian(&wave[body], 2)),
                            static_cast<uint16_t>(LoadLittleEndian(&wave[body + 2], 2)),
                            LoadLittleEndian(&wave[body + 4], 4),
                            static_cast<uint16_t>(LoadLittleEndian(&wave[body + 14], 2))};
        } else if (HasTag(wave, at, "data") && data.empty()) {
            data = wave.subspan(body, held);
        }
        // Chunks are padded to an even size.
        at = body + held + (held % 2);
    }
    if (!format || !format->Readable()) return std::nullopt;
    const size_t width = format->bitsPerSample / 8u;
    const size_t frameBytes = width * format->channels;
    const size_t frames = data.size() / frameBytes;
    if (frames == 0) return std::nullopt;

    WaveSamples decoded{format->sampleRate, format->channels, {}};
    decoded.samples.resize(frames * format->channels);
    for (size_t frame = 0; frame < frames; ++frame) {
        for (size_t channel = 0; channel < format->channels; ++channel) {
            decoded.samples[channel * frames + frame] =
                Sample(*format, &data[frame * frameBytes + channel * width]);
        }
    }
    return decoded;
}
