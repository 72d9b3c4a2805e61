#include "tests/sdl/PpmImage.h"

#include <limits>
#include <sstream>

std::optional<Surface> ReadPpm(const std::string& bytes) {
    std::istringstream in(bytes);
    std::string magic;
    LONG width = 0;
    LONG height = 0;
    int maximum = 0;
    in >> magic;
    // Comments may stand between the numbers of the header.
    const auto number = [&in](auto& value) {
        while (in >> std::ws && in.peek() == '#')
            in.ignore(std::numeric_limits<std::streamsize>::max(), '\n');
        in >> value;
    };
    number(width);
    number(height);
    number(maximum);
    if (magic != "P6" || width <= 0 || height <= 0 || maximum != 255) return std::nullopt;
    in.get();  // the one white-space byte before the pixels
    const auto start = static_cast<size_t>(in.tellg());
    const size_t size = static_cast<size_t>(width) * static_cast<size_t>(height) * 3;
    if (bytes.size() < start + size) return std::nullopt;
    Surface picture(width, height);
    const auto* pixel = reinterpret_cast<const unsigned char*>(bytes.data() + start);
    for (LONG y = 0; y < height; ++y) {
        for (LONG x = 0; x < width; ++x, pixel += 3) {
            picture.SetPixel(x, y,
                             static_cast<uint32_t>(pixel[0]) << 16 |
                                 static_cast<uint32_t>(pixel[1]) << 8 | pixel[2]);
        }
    }
    return picture;
}

std::string WritePpm(const Surface& picture) {
    std::string bytes = "P6\n" + std::to_string(picture.Width()) + " " +
                        std::to_string(picture.Height()) + "\n255\n";
    for (LONG y = 0; y < picture.Height(); ++y) {
        for (LONG x = 0; x < picture.Width(); ++x) {
            const uint32_t rgb = picture.Pixel(x, y);
            bytes +=
                {static_cast<char>(rgb >> 16), static_cast<char>(rgb >> 8), static_cast<char>(rgb)};
        }
    }
    return bytes;
}
