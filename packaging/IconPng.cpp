#include "packaging/IconPng.h"

#include <png.h>

#include <fstream>

std::optional<std::vector<uint8_t>> IconPng::Encode(const CursorImage& icon) {
    if (icon.width <= 0 || icon.height <= 0 ||
        icon.pixels.size() != static_cast<size_t>(icon.width) * static_cast<size_t>(icon.height))
        return std::nullopt;
    png_image image{};
    image.version = PNG_IMAGE_VERSION;
    image.width = static_cast<png_uint_32>(icon.width);
    image.height = static_cast<png_uint_32>(icon.height);
    // Each pixel is 0xAARRGGBB: in memory, on this little-endian machine, B, G, R, A.
    image.format = PNG_FORMAT_BGRA;
    // The first call measures, the second writes.
    png_alloc_size_t size = 0;
    std::optional<std::vector<uint8_t>> bytes;
    if (png_image_write_to_memory(&image, nullptr, &size, 0, icon.pixels.data(), 0, nullptr) != 0) {
        bytes.emplace(size);
        if (png_image_write_to_memory(&image, bytes->data(), &size, 0, icon.pixels.data(), 0,
                                      nullptr) == 0)
            bytes.reset();
        else
            bytes->resize(size);
    }
    png_image_free(&image);
    return bytes;
}

bool IconPng::Write(const CursorImage& icon, const std::string& path) {
    const std::optional<std::vector<uint8_t>> bytes = Encode(icon);
    if (!bytes) return false;
    std::ofstream file(path, std::ios::binary);
    file.write(reinterpret_cast<const char*>(bytes->data()),
               static_cast<std::streamsize>(bytes->size()));
    return static_cast<bool>(file);
}
