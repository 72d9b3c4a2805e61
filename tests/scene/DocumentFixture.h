#pragma once
// The page document and its view, linked as start-up links them, on page 0 of a
// base directory with stand-in pictures.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "catalogue/DataFiles.h"
#include "catalogue/PageTable.h"
#include "io/FileManager.h"
#include "scene/AnimDoc.h"
#include "scene/AnimView.h"
#include "scene/Sprite.h"
#include "tests/scene/BookFolder.h"
#include "tests/support/LogCapture.h"

class DocumentFixture : public testing::Test {
protected:
    DocumentFixture() {
        view.SetDocument(&doc);
        doc.SetView(&view);
        doc.LoadPage(nullptr, PageBackgroundFiles[0], &kPageCorners);
    }

    // A sticker made the way picking one makes it: on top of the others.
    CSprite* Stick(int32_t stickerIndex, LONG x, LONG y) {
        return doc.AddSprite(StickerPictureFiles[static_cast<size_t>(stickerIndex)], stickerIndex,
                             POINT{x, y});
    }

    // The stickers of the page as page file records, bottom-most first.
    std::vector<BookFolder::StickerRecord> StickerRecords() {
        std::vector<BookFolder::StickerRecord> records;
        CSpriteList& sprites = doc.GetSprites();
        for (CSprite* sprite = sprites.First(); sprite != nullptr; sprite = sprites.Next())
            if (sprite->GetPriority() >= CSprite::kStickerPriority)
                records.push_back({sprite->GetSpriteIndex(), sprite->GetX(), sprite->GetY(),
                                   sprite->GetPriority(), sprite->IsFlipped() ? 1 : 0});
        return records;
    }

    static std::string SaveFile(int32_t pageIndex) {
        return CFileManager::BaseDirectory() + PageSaveFiles[static_cast<size_t>(pageIndex)];
    }

    BookFolder book;
    LogCapture capture;
    CAnimView view;
    CAnimDoc doc;
};
