#pragma once
// A page save file as records: the head ("QUILRY03", 768) and then one five-long record
// per stuck sticker (sprite index, x, y, priority, flipped), bottom-most first, up to
// the end of the file. The page document builds its page from these records, keeps
// them in memory while its file cannot be written, and start-up reads them to check
// the used-sticker record against the pages.

#include <cstdint>
#include <string>
#include <vector>

struct PageFileRecord {
    int32_t spriteIndex;
    int32_t x;
    int32_t y;
    int32_t priority;
    int32_t flipped;
    friend bool operator==(const PageFileRecord&, const PageFileRecord&) = default;
};

class PageFile {
public:
    // The records of the file at `fullPath`, in file order. False, with no records,
    // when the file is missing, unreadable or foreign; a file cut short inside a record
    // keeps the records before it. Records that name no sticker of the book are
    // dropped, and reading stops after as many records as the book has stickers.
    static bool Read(const std::string& fullPath, std::vector<PageFileRecord>& records);
    // Replaces the file at `fullPath` with the head and `records`, whole or not at all.
    static bool Write(const std::string& fullPath, const std::vector<PageFileRecord>& records);
};
