#pragma once
// The album's sound file layout: a RIFF "WAVE" file holding one "fmt " chunk of
// uncompressed PCM and one "data" chunk, 44 bytes of headers in front of the samples.
// The content generator writes it and the tests read it from here.

#include <cstdint>
#include <optional>
#include <span>
#include <vector>

#include "platform/kernel/ByteOrder.h"

struct WaveHeader {
    static constexpr uint32_t kSize = 44;
    static constexpr uint16_t kPcm = 1;

    uint16_t channels = 1;
    uint32_t sampleRate = 0;
    uint16_t bitsPerSample = 8;
    uint32_t dataSize = 0;

    uint16_t BlockAlign() const { return static_cast<uint16_t>(channels * bitsPerSample / 8); }

    // RIFF chunks are padded to an even size; the padding byte follows the samples.
    uint32_t Padding() const { return dataSize % 2; }

    void Append(std::vector<uint8_t>& bytes) const {
        AppendTag(bytes, "RIFF");
        AppendLittleEndian(bytes, kSize - 8 + dataSize + Padding(), 4);
        AppendTag(bytes, "WAVE");
        AppendTag(bytes, "fmt ");
        AppendLittleEndian(bytes, 16, 4);
        AppendLittleEndian(bytes, kPcm, 2);
        AppendLittleEndian(bytes, channels, 2);
        AppendLittleEndian(bytes, sampleRate, 4);
        AppendLittleEndian(bytes, sampleRate * BlockAlign(), 4);
        AppendLittleEndian(bytes, BlockAlign(), 2);
        AppendLittleEndian(bytes, bitsPerSample, 2);
        AppendTag(bytes, "data");
        AppendLittleEndian(bytes, dataSize, 4);
    }

    // The header of a file laid out as Append writes it: PCM, the chunk sizes agreeing
    // with the bytes there are; nothing otherwise.
    static std::optional<WaveHeader> Parse(std::span<const uint8_t> bytes) {
        if (bytes.size() < kSize || !HasTag(bytes, 0, "RIFF") || !HasTag(bytes, 8, "WAVE") ||
            !HasTag(bytes, 12, "fmt ") || !HasTag(bytes, 36, "data") ||
            LoadLittleEndian(&bytes[16], 4) != 16 || LoadLittleEndian(&bytes[20], 2) != kPcm) {
            return std::nullopt;
        }
        const WaveHeader header{static_cast<uint16_t>(LoadLittleEndian(&bytes[22], 2)),
                                LoadLittleEndian(&bytes[24], 4),
                                static_cast<uint16_t>(LoadLittleEndian(&bytes[34], 2)),
                                LoadLittleEndian(&bytes[40], 4)};
        const bool consistent =
            LoadLittleEndian(&bytes[4], 4) == bytes.size() - 8 &&
            uint64_t{kSize} + header.dataSize + header.Padding() == bytes.size() &&
            LoadLittleEndian(&bytes[28], 4) == header.sampleRate * header.BlockAlign() &&
            LoadLittleEndian(&bytes[32], 2) == header.BlockAlign();
        if (!consistent) return std::nullopt;
        return header;
    }

private:
    // Byte by byte: GCC 12's overflow check misreads a range insert into an empty vector
    // when the thread-sanitizer build inlines it.
    static void AppendTag(std::vector<uint8_t>& bytes, const char (&tag)[5]) {
        for (size_t i = 0; i < 4; ++i) bytes.push_back(static_cast<uint8_t>(tag[i]));
    }
};
