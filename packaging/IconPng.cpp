#include "packaging/IconPng.h"

#include <zlib.h>

#include <cstdint>
#include <cstdio>
#include <memory>
#include <vector>

#include "platform/kernel/ByteOrder.h"

namespace {

using Bytes = std::vector<uint8_t>;

constexpr uint8_t kSignature[] = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
constexpr uint8_t kTrueColourWithAlpha = 6;

void PutChunk(Bytes& out, const char* type, const Bytes& data) {
    AppendBigEndian(out, static_cast<uint32_t>(data.size()), 4);
    const size_t typeStart = out.size();
    out.insert(out.end(), type, type + 4);
    out.insert(out.end(), data.begin(), data.end());
    const auto crc = crc32(0, out.data() + typeStart, static_cast<uInt>(out.size() - typeStart));
    AppendBigEndian(out, static_cast<uint32_t>(crc), 4);
}

// The rows as PNG stores them: each led by its filter byte (none), then R, G, B, A.
Bytes RawRows(const CursorImage& icon) {
    Bytes raw;
    raw.reserve(static_cast<size_t>(icon.height) * (static_cast<size_t>(icon.width) * 4 + 1));
    for (size_t i = 0; i < icon.pixels.size(); ++i) {
        if (i % static_cast<size_t>(icon.width) == 0) raw.push_back(0);
        for (const int shift : {16, 8, 0, 24})
            raw.push_back(static_cast<uint8_t>(icon.pixels[i] >> shift));
    }
    return raw;
}

Bytes Header(const CursorImage& icon) {
    Bytes header;
    AppendBigEndian(header, static_cast<uint32_t>(icon.width), 4);
    AppendBigEndian(header, static_cast<uint32_t>(icon.height), 4);
    // 8 bits a channel, deflate, no filter, no interlace.
    header.insert(header.end(), {8, kTrueColourWithAlpha, 0, 0, 0});
    return header;
}

bool Packed(const Bytes& raw, Bytes& packed) {
    uLongf packedSize = compressBound(static_cast<uLong>(raw.size()));
    packed.resize(packedSize);
    if (compress(packed.data(), &packedSize, raw.data(), static_cast<uLong>(raw.size())) != Z_OK)
        return false;
    packed.resize(packedSize);
    return true;
}

}  // namespace

bool IconPng::Write(const CursorImage& icon, const std::string& path) {
    if (icon.width <= 0 || icon.height <= 0 ||
        icon.pixels.size() != static_cast<size_t>(icon.width) * static_cast<size_t>(icon.height))
        return false;
    Bytes packed;
    if (!Packed(RawRows(icon), packed)) return false;

    Bytes file(std::begin(kSignature), std::end(kSignature));
    PutChunk(file, "IHDR", Header(icon));
    PutChunk(file, "IDAT", packed);
    PutChunk(file, "IEND", {});

    const std::unique_ptr<FILE, int (*)(FILE*)> out(std::fopen(path.c_str(), "wb"), &std::fclose);
    return out != nullptr && std::fwrite(file.data(), 1, file.size(), out.get()) == file.size();
}
