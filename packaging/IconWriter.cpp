// Writes the program's embedded icon as PNG pictures of the sizes desktops look for,
// with its see-through surround kept see-through, and as a scalable SVG picture, so
// that the installed menu entry shows the same icon as the window; or, for the web
// album, the tab's icon and the installed web app's icons, one of them maskable on
// the app's background colour; or, for the Windows program and its installer, an
// icon file holding the icon at every size Windows shows.
// Usage: quillory_icon_writer <folder>   ->  <folder>/<size>x<size>/apps/quillory3.png
//                                            <folder>/scalable/apps/quillory3.svg
//        quillory_icon_writer --web <folder> <RRGGBB>
//            ->  <folder>/icon-<size>.png (32, 192, 512), <folder>/icon-maskable-512.png
//        quillory_icon_writer --ico <file.ico>   ->  PNG pictures of 16 to 256 pixels

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <optional>
#include <string>
#include <vector>

#include "packaging/IconIco.h"
#include "packaging/IconPng.h"
#include "packaging/IconSizes.h"
#include "packaging/IconTracer.h"
#include "platform/machines/sdl/KeyedPicture.h"
#include "platform/user/Resources.h"

namespace {

constexpr uint16_t kIconId = 100;
constexpr LONG kSizes[] = {16, 22, 24, 32, 48, 64, 128, 256};
constexpr LONG kWebSizes[] = {32, 192, 512};
constexpr LONG kWebMaskableSize = 512;
constexpr LONG kWindowsSizes[] = {16, 20, 24, 32, 40, 48, 64, 96, 128, 256};

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

int WriteMenuIcons(const CursorImage& icon, const std::filesystem::path& root) {
    for (const LONG size : kSizes) {
        const std::string name = std::to_string(size) + "x" + std::to_string(size);
        const std::filesystem::path folder = root / name / "apps";
        std::filesystem::create_directories(folder);
        if (!WritePng(icon, size, folder / "quillory3.png")) return 1;
    }
    return WriteSvg(icon, root / "scalable" / "apps") ? 0 : 1;
}

int WriteWebIcons(const CursorImage& icon, const std::filesystem::path& folder,
                  const std::string& background) {
    if (background.size() != 6 ||
        background.find_first_not_of("0123456789abcdefABCDEF") != std::string::npos) {
        std::fprintf(stderr, "the background is not a colour RRGGBB: %s\n", background.c_str());
        return 2;
    }
    std::filesystem::create_directories(folder);
    for (const LONG size : kWebSizes) {
        if (!WritePng(icon, size, folder / ("icon-" + std::to_string(size) + ".png"))) return 1;
    }
    const auto colour = static_cast<uint32_t>(std::stoul(background, nullptr, 16));
    const std::string maskable = "icon-maskable-" + std::to_string(kWebMaskableSize) + ".png";
    const CursorImage maskableIcon = IconSizes::Maskable(icon, kWebMaskableSize, colour);
    return IconPng::Write(maskableIcon, (folder / maskable).string()) ? 0 : 1;
}

int WriteWindowsIcon(const CursorImage& icon, const std::filesystem::path& file) {
    const std::optional<std::vector<uint8_t>> bytes = IconIco::Encode(icon, kWindowsSizes);
    if (!bytes) return 1;
    if (file.has_parent_path()) std::filesystem::create_directories(file.parent_path());
    std::ofstream out(file, std::ios::binary);
    out.write(reinterpret_cast<const char*>(bytes->data()),
              static_cast<std::streamsize>(bytes->size()));
    return out ? 0 : 1;
}

}  // namespace

int main(int argc, char** argv) {
    const bool web = argc == 4 && std::string(argv[1]) == "--web";
    const bool windows = argc == 3 && std::string(argv[1]) == "--ico";
    if (argc != 2 && !web && !windows) {
        std::fprintf(stderr, "usage: %s <folder> | --web <folder> <RRGGBB> | --ico <file>\n",
                     argv[0]);
        return 2;
    }
    const Resource* resource = Resources::Find(kIconId, ResourceKind::Icon);
    const std::optional<CursorImage> icon =
        resource != nullptr ? KeyedPicture::Read(resource->bytes, POINT{0, 0}) : std::nullopt;
    if (!icon || icon->width != icon->height) {
        std::fprintf(stderr, "the program has no readable square icon %u\n", kIconId);
        return 1;
    }
    if (windows) return WriteWindowsIcon(*icon, argv[2]);
    return web ? WriteWebIcons(*icon, argv[2], argv[3]) : WriteMenuIcons(*icon, argv[1]);
}
