// Any bytes as the used-sticker record: the reader takes the record or resets it and
// the pages, and never reads outside what it was given.

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <fstream>

#include "album/StickersUsed.h"
#include "io/FileManager.h"
#include "platform/headless/HeadlessBackend.h"

namespace {

// A base directory of its own with a save folder, as start-up leaves it.
const std::filesystem::path& SaveFolder() {
    static const std::filesystem::path folder = [] {
        const auto base = std::filesystem::temp_directory_path() / "quillory-record-fuzz";
        std::filesystem::create_directories(base / "save003");
        std::filesystem::current_path(base);
        CFileManager::SetBaseDirectoryFromCurrent();
        return base / "save003";
    }();
    return folder;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    {
        std::ofstream file(SaveFolder() / "page00.sav", std::ios::binary | std::ios::trunc);
        file.write(reinterpret_cast<const char*>(data), static_cast<std::streamsize>(size));
    }
    StickersUsed record;
    record.ReadStickersUsed();
    // Entries that are neither used nor unused raise a check; forget its boxes.
    HeadlessBackend::Instance().Reset();
    return 0;
}
