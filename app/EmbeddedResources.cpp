#include "app/EmbeddedResources.h"

#include <cstring>
#include <optional>
#include <vector>

#include "gfx/PictureFormat.h"
#include "platform/gdi/DibLayout.h"
#include "platform/mm/WaveResourceTable.h"
#include "platform/user/Cursor.h"
#include "platform/user/Resources.h"

namespace {

constexpr uint32_t kMagenta = 0xFF00FF;
constexpr uint32_t kOpaque = 0xFF000000;

// The picture of a cursor resource, magenta see-through; nothing when its bytes are
// not a whole picture.
std::optional<CursorImage> DecodeCursor(const Resource& resource) {
    const std::span<const uint8_t> bytes = resource.bytes;
    if (bytes.size() < kFileHeaderSize + kInfoHeaderSize) return std::nullopt;
    const PictureFileHeader head = PictureFileHeader::Parse(bytes.data());
    BITMAPINFO info{};
    std::memcpy(&info.bmiHeader, bytes.data() + kFileHeaderSize, kInfoHeaderSize);
    const BITMAPINFOHEADER& header = info.bmiHeader;
    if (head.type != kPictureFileType || !IsSupportedDib(header) || header.biBitCount != 24)
        return std::nullopt;
    const LONG height = header.biHeight < 0 ? -header.biHeight : header.biHeight;
    const uint64_t rowsBytes =
        uint64_t{DibStride(header.biWidth, header.biBitCount)} * static_cast<uint64_t>(height);
    if (head.pixelOffset > bytes.size() || rowsBytes > bytes.size() - head.pixelOffset)
        return std::nullopt;

    const DibLayout layout(&info, bytes.data() + head.pixelOffset);
    CursorImage image{
        layout.Width(), layout.Height(), POINT{resource.hotSpotX, resource.hotSpotY}, {}};
    image.pixels.resize(static_cast<size_t>(image.width) * static_cast<size_t>(image.height));
    for (LONG y = 0; y < image.height; ++y) {
        uint32_t* row =
            image.pixels.data() + static_cast<size_t>(y) * static_cast<size_t>(image.width);
        layout.ReadRow(0, y, image.width, row);
        for (LONG x = 0; x < image.width; ++x) row[x] = row[x] == kMagenta ? 0 : (row[x] | kOpaque);
    }
    return image;
}

}  // namespace

void EmbeddedResources::Register() {
    for (const Resource& resource : Resources::All()) {
        if (resource.kind == ResourceKind::Wave) {
            WaveResourceTable::Instance().Add(
                resource.name, std::vector<uint8_t>(resource.bytes.begin(), resource.bytes.end()));
        }
        if (resource.kind == ResourceKind::Cursor) {
            if (auto image = DecodeCursor(resource))
                RegisterCursorResource(resource.name, std::move(*image));
        }
    }
}
