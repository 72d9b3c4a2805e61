#include "tests/sdl/HostCommand.h"

#include <sys/wait.h>

#include <array>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <limits>
#include <sstream>

CommandResult RunCommand(const std::string& command) {
    CommandResult result{-1, {}};
    FILE* pipe = popen(command.c_str(), "r");
    if (pipe == nullptr) return result;
    std::array<char, 65536> chunk{};
    for (size_t read = 0; (read = std::fread(chunk.data(), 1, chunk.size(), pipe)) > 0;)
        result.output.append(chunk.data(), read);
    const int status = pclose(pipe);
    result.exitCode = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    return result;
}

std::string MissingTool(std::initializer_list<const char*> tools) {
    for (const std::string tool : tools) {
        if (RunCommand("PATH=\"$PATH:/usr/sbin:/sbin\" command -v '" + tool + "' >/dev/null 2>&1")
                .exitCode != 0)
            return tool;
    }
    return {};
}

std::vector<float> ReadDiskAudio(const std::string& path) {
    std::ifstream file(path, std::ios::binary);
    std::vector<float> samples(std::filesystem::file_size(path) / sizeof(float));
    file.read(reinterpret_cast<char*>(samples.data()),
              static_cast<std::streamsize>(samples.size() * sizeof(float)));
    std::vector<float> left;
    for (size_t i = 0; i + 1 < samples.size(); i += 2) left.push_back(samples[i]);
    return left;
}

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
    if (bytes.size() < start + static_cast<size_t>(width * height) * 3) return std::nullopt;
    Surface picture(width, height);
    const auto* pixel = reinterpret_cast<const unsigned char*>(bytes.data() + start);
    for (LONG y = 0; y < height; ++y) {
        for (LONG x = 0; x < width; ++x, pixel += 3)
            picture.SetPixel(x, y, uint32_t{pixel[0]} << 16 | uint32_t{pixel[1]} << 8 | pixel[2]);
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
