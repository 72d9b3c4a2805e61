#include "platform/machines/sdl/KeyedPicture.h"

#include "platform/kernel/ByteOrder.h"

namespace {

constexpr size_t kHeaderSize = 54;
constexpr uint32_t kMagenta = 0xFF00FF;
constexpr uint32_t kOpaque = 0xFF000000u;
// Pictures this program embeds are small; a larger size is a broken header.
constexpr int32_t kLargestSide = 1024;

uint32_t Little32(std::span<const uint8_t> bytes, size_t offset) {
    return LoadLittleEndian(&bytes[offset], 4);
}

uint32_t Little16(std::span<const uint8_t> bytes, size_t offset) {
    return LoadLittleEndian(&bytes[offset], 2);
}

}  // namespace

std::optional<CursorImage> KeyedPicture::Read(std::span<const uint8_t> bytes, POINT hotSpot) {
    if (bytes.size() < kHeaderSize || bytes[0] != 'Q' || bytes[1] != '3') return std::nullopt;
    const uint32_t pixelOffset = Little32(bytes, 10);
    const auto width = static_cast<int32_t>(Little32(bytes, 18));
    const auto height = static_cast<int32_t>(Little32(bytes, 22));
    if (Little16(bytes, 28) != 24 || width <= 0 || height <= 0 || width > kLargestSide ||
        height > kLargestSide) {
        return std::nullopt;
    }
    const size_t stride = (static_cast<size_t>(width) * 3 + 3) & ~size_t{3};
    const size_t rows = static_cast<size_t>(height);
    if (pixelOffset > bytes.size() || (bytes.size() - pixelOffset) / stride < rows)
        return std::nullopt;

    CursorImage image{width, height, hotSpot,
                      std::vector<uint32_t>(static_cast<size_t>(width) * rows)};
    for (size_t y = 0; y < rows; ++y) {
        // Rows are stored bottom-up.
        const uint8_t* row = bytes.data() + pixelOffset + (rows - 1 - y) * stride;
        for (size_t x = 0; x < static_cast<size_t>(width); ++x) {
            const uint32_t rgb =
                uint32_t{row[x * 3 + 2]} << 16 | uint32_t{row[x * 3 + 1]} << 8 | row[x * 3];
            image.pixels[y * static_cast<size_t>(width) + x] = rgb == kMagenta ? 0 : rgb | kOpaque;
        }
    }
    return image;
}
