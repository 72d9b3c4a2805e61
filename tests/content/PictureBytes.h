#pragma once
// Reads the fields of the album's picture files ("Q3", 24 bits, bottom-up, pixels at
// offset 54) and of other little-endian formats, for checking generated content.

#include <gtest/gtest.h>

#include <cstdint>
#include <span>
#include <string>

inline uint32_t LittleEndian(std::span<const uint8_t> bytes, size_t at, size_t size) {
    uint32_t value = 0;
    for (size_t i = 0; i < size; ++i) value |= static_cast<uint32_t>(bytes[at + i]) << (8 * i);
    return value;
}

struct PictureView {
    std::span<const uint8_t> bytes;

    int32_t Width() const { return static_cast<int32_t>(LittleEndian(bytes, 18, 4)); }
    int32_t Height() const { return static_cast<int32_t>(LittleEndian(bytes, 22, 4)); }
    size_t Stride() const { return (static_cast<size_t>(Width()) * 3 + 3) & ~size_t{3}; }
    // The colour as red | green << 8 | blue << 16, with y counted from the top.
    uint32_t Pixel(int32_t x, int32_t y) const {
        const size_t at =
            54 + static_cast<size_t>(Height() - 1 - y) * Stride() + static_cast<size_t>(x) * 3;
        return static_cast<uint32_t>(bytes[at + 2]) | static_cast<uint32_t>(bytes[at + 1]) << 8 |
               static_cast<uint32_t>(bytes[at]) << 16;
    }
};

constexpr uint32_t MAGENTA = 0xFF00FF;

// The fields of the "Q3" header that the program's two picture readers rely on.
inline void ExpectPictureHeader(const char* name, std::span<const uint8_t> bytes) {
    ASSERT_GE(bytes.size(), 54u) << name;
    const PictureView picture{bytes};
    EXPECT_EQ(std::string(bytes.begin(), bytes.begin() + 2), "Q3") << name;
    EXPECT_EQ(LittleEndian(bytes, 2, 4), bytes.size()) << name;
    EXPECT_EQ(LittleEndian(bytes, 10, 4), 54u) << name << ": pixels must follow the header";
    EXPECT_EQ(LittleEndian(bytes, 14, 4), 40u) << name;
    EXPECT_GT(picture.Width(), 0) << name;
    EXPECT_GT(picture.Height(), 0) << name << ": rows must run bottom-up";
    EXPECT_EQ(LittleEndian(bytes, 26, 2), 1u) << name;
    EXPECT_EQ(LittleEndian(bytes, 28, 2), 24u) << name;
    EXPECT_EQ(LittleEndian(bytes, 30, 4), 0u) << name << ": must be uncompressed";
    EXPECT_EQ(bytes.size(), 54 + picture.Stride() * static_cast<size_t>(picture.Height())) << name;
}
