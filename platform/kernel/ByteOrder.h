#pragma once
// Stored integers read and written byte by byte in a fixed byte order, so that a file
// is the same on every machine: the album's pictures, sounds and page files are
// little-endian; MIDI and PNG files are big-endian. `count` is the field's width in
// bytes, 1 to 4.

#include <cstddef>
#include <cstdint>
#include <cstring>
#include <span>
#include <vector>

constexpr uint32_t LoadLittleEndian(const uint8_t* bytes, size_t count) {
    uint32_t value = 0;
    for (size_t i = count; i-- > 0;) value = value << 8 | bytes[i];
    return value;
}

constexpr uint32_t LoadBigEndian(const uint8_t* bytes, size_t count) {
    uint32_t value = 0;
    for (size_t i = 0; i < count; ++i) value = value << 8 | bytes[i];
    return value;
}

constexpr void StoreLittleEndian(uint8_t* bytes, uint32_t value, size_t count) {
    for (size_t i = 0; i < count; ++i) bytes[i] = static_cast<uint8_t>(value >> (8 * i));
}

constexpr void StoreBigEndian(uint8_t* bytes, uint32_t value, size_t count) {
    for (size_t i = 0; i < count; ++i)
        bytes[count - 1 - i] = static_cast<uint8_t>(value >> (8 * i));
}

inline void AppendLittleEndian(std::vector<uint8_t>& bytes, uint32_t value, size_t count) {
    bytes.resize(bytes.size() + count);
    StoreLittleEndian(bytes.data() + bytes.size() - count, value, count);
}

inline void AppendBigEndian(std::vector<uint8_t>& bytes, uint32_t value, size_t count) {
    bytes.resize(bytes.size() + count);
    StoreBigEndian(bytes.data() + bytes.size() - count, value, count);
}

// Whether the four-character tag of a RIFF or chunk header stands at `at`.
inline bool HasTag(std::span<const uint8_t> bytes, size_t at, const char (&tag)[5]) {
    return bytes.size() >= at + 4 && std::memcmp(bytes.data() + at, tag, 4) == 0;
}
