#include "scene/PageFile.h"

#include <exception>

#include "catalogue/SaveFileVersion.h"
#include "catalogue/StickerNumbering.h"
#include "diag/Log.h"
#include "io/DeSerializer.h"
#include "io/FileError.h"
#include "io/Serializer.h"

namespace {

PageFileRecord ReadRecord(DeSerializer& deserializer) {
    PageFileRecord record{};
    record.spriteIndex = deserializer.GetLong();
    record.x = deserializer.GetLong();
    record.y = deserializer.GetLong();
    record.priority = deserializer.GetLong();
    record.flipped = deserializer.GetLong();
    return record;
}

// The records run to the end of the file; a file cut inside a record shows as a
// failure of a read.
void ReadRecords(DeSerializer& deserializer, std::vector<PageFileRecord>& records) {
    // A page holds each sticker of the book at most once, so a longer file is damaged;
    // stopping there bounds the work and memory a damaged file can cost.
    for (int32_t count = 0; count < NUMBEROFSTICKERGRAPHICS; ++count) {
        if (deserializer.AllRead()) return;
        PageFileRecord record{};
        try {
            record = ReadRecord(deserializer);
        } catch (const std::exception& error) {
            WriteLog("%s", error.what());
            return;
        } catch (...) {
            WriteLog("DeSerialize: catch exception");
            return;
        }
        if (!IsStickerIndex(record.spriteIndex)) {
            WriteLog("CAnimDoc::ReadSprites: no such sticker: %i", record.spriteIndex);
            continue;
        }
        records.push_back(record);
    }
    WriteLog("CAnimDoc::ReadSprites: more records than the book has stickers");
}

}  // namespace

bool PageFile::Read(const std::string& fullPath, std::vector<PageFileRecord>& records) {
    records.clear();
    try {
        DeSerializer deserializer(fullPath);
        if (deserializer.GetString() != VERSION_TEXT) {
            throw FileError("CAnimDoc::ReadSprites: file text is wrong");
        }
        if (deserializer.GetLong() != VER_NUMBER) {
            throw FileError("CAnimDoc::ReadSprites: file version number is wrong");
        }
        ReadRecords(deserializer, records);
        return true;
    } catch (...) {
        // A missing or foreign page file is a page without stickers, not an error.
        records.clear();
        return false;
    }
}

bool PageFile::Write(const std::string& fullPath, const std::vector<PageFileRecord>& records) {
    try {
        Serializer serializer(fullPath);
        serializer.PutString(VERSION_TEXT);
        serializer.PutLong(VER_NUMBER);
        for (const PageFileRecord& record : records) {
            for (const int32_t field :
                 {record.spriteIndex, record.x, record.y, record.priority, record.flipped}) {
                serializer.PutLong(field);
            }
        }
    } catch (const FileError&) {
        // The Serializer has logged and reported the failure, and keeps the old file whole.
        return false;
    }
    return true;
}
