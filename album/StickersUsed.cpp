#include "album/StickersUsed.h"

#include "album/DeleteAll.h"
#include "catalogue/PageTable.h"
#include "catalogue/SaveFileVersion.h"
#include "diag/Log.h"
#include "diag/TextFormat.h"
#include "io/DeSerializer.h"
#include "io/FileError.h"
#include "io/FileManager.h"
#include "io/Serializer.h"
#include "platform/kernel/Kernel.h"
#include "scene/PageFile.h"

namespace {

constexpr const char* kAssertModule = "StickersUsed";

// A head that does not match is reported with the text the file held, whatever its
// length.
[[noreturn]] void ThrowWrongHead(const char* field, const std::string& textRead) {
    throw FileError(
        FormatText("StickersUsed::ReadStickersUsed: %s is wrong: %s", field, textRead.c_str()));
}

// Which stickers the readable page files of the book hold; `anyPageFile` tells whether
// any page file exists at all.
std::vector<bool> StickersOnPages(bool& anyPageFile) {
    std::vector<bool> onPages(NUMBEROFSTICKERGRAPHICS, false);
    anyPageFile = false;
    CFileManager fileManager;
    for (const AlbumPage& page : kAlbumPages) {
        std::string fullPath;
        fileManager.MakeAlbumPath(fullPath, page.saveFile);
        if (GetFileAttributesA(fullPath.c_str()) != INVALID_FILE_ATTRIBUTES) anyPageFile = true;
        std::vector<PageFileRecord> records;
        PageFile::Read(fullPath, records);
        for (const PageFileRecord& record : records)
            onPages[static_cast<size_t>(record.spriteIndex)] = true;
    }
    fileManager.Close();
    return onPages;
}

}  // namespace

StickersUsed::StickersUsed() {
    WriteLog("StickersUsed::StickersUsed ctor");
}

const std::string& StickersUsed::FileName() {
    if (m_fileName.empty()) {
        CFileManager fileManager;
        fileManager.MakeAlbumPath(m_fileName, kStickersUsedFile);
        fileManager.Close();
    }
    return m_fileName;
}

bool StickersUsed::IsValid() const {
    return m_entries.size() == static_cast<size_t>(NUMBEROFSTICKERGRAPHICS);
}

void StickersUsed::Serialize(Serializer& serializer) {
    serializer.PutLongs(m_entries);
}

void StickersUsed::DeSerialize(DeSerializer& deserializer) {
    m_stickersLeft = NUMBEROFSTICKERGRAPHICS;
    for (auto intIterator = m_entries.begin(); intIterator != m_entries.end(); ++intIterator) {
        *intIterator = deserializer.GetLong();
        QASSERT(*intIterator == SU_NOT_USED || *intIterator == SU_USED);
        // Anything but "not used" counts as used everywhere, so that the counter
        // agrees with the buttons, and the next save stores a proper entry.
        if (*intIterator != SU_NOT_USED) {
            *intIterator = SU_USED;
            --m_stickersLeft;
        }
    }
    QASSERT(m_stickersLeft >= 0 && m_stickersLeft <= NUMBEROFSTICKERGRAPHICS);
    WriteLog("StickersUsed::DeSerialize: stickers left: %i", m_stickersLeft);
}

bool StickersUsed::WriteStickersUsed() {
    try {
        Serializer serializer(FileName());
        serializer.PutString(SU_VER);
        serializer.PutString(VERSION_TEXT);
        serializer.PutLong(VER_NUMBER);
        Serialize(serializer);
    } catch (const FileError& error) {
        WriteLog("catch: %s", error.what());
        return false;
    } catch (...) {
        WriteLog("StickersUsed::WriteStickersUsed: exception");
        return false;
    }
    return true;
}

bool StickersUsed::ReadStickersUsed() {
    // The album open may have changed (chosen on the title) since the record was named.
    m_fileName.clear();
    const bool read = ReadRecordFile();
    bool anyPageFile = false;
    const std::vector<bool> onPages = StickersOnPages(anyPageFile);
    if (read) {
        AgreeWithPages(onPages);
    } else if (anyPageFile) {
        RebuildFromPages(onPages);
    } else {
        ResetAfterBadFile();
    }
    return read;
}

bool StickersUsed::ReadRecordFile() {
    try {
        DeSerializer deserializer(FileName());
        const std::string recordVersion = deserializer.GetString();
        if (recordVersion != SU_VER) ThrowWrongHead("SU_VER", recordVersion);
        const std::string versionText = deserializer.GetString();
        if (versionText != VERSION_TEXT) ThrowWrongHead("VERSION_TEXT", versionText);
        // A wrong number is reported with the version text read before it.
        if (deserializer.GetLong() != VER_NUMBER) ThrowWrongHead("VER_NUMBER", versionText);
        DeSerialize(deserializer);
        return true;
    } catch (const FileError& error) {
        WriteLog("StickersUsed::ReadStickersUsed: catch: %s", error.what());
    } catch (...) {
        WriteLog("StickersUsed::ReadStickersUsed: catch(...)");
    }
    return false;
}

// A record that cannot be read says nothing; the pages say what the child stuck.
void StickersUsed::RebuildFromPages(const std::vector<bool>& onPages) {
    for (size_t index = 0; index < m_entries.size(); ++index)
        m_entries[index] = onPages[index] ? SU_USED : SU_NOT_USED;
    CountStickersLeft();
    WriteLog("StickersUsed::ReadStickersUsed: record rebuilt from %i stickers on the pages",
             NUMBEROFSTICKERGRAPHICS - m_stickersLeft);
    WriteStickersUsed();
}

// A crash can come between the save of a page and the save of the record, and older
// albums saved a page only when it was turned: the pages decide.
void StickersUsed::AgreeWithPages(const std::vector<bool>& onPages) {
    bool repaired = false;
    for (int32_t index = 0; index < NUMBEROFSTICKERGRAPHICS; ++index) {
        int32_t& entry = m_entries[static_cast<size_t>(index)];
        const bool onPage = onPages[static_cast<size_t>(index)];
        if (onPage && entry == SU_NOT_USED) {
            WriteLog("StickersUsed::ReadStickersUsed: sticker %i is on a page: marked used", index);
        } else if (!onPage && entry != SU_NOT_USED) {
            WriteLog(
                "StickersUsed::ReadStickersUsed: sticker %i is on no page: given back to its sheet",
                index);
        } else {
            continue;
        }
        entry = onPage ? SU_USED : SU_NOT_USED;
        repaired = true;
    }
    if (!repaired) return;
    CountStickersLeft();
    WriteStickersUsed();
}

void StickersUsed::CountStickersLeft() {
    m_stickersLeft = 0;
    for (const int32_t entry : m_entries) {
        if (entry == SU_NOT_USED) ++m_stickersLeft;
    }
}

void StickersUsed::SetStickerUsed(int32_t stickerIndex) {
    QASSERT(stickerIndex >= SU_MIN_INDEX && stickerIndex <= SU_MAX_INDEX);
    if (!IsStickerIndex(stickerIndex)) {
        WriteLog("StickersUsed::SetStickerUsed: out of range: %i", stickerIndex);
        return;
    }
    int32_t& entry = m_entries[static_cast<size_t>(stickerIndex)];
    // Only a change lowers the count, so a repeated call cannot push it below zero.
    if (entry == SU_NOT_USED) --m_stickersLeft;
    entry = SU_USED;
    WriteStickersUsed();
}

int32_t StickersUsed::GetStickerUsed(int32_t stickerIndex) const {
    if (!IsStickerIndex(stickerIndex)) {
        QASSERT(stickerIndex >= SU_MIN_INDEX && stickerIndex <= SU_MAX_INDEX);
        WriteLog("StickersUsed::GetStickerUsed: out of range: %i", stickerIndex);
        return -1;
    }
    return m_entries[static_cast<size_t>(stickerIndex)];
}

bool StickersUsed::ResetStickersUsed() {
    m_stickersLeft = NUMBEROFSTICKERGRAPHICS;
    m_entries.assign(NUMBEROFSTICKERGRAPHICS, SU_NOT_USED);
    return WriteStickersUsed();
}

void StickersUsed::ResetAfterBadFile() {
    ResetStickersUsed();
    DeleteAll deleteAll;
    QASSERT_VALID(&deleteAll);
    deleteAll.ClearPageFiles();
}

int32_t StickersUsed::GetStickersLeft() const {
    QASSERT(m_stickersLeft >= 0 && m_stickersLeft <= NUMBEROFSTICKERGRAPHICS);
    return m_stickersLeft;
}
