#pragma once
// The layout of the album's picture data files: a BMP file whose type field holds "Q3".

#include <bit>
#include <cstdint>

#include "platform/Gdi.h"

static_assert(std::endian::native == std::endian::little,
              "picture headers are read in place as little-endian fields");

constexpr uint16_t kPictureFileType = 0x3351;  // "Q3"
constexpr uint32_t kFileHeaderSize = 14;
constexpr uint32_t kInfoHeaderSize = sizeof(BITMAPINFOHEADER);
// A side longer than this is a damaged file, not a picture of the album.
constexpr LONG kMaxPictureSide = 16384;

// The fields of the 14-byte file header that the readers use.
struct PictureFileHeader {
    uint16_t type;
    uint32_t pixelOffset;

    static PictureFileHeader Parse(const uint8_t (&bytes)[kFileHeaderSize]);
};
