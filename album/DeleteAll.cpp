#include "album/DeleteAll.h"

#include "catalogue/PageTable.h"
#include "catalogue/SaveFileVersion.h"
#include "io/FileManager.h"
#include "io/Serializer.h"

namespace {

constexpr const char* kAssertModule = "DeleteAll";

}  // namespace

uint8_t DeleteAll::ms_Exists = 0;

DeleteAll::DeleteAll() {
    ms_Exists = 1;
}

DeleteAll::~DeleteAll() {
    ms_Exists = 0;
}

bool DeleteAll::IsValid() const {
    return ms_Exists != 0;
}

void DeleteAll::ClearPageFiles() {
    for (const AlbumPage& page : kAlbumPages) ClearPageFile(page.saveFile);
}

void DeleteAll::ClearPageFile(const std::string& relativeName) {
    std::string fullPath;
    CFileManager fileManager;
    fileManager.MakeAlbumPath(fullPath, relativeName);
    const bool nFM_Closed = fileManager.Close();
    QASSERT(nFM_Closed);
    WriteEmptyPage(fullPath);
}

// The head alone: a page file with no sticker records after it.
void DeleteAll::WriteEmptyPage(const std::string& fullPath) {
    try {
        Serializer serializer(fullPath);
        serializer.PutString(VERSION_TEXT);
        serializer.PutLong(VER_NUMBER);
    } catch (...) {
        // The Serializer has logged an open failure, and a save that fails keeps the
        // old file whole; the remaining pages are still cleared.
    }
}
