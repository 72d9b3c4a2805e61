#pragma once
// The chunks of a Standard MIDI File: each an ASCII type and a big-endian length in
// front of its data; the header chunk "MThd" holds format, track count and division,
// each track an "MTrk" chunk. The content generator writes the song and the program
// reads it from here.

#include <cstddef>
#include <cstdint>
#include <cstring>
#include <vector>

#include "platform/kernel/ByteOrder.h"

struct MidiChunkHeader {
    static constexpr size_t kSize = 8;
    static constexpr char kHeaderType[] = "MThd";
    static constexpr char kTrackType[] = "MTrk";

    // `bytes` holds kSize bytes.
    static bool HasType(const uint8_t* bytes, const char (&type)[5]) {
        return std::memcmp(bytes, type, 4) == 0;
    }
    static uint32_t Length(const uint8_t* bytes) { return LoadBigEndian(bytes + 4, 4); }

    // Into kSize bytes.
    static void Store(uint8_t* bytes, const char (&type)[5], uint32_t length) {
        std::memcpy(bytes, type, 4);
        StoreBigEndian(bytes + 4, length, 4);
    }
};

// The header chunk, whose data is always six bytes.
struct MidiHeaderChunk {
    static constexpr uint32_t kDataSize = 6;
    static constexpr size_t kSize = MidiChunkHeader::kSize + kDataSize;

    uint16_t format = 0;
    uint16_t trackCount = 0;
    uint16_t division = 0;

    // `bytes` holds kSize bytes whose type and length are already checked.
    static MidiHeaderChunk Parse(const uint8_t* bytes) {
        const uint8_t* data = bytes + MidiChunkHeader::kSize;
        return {static_cast<uint16_t>(LoadBigEndian(data, 2)),
                static_cast<uint16_t>(LoadBigEndian(data + 2, 2)),
                static_cast<uint16_t>(LoadBigEndian(data + 4, 2))};
    }

    void Append(std::vector<uint8_t>& bytes) const {
        bytes.resize(bytes.size() + MidiChunkHeader::kSize);
        MidiChunkHeader::Store(bytes.data() + bytes.size() - MidiChunkHeader::kSize,
                               MidiChunkHeader::kHeaderType, kDataSize);
        AppendBigEndian(bytes, format, 2);
        AppendBigEndian(bytes, trackCount, 2);
        AppendBigEndian(bytes, division, 2);
    }
};
