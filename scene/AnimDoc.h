#pragma once
// The page document of the book: the page on screen, how to turn to another page, and
// the save file that keeps the stickers of each page between visits and runs.
//
// A page save file is the head ("QUILRY03", 768) followed by one five-long record per
// stuck sticker (sprite index, x, y, priority, flipped), bottom-most first, up to the
// end of the file. Page corners are never saved.

#include <cstdint>
#include <string>

#include "scene/AnimDocBase.h"

class DeSerializer;

// Directions of ChangePage.
constexpr int32_t PAGE_PREVIOUS = 0;
constexpr int32_t PAGE_NEXT = 1;
constexpr int32_t PAGE_SAME = 2;

class CAnimDoc : public CAnimDocBase {
public:
    CAnimDoc();
    ~CAnimDoc() override;

    // The window whose device context the view uses when a page is loaded.
    void SetMainWindow(HWND window) { m_mainWindow = window; }

    // The background from its data file, then the corners of `corners` when given,
    // whether or not the background could be read.
    void LoadPage(HWND window, const char* backgroundPath, const PageCornerTable* corners);
    // Saves the stuck stickers of the page, bottom-most first. False when the file cannot
    // be written; the old file then stays whole.
    bool WriteSprites(const std::string& fullPath);
    // Puts the stickers of a page file on top of the page. False, with what was read
    // so far kept, when the file is missing, foreign or cannot be read at all.
    bool ReadSprites(const std::string& fullPath);
    void SavePage();
    void LoadPageSprites();
    // Saves the page on screen, moves the page cursor by `direction` (PAGE_PREVIOUS,
    // PAGE_NEXT; anything else keeps the page) and rebuilds that page from its file.
    void ChangePage(int32_t direction);

    // The page cursor: the page index of the page on screen.
    int32_t GetCurrentPage() const { return m_currentPage; }
    void NextPage();
    void PreviousPage();

private:
    bool IsStuckSticker(const CSprite& sprite) const;
    bool ReadStickerRecords(DeSerializer& deserializer);
    void AddStickerFrom(const CSprite& record);
    std::string CurrentSaveFile() const;

    HWND m_mainWindow = nullptr;
    int32_t m_currentPage = 0;
};
