#include "platform/user/ResourcePicture.h"

#include <cstring>

#include "platform/gdi/DibLayout.h"
#include "platform/gdi/Gdi.h"
#include "platform/kernel/ByteOrder.h"
#include "platform/user/Resources.h"

namespace {

constexpr size_t kFileHeaderSize = 14;
constexpr size_t kInfoHeaderSize = 40;
constexpr size_t kPixelOffsetField = 10;

}  // namespace

std::optional<Surface> ResourcePicture::Load(std::string_view name) {
    const Resource* resource = Resources::Find(name, ResourceKind::Bitmap);
    if (resource == nullptr) return std::nullopt;
    const std::span<const uint8_t> bytes = resource->bytes;
    if (bytes.size() < kFileHeaderSize + kInfoHeaderSize) return std::nullopt;
    BITMAPINFO info{};
    std::memcpy(&info.bmiHeader, bytes.data() + kFileHeaderSize, kInfoHeaderSize);
    const BITMAPINFOHEADER& header = info.bmiHeader;
    if (!IsSupportedDib(header) || header.biBitCount != 24) return std::nullopt;
    const size_t pixelOffset = LoadLittleEndian(bytes.data() + kPixelOffsetField, 4);
    const uint64_t rows =
        static_cast<uint64_t>(header.biHeight < 0 ? -int64_t{header.biHeight} : header.biHeight);
    if (pixelOffset > bytes.size() ||
        bytes.size() - pixelOffset < uint64_t{DibStride(header.biWidth, 24)} * rows)
        return std::nullopt;

    const DibLayout layout(&info, bytes.data() + pixelOffset);
    Surface picture(layout.Width(), layout.Height());
    for (LONG y = 0; y < layout.Height(); ++y) layout.ReadRow(0, y, layout.Width(), picture.Row(y));
    return picture;
}
