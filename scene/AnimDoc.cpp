#include "scene/AnimDoc.h"

#include <exception>

#include "album/DataFiles.h"
#include "album/PageTable.h"
#include "album/SaveFileVersion.h"
#include "app/Log.h"
#include "io/DeSerializer.h"
#include "io/FileError.h"
#include "io/FileManager.h"
#include "io/Serializer.h"
#include "scene/AnimView.h"
#include "scene/Sprite.h"

CAnimDoc::CAnimDoc() = default;

CAnimDoc::~CAnimDoc() = default;

void CAnimDoc::NextPage() { m_currentPage = NextPageIndex(m_currentPage); }

void CAnimDoc::PreviousPage() { m_currentPage = PreviousPageIndex(m_currentPage); }

void CAnimDoc::LoadPage(HWND window, const char* backgroundPath, const PageCornerTable* corners) {
    SetBackgroundFromFile(window, backgroundPath);
    if (corners == nullptr) return;
    for (const PageCornerRecord& corner : *corners) AddFramedSprite(corner);
}

bool CAnimDoc::WriteSprites(const std::string& fullPath) {
    try {
        Serializer serializer(fullPath);
        serializer.PutString(VERSION_TEXT);
        serializer.PutLong(VER_NUMBER);
        CSpriteList& sprites = GetSprites();
        for (CSprite* sprite = sprites.First(); sprite != nullptr; sprite = sprites.Next()) {
            if (IsStuckSticker(*sprite)) sprite->Serialize(serializer);
        }
    } catch (const FileError&) {
        // The Serializer has logged an open failure, and keeps the old file whole.
        return false;
    }
    return true;
}

// The sticker being carried is not stuck yet: a page saved during a carry (a page turn
// from the keyboard) must not make it stick without being recorded as used.
bool CAnimDoc::IsStuckSticker(const CSprite& sprite) const {
    const CAnimView* view = GetView();
    const bool carried = view != nullptr && view->GetCapturedSprite() == &sprite;
    return sprite.GetPriority() >= CSprite::kStickerPriority && !carried;
}

bool CAnimDoc::ReadSprites(const std::string& fullPath) {
    try {
        DeSerializer deserializer(fullPath);
        if (deserializer.GetString() != VERSION_TEXT) {
            throw FileError("CAnimDoc::ReadSprites: file text is wrong");
        }
        if (deserializer.GetLong() != VER_NUMBER) {
            throw FileError("CAnimDoc::ReadSprites: file version number is wrong");
        }
        return ReadStickerRecords(deserializer);
    } catch (...) {
        // A missing or foreign page file is a page without stickers, not an error.
        return false;
    }
}

// The records run to the end of the file. Each sticker goes on top of those before
// it, so reading bottom-most first restores the saved stacking; the stored priority
// is not used.
bool CAnimDoc::ReadStickerRecords(DeSerializer& deserializer) {
    CSprite record;
    // A page holds each sticker of the book at most once, so a longer file is damaged;
    // stopping there bounds the work and memory a damaged file can cost.
    for (int32_t count = 0; count < NUMBEROFSTICKERGRAPHICS; ++count) {
        try {
            record.DeSerialize(deserializer);
        } catch (const std::exception& error) {
            WriteLog("%s", error.what());
            return true;
        } catch (...) {
            WriteLog("DeSerialize: catch exception");
            return true;
        }
        AddStickerFrom(record);
    }
    WriteLog("CAnimDoc::ReadSprites: more records than the book has stickers");
    return true;
}

void CAnimDoc::AddStickerFrom(const CSprite& record) {
    const int32_t stickerIndex = record.GetSpriteIndex();
    if (!IsStickerIndex(stickerIndex)) {
        WriteLog("CAnimDoc::ReadSprites: no such sticker: %i", stickerIndex);
        return;
    }
    const POINT position{record.GetX(), record.GetY()};
    CSprite* sticker =
        AddSprite(StickerPictureFiles[static_cast<size_t>(stickerIndex)], stickerIndex, position);
    if (sticker != nullptr) sticker->SetFlip(record.IsFlipped());
}

std::string CAnimDoc::CurrentSaveFile() const {
    std::string fullPath;
    CFileManager().MakeFullPath(fullPath, PageSaveFiles[static_cast<size_t>(m_currentPage)]);
    return fullPath;
}

void CAnimDoc::SavePage() { WriteSprites(CurrentSaveFile()); }

void CAnimDoc::LoadPageSprites() {
    WriteLog("%s", PageSaveFiles[static_cast<size_t>(m_currentPage)]);
    ReadSprites(CurrentSaveFile());
}

void CAnimDoc::ChangePage(int32_t direction) {
    SavePage();
    if (direction == PAGE_NEXT) NextPage();
    if (direction == PAGE_PREVIOUS) PreviousPage();
    LoadPage(m_mainWindow, PageBackgroundFiles[static_cast<size_t>(m_currentPage)], &PageCorners);
    LoadPageSprites();
}
