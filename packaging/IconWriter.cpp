// Writes the program's embedded icon as PNG pictures of the sizes desktops look for,
// with its see-through surround kept see-through, and as a scalable SVG picture, so
// that the installed menu entry shows the same icon as the window.
// Usage: quillory_icon_writer <folder>   ->  <folder>/<size>x<size>/apps/quillory3.png
//                                            <folder>/scalable/apps/quillory3.svg

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <optional>
#include <string>

#include "packaging/IconPng.h"
#include "packaging/IconSizes.h"
#include "packaging/IconTracer.h"
#include "platform/machines/sdl/KeyedPicture.h"
#include "platform/user/Resources.h"

namespace {

constexpr uint16_t kIconId = 100;
constexpr LONG kSizes[] = {16, 22, 24, 32, 48, 64, 128, 256};

bool WritePng(const CursorImage& icon, LONG size, const std::filesystem::path& file) {
    return IconPng::Write(IconSizes::Resampled(icon, size), file.string());
}

bool WriteSvg(const CursorImage& icon, const std::filesystem::path& folder) {
    const std::optional<std::string> svg = IconTracer::Svg(icon);
    if (!svg) return false;
    std::filesystem::create_directories(folder);
    std::ofstream file(folder / "quillory3.svg", std::ios::binary);
    file << *svg;
    return static_cast<bool>(file);
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
    if (!icon || icon->width != icon->height) {
        std::fprintf(stderr, "the program has no readable square icon %u\n", kIconId);
        return 1;
    }
    for (const LONG size : kSizes) {
        const std::string name = std::to_string(size) + "x" + std::to_string(size);
        const std::filesystem::path folder = std::filesystem::path(argv[1]) / name / "apps";
        std::filesystem::create_directories(folder);
        if (!WritePng(*icon, size, folder / "quillory3.png")) return 1;
    }
    return WriteSvg(*icon, std::filesystem::path(argv[1]) / "scalable" / "apps") ? 0 : 1;
}
