#include "gfx/PictureFormat.h"

PictureFileHeader PictureFileHeader::Parse(const uint8_t (&bytes)[kFileHeaderSize]) {
    const auto byte = [&bytes](int i, int shift) { return static_cast<uint32_t>(bytes[i]) << shift; };
    return {static_cast<uint16_t>(byte(0, 0) | byte(1, 8)),
            byte(10, 0) | byte(11, 8) | byte(12, 16) | byte(13, 24)};
}
