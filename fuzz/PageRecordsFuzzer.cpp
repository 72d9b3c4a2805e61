// Any bytes as a page save file, read record by record: the reader keeps only records
// that name a sticker of the book, never more records than the book has stickers, and
// never reads outside what it was given.

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "catalogue/StickerNumbering.h"
#include "fuzz/FuzzAlbum.h"
#include "io/FileManager.h"
#include "scene/PageFile.h"

namespace {

constexpr const char* kPageFile = "\\save003\\page02.sav";

// The page file's full path, found by the first run.
std::string g_pageFilePath;

const std::string& PageFilePath() {
    if (g_pageFilePath.empty()) {
        FuzzAlbum::Base("quillory-page-records-fuzz");
        CFileManager().MakeFullPath(g_pageFilePath, kPageFile);
    }
    return g_pageFilePath;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string& path = PageFilePath();
    FuzzAlbum::PutFile(kPageFile, data, size);
    std::vector<PageFileRecord> records;
    PageFile::Read(path, records);
    if (records.size() > static_cast<size_t>(NUMBEROFSTICKERGRAPHICS)) __builtin_trap();
    for (const PageFileRecord& record : records) {
        if (!IsStickerIndex(record.spriteIndex)) __builtin_trap();
    }
    return 0;
}
