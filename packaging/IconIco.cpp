#include "packaging/IconIco.h"

#include "packaging/IconPng.h"
#include "packaging/IconSizes.h"

namespace {

constexpr size_t kHeaderBytes = 6, kEntryBytes = 16;
constexpr LONG kLargestSize = 256;

void PutLittleEndian(std::vector<uint8_t>& bytes, uint32_t value, size_t count) {
    for (size_t i = 0; i < count; ++i) bytes.push_back(static_cast<uint8_t>(value >> (8 * i)));
}

// The directory's entry for one picture: 256 is written as 0 in its one-byte fields.
void PutEntry(std::vector<uint8_t>& bytes, LONG size, size_t pictureBytes, size_t offset) {
    const auto side = static_cast<uint8_t>(size == kLargestSize ? 0 : size);
    bytes.push_back(side);          // width
    bytes.push_back(side);          // height
    bytes.push_back(0);             // no palette
    bytes.push_back(0);             // reserved
    PutLittleEndian(bytes, 1, 2);   // colour planes
    PutLittleEndian(bytes, 32, 2);  // bits per pixel
    PutLittleEndian(bytes, static_cast<uint32_t>(pictureBytes), 4);
    PutLittleEndian(bytes, static_cast<uint32_t>(offset), 4);
}

}  // namespace

std::optional<std::vector<uint8_t>> IconIco::Encode(const CursorImage& icon,
                                                    std::span<const LONG> sizes) {
    std::vector<std::vector<uint8_t>> pictures;
    for (const LONG size : sizes) {
        if (size < 1 || size > kLargestSize) return std::nullopt;
        std::optional<std::vector<uint8_t>> png = IconPng::Encode(IconSizes::Resampled(icon, size));
        if (!png) return std::nullopt;
        pictures.push_back(std::move(*png));
    }
    std::vector<uint8_t> bytes;
    PutLittleEndian(bytes, 0, 2);  // reserved
    PutLittleEndian(bytes, 1, 2);  // an icon, not a cursor
    PutLittleEndian(bytes, static_cast<uint32_t>(pictures.size()), 2);
    size_t offset = kHeaderBytes + kEntryBytes * pictures.size();
    for (size_t i = 0; i < pictures.size(); ++i) {
        PutEntry(bytes, sizes[i], pictures[i].size(), offset);
        offset += pictures[i].size();
    }
    for (const std::vector<uint8_t>& picture : pictures)
        bytes.insert(bytes.end(), picture.begin(), picture.end());
    return bytes;
}
