#pragma once
// The page document of the book: the page on screen, how to turn to another page, and
// the save file that keeps the stickers of each page between visits and runs
// (PageFile). Page corners are never saved.
//
// A page whose file cannot be written is kept in memory, and every later save tries
// its file again: the page is then built from memory, never from its older file, so
// that no sticker on it is lost while the disk is full or the folder read-only.

#include <cstdint>
#include <map>
#include <string>
#include <vector>

#include "scene/AnimDocBase.h"
#include "scene/PageFile.h"

// Directions of ChangePage.
constexpr int32_t kPagePrevious = 0;
constexpr int32_t kPageNext = 1;
constexpr int32_t kPageSame = 2;

class CAnimDoc : public CAnimDocBase {
public:
    CAnimDoc();
    ~CAnimDoc() override;

    // The window whose device context the view uses when a page is loaded.
    void SetMainWindow(HWND window) { m_mainWindow = window; }

    // The background from its data file, then the corners of `corners` when given.
    // False, with the page unchanged, when the background cannot be read: the page on
    // show must not take another page's place with its own stickers still on it.
    bool LoadPage(HWND window, const char* backgroundPath, const PageCornerTable* corners);
    // Saves the stuck stickers of the page, bottom-most first. False when the file cannot
    // be written; the old file then stays whole.
    bool WriteSprites(const std::string& fullPath);
    // Puts the stickers of a page file on top of the page. False when the file is
    // missing, foreign or cannot be read at all.
    bool ReadSprites(const std::string& fullPath);
    // Saves the page on show and every page still kept in memory; false while any of
    // them is not on disk.
    bool SavePage();
    // The stickers of the page on show, from memory when its file could not be written,
    // else from its file.
    void LoadPageSprites();
    // Saves the page on show, moves the page cursor by `direction` (kPagePrevious,
    // kPageNext; anything else keeps the page) and rebuilds that page. False, with the
    // page on show kept as it is, when the other page's background cannot be read.
    bool ChangePage(int32_t direction);
    // Rebuilds the page on show from its file without saving it first, once the book's
    // files were replaced underneath it; pages kept in memory are forgotten.
    bool ReloadPage();
    // Whether a page's stickers are kept in memory because its file could not be written.
    bool HasUnsavedPages() const { return !m_unsavedPages.empty(); }
    // Clear All: a page kept in memory is kept as an empty page from now on.
    void EmptyUnsavedPages();
    // Forgets the pages kept in memory (a new run of the album in the same process).
    void ForgetUnsavedPages() { m_unsavedPages.clear(); }

    // The page cursor: the page index of the page on screen.
    int32_t GetCurrentPage() const { return m_currentPage; }
    void NextPage();

private:
    bool IsStuckSticker(const CSprite& sprite) const;
    std::vector<PageFileRecord> StuckStickers();
    void AddStickers(const std::vector<PageFileRecord>& records);
    bool SaveUnsavedPages();
    static std::string SaveFileOf(int32_t pageIndex);

    HWND m_mainWindow = nullptr;
    int32_t m_currentPage = 0;
    // Page index -> the stickers of a page whose file could not be written yet.
    std::map<int32_t, std::vector<PageFileRecord>> m_unsavedPages;
};
