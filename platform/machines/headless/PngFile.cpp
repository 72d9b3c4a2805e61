#include "platform/machines/headless/PngFile.h"

#include <zlib.h>

#include <cstdio>
#include <memory>
#include <vector>

#include "platform/kernel/ByteOrder.h"

namespace {

using Bytes = std::vector<uint8_t>;

// The PNG colour types written here.
constexpr uint8_t kTrueColour = 2;

void PutChunk(Bytes& out, const char* type, const Bytes& data) {
    AppendBigEndian(out, static_cast<uint32_t>(data.size()), 4);
    const size_t typeStart = out.size();
    out.insert(out.end(), type, type + 4);
    out.insert(out.end(), data.begin(), data.end());
    const auto crc = crc32(0, out.data() + typeStart, static_cast<uInt>(out.size() - typeStart));
    AppendBigEndian(out, static_cast<uint32_t>(crc), 4);
}

Bytes RawRows(const Surface& picture) {
    Bytes raw;
    raw.reserve(static_cast<size_t>(picture.Height()) *
                (static_cast<size_t>(picture.Width()) * 3 + 1));
    for (LONG y = 0; y < picture.Height(); ++y) {
        raw.push_back(0);  // no filter
        for (LONG x = 0; x < picture.Width(); ++x) {
            const uint32_t pixel = picture.Pixel(x, y);
            raw.push_back(static_cast<uint8_t>(pixel >> 16));
            raw.push_back(static_cast<uint8_t>(pixel >> 8));
            raw.push_back(static_cast<uint8_t>(pixel));
        }
    }
    return raw;
}

// An 8-bit RGB PNG of one IDAT chunk: `raw` holds the rows, each led by its filter byte.
bool WritePng(LONG width, LONG height, const Bytes& raw, const std::string& hostPath) {
    uLongf packedSize = compressBound(static_cast<uLong>(raw.size()));
    Bytes packed(packedSize);
    if (compress(packed.data(), &packedSize, raw.data(), static_cast<uLong>(raw.size())) != Z_OK)
        return false;
    packed.resize(packedSize);

    Bytes header;
    AppendBigEndian(header, static_cast<uint32_t>(width), 4);
    AppendBigEndian(header, static_cast<uint32_t>(height), 4);
    header.insert(header.end(),
                  {8, kTrueColour, 0, 0, 0});  // 8 bits, deflate, no filter, no interlace

    Bytes file = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
    PutChunk(file, "IHDR", header);
    PutChunk(file, "IDAT", packed);
    PutChunk(file, "IEND", {});

    const std::unique_ptr<FILE, int (*)(FILE*)> out(std::fopen(hostPath.c_str(), "wb"),
                                                    &std::fclose);
    return out != nullptr && std::fwrite(file.data(), 1, file.size(), out.get()) == file.size();
}

}  // namespace

bool SavePng(const Surface& picture, const std::string& hostPath) {
    return WritePng(picture.Width(), picture.Height(), RawRows(picture), hostPath);
}
