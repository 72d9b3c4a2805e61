#include "packaging/IconPng.h"

#include <png.h>

#include <cstdint>

bool IconPng::Write(const CursorImage& icon, const std::string& path) {
    if (icon.width <= 0 || icon.height <= 0 ||
        icon.pixels.size() != static_cast<size_t>(icon.width) * static_cast<size_t>(icon.height))
        return false;
    png_image image{};
    image.version = PNG_IMAGE_VERSION;
    image.width = static_cast<png_uint_32>(icon.width);
    image.height = static_cast<png_uint_32>(icon.height);
    // Each pixel is 0xAARRGGBB: in memory, on this little-endian machine, B, G, R, A.
    image.format = PNG_FORMAT_BGRA;
    const bool written =
        png_image_write_to_file(&image, path.c_str(), 0, icon.pixels.data(), 0, nullptr) != 0;
    png_image_free(&image);
    return written;
}
