// Any bytes as the options file: the reader recovers or keeps the setting, and never
// reads outside what it was given.

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <string>

#include "io/Initialization.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static const std::filesystem::path folder = [] {
        auto path = std::filesystem::temp_directory_path() / "quillory-options-fuzz";
        std::filesystem::create_directories(path);
        return path;
    }();
    {
        std::ofstream file(folder / "options03.dta", std::ios::binary | std::ios::trunc);
        file.write(reinterpret_cast<const char*>(data), static_cast<std::streamsize>(size));
    }
    CInitialization options(folder.string());
    return 0;
}
