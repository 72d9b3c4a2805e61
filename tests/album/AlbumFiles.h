#pragma once
// A fresh base directory with its save folder, the way start-up leaves it, and the
// expected bytes of the album's save files.

#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

#include "catalogue/PageTable.h"
#include "io/FileManager.h"
#include "platform/kernel/Kernel.h"
#include "tests/support/Files.h"
#include "tests/support/TempDirectory.h"

class AlbumFolder {
public:
    AlbumFolder() {
        std::filesystem::create_directory(folder.Path() / "save003");
        CFileManager::SetBaseDirectoryFromCurrent();
    }

    std::string SaveFile(const std::string& name) const { return folder / ("save003/" + name); }
    Bytes Record() const { return ReadBytes(SaveFile("page00.sav")); }
    std::string PageFile(int32_t pageIndex) const {
        return folder / ToHostPath(PageSaveFiles[static_cast<size_t>(pageIndex)] + 1);
    }
    Bytes Page(int32_t pageIndex) const { return ReadBytes(PageFile(pageIndex)); }
    void WritePage(int32_t pageIndex, const Bytes& bytes) const {
        WriteBytes(PageFile(pageIndex), bytes);
    }

    static Bytes EmptyPage() { return Concat({StringBytes("QUILRY03"), LongBytes(768)}); }
    // A page holding these stickers, in order.
    static Bytes PageWith(const std::vector<int32_t>& stickers) {
        Bytes bytes = EmptyPage();
        for (int32_t sticker : stickers)
            bytes = Concat({bytes, LongBytes(sticker), LongBytes(594), LongBytes(199),
                            LongBytes(11), LongBytes(0)});
        return bytes;
    }
    // A record with the given entries, in order; used stickers hold 1.
    static Bytes RecordOf(const std::vector<int32_t>& entries) {
        Bytes bytes = Concat({StringBytes("TV"), StringBytes("QUILRY03"), LongBytes(768)});
        for (int32_t entry : entries) bytes = Concat({bytes, LongBytes(entry)});
        return bytes;
    }

    TempDirectory folder;
};
