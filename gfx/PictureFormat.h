#pragma once
// The layout of the album's picture data files: a BMP file whose type field holds "Q3".
// The program's readers and the content generator both take the layout from here, so
// this header stays header-only: the generator links none of the program's libraries.

#include <bit>
#include <cstdint>

#include "platform/gdi/Gdi.h"
#include "platform/kernel/ByteOrder.h"

static_assert(std::endian::native == std::endian::little,
              "picture headers are read in place as little-endian fields");

constexpr uint16_t kPictureFileType = 0x3351;  // "Q3"
constexpr uint32_t kFileHeaderSize = 14;
constexpr uint32_t kInfoHeaderSize = sizeof(BITMAPINFOHEADER);
// Where the pixels of a picture without a colour table begin.
constexpr uint32_t kPicturePixelOffset = kFileHeaderSize + kInfoHeaderSize;
// A side longer than this is a damaged file, not a picture of the album.
constexpr LONG kMaxPictureSide = 16384;

// The 14-byte file header: type, file size, two reserved words, pixel offset.
struct PictureFileHeader {
    uint16_t type = kPictureFileType;
    uint32_t fileSize = 0;
    uint32_t pixelOffset = kPicturePixelOffset;

    // `bytes` holds kFileHeaderSize bytes.
    static PictureFileHeader Parse(const uint8_t* bytes) {
        return {static_cast<uint16_t>(LoadLittleEndian(bytes, 2)), LoadLittleEndian(bytes + 2, 4),
                LoadLittleEndian(bytes + 10, 4)};
    }

    void Store(uint8_t* bytes) const {
        StoreLittleEndian(bytes, type, 2);
        StoreLittleEndian(bytes + 2, fileSize, 4);
        StoreLittleEndian(bytes + 6, 0, 4);
        StoreLittleEndian(bytes + 10, pixelOffset, 4);
    }
};

// The 40-byte information header, field by field, into kInfoHeaderSize bytes.
inline void StoreInfoHeader(const BITMAPINFOHEADER& header, uint8_t* bytes) {
    uint8_t* at = bytes;
    const auto put = [&at](uint32_t value, size_t count) {
        StoreLittleEndian(at, value, count);
        at += count;
    };
    put(header.biSize, 4);
    put(static_cast<uint32_t>(header.biWidth), 4);
    put(static_cast<uint32_t>(header.biHeight), 4);
    put(header.biPlanes, 2);
    put(header.biBitCount, 2);
    put(header.biCompression, 4);
    put(header.biSizeImage, 4);
    put(static_cast<uint32_t>(header.biXPelsPerMeter), 4);
    put(static_cast<uint32_t>(header.biYPelsPerMeter), 4);
    put(header.biClrUsed, 4);
    put(header.biClrImportant, 4);
}
