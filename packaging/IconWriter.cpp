// Writes the program's embedded icon as PNG pictures of the sizes desktops look for,
// so that the installed menu entry shows the same icon as the window.
// Usage: quillory_icon_writer <folder>   ->  <folder>/<size>/quillory3.png

#include <cstdio>
#include <filesystem>
#include <optional>
#include <string>

#include "platform/Resources.h"
#include "platform/headless/PngFile.h"
#include "platform/sdl/KeyedPicture.h"

namespace {

constexpr uint16_t kIconId = 100;
constexpr uint32_t kSeeThroughShownAs = 0xFFFFFF;
constexpr LONG kSizes[] = {32, 48, 64, 128};

// Nearest-neighbour scaling keeps the picture's hard edges.
Surface Scaled(const CursorImage& icon, LONG size) {
    Surface picture(size, size);
    for (LONG y = 0; y < size; ++y) {
        for (LONG x = 0; x < size; ++x) {
            const uint32_t pixel = icon.pixels[static_cast<size_t>(y * icon.height / size * icon.width + x * icon.width / size)];
            picture.SetPixel(x, y, (pixel >> 24) != 0 ? pixel & 0xFFFFFF : kSeeThroughShownAs);
        }
    }
    return picture;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s <folder>\n", argv[0]);
        return 2;
    }
    const Resource* resource = Resources::Find(kIconId, ResourceKind::Icon);
    const std::optional<CursorImage> icon =
        resource != nullptr ? KeyedPicture::Read(resource->bytes, POINT{0, 0}) : std::nullopt;
    if (!icon) {
        std::fprintf(stderr, "the program has no readable icon %u\n", kIconId);
        return 1;
    }
    for (const LONG size : kSizes) {
        const std::filesystem::path folder = std::filesystem::path(argv[1]) / std::to_string(size);
        std::filesystem::create_directories(folder);
        if (!SavePng(Scaled(*icon, size), (folder / "quillory3.png").string())) return 1;
    }
    return 0;
}
