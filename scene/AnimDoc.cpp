#include "scene/AnimDoc.h"

#include "catalogue/DataFiles.h"
#include "catalogue/PageTable.h"
#include "diag/Log.h"
#include "io/FileManager.h"
#include "scene/Sprite.h"

CAnimDoc::CAnimDoc() = default;

CAnimDoc::~CAnimDoc() = default;

void CAnimDoc::NextPage() {
    m_currentPage = NextPageIndex(m_currentPage);
}

bool CAnimDoc::LoadPage(HWND window, const char* backgroundPath, const PageCornerTable* corners) {
    auto background = ReadPicture(backgroundPath);
    if (background == nullptr) {
        WriteLog("CAnimDoc::LoadPage: the background %s cannot be read", backgroundPath);
        return false;
    }
    SetBackground(window, std::move(background));
    if (corners != nullptr) {
        for (const PageCornerRecord& corner : *corners) AddFramedSprite(corner);
    }
    return true;
}

bool CAnimDoc::WriteSprites(const std::string& fullPath) {
    return PageFile::Write(fullPath, StuckStickers());
}

// The sticker being carried is not stuck yet: a page saved during a carry (a page turn
// from the keyboard) must not make it stick without being recorded as used.
bool CAnimDoc::IsStuckSticker(const CSprite& sprite) const {
    const CAnimDocObserver* view = GetView();
    const bool carried = view != nullptr && view->GetCapturedSprite() == &sprite;
    return sprite.GetPriority() >= CSprite::kStickerPriority && !carried;
}

std::vector<PageFileRecord> CAnimDoc::StuckStickers() {
    std::vector<PageFileRecord> records;
    CSpriteList& sprites = GetSprites();
    for (CSprite* sprite = sprites.First(); sprite != nullptr; sprite = sprites.Next()) {
        if (!IsStuckSticker(*sprite)) continue;
        records.push_back(PageFileRecord{sprite->GetSpriteIndex(),
                                         static_cast<int32_t>(sprite->GetX()),
                                         static_cast<int32_t>(sprite->GetY()),
                                         sprite->GetPriority(), sprite->IsFlipped() ? 1 : 0});
    }
    return records;
}

bool CAnimDoc::ReadSprites(const std::string& fullPath) {
    std::vector<PageFileRecord> records;
    const bool read = PageFile::Read(fullPath, records);
    AddStickers(records);
    return read;
}

// Each sticker goes on top of those before it, so adding them bottom-most first
// restores the saved stacking; the stored priority is not used. A sticker whose
// picture cannot be read is skipped.
void CAnimDoc::AddStickers(const std::vector<PageFileRecord>& records) {
    for (const PageFileRecord& record : records) {
        const POINT position{record.x, record.y};
        CSprite* sticker = AddSprite(StickerPictureFiles[static_cast<size_t>(record.spriteIndex)],
                                     record.spriteIndex, position);
        if (sticker != nullptr) sticker->SetFlip(record.flipped != 0);
    }
}

std::string CAnimDoc::SaveFileOf(int32_t pageIndex) {
    std::string fullPath;
    CFileManager().MakeFullPath(fullPath, PageSaveFiles[static_cast<size_t>(pageIndex)]);
    return fullPath;
}

bool CAnimDoc::SavePage() {
    m_unsavedPages[m_currentPage] = StuckStickers();
    return SaveUnsavedPages();
}

bool CAnimDoc::SaveUnsavedPages() {
    for (auto page = m_unsavedPages.begin(); page != m_unsavedPages.end();) {
        if (PageFile::Write(SaveFileOf(page->first), page->second)) {
            page = m_unsavedPages.erase(page);
        } else {
            ++page;
        }
    }
    return m_unsavedPages.empty();
}

void CAnimDoc::EmptyUnsavedPages() {
    for (auto& [page, records] : m_unsavedPages) records.clear();
}

void CAnimDoc::LoadPageSprites() {
    WriteLog("%s", PageSaveFiles[static_cast<size_t>(m_currentPage)]);
    const auto unsaved = m_unsavedPages.find(m_currentPage);
    if (unsaved != m_unsavedPages.end()) {
        AddStickers(unsaved->second);
        return;
    }
    ReadSprites(SaveFileOf(m_currentPage));
}

bool CAnimDoc::ReloadPage() {
    m_unsavedPages.clear();
    const auto page = static_cast<size_t>(m_currentPage);
    if (!LoadPage(m_mainWindow, PageBackgroundFiles[page], &kPageCorners)) return false;
    LoadPageSprites();
    return true;
}

bool CAnimDoc::ChangePage(int32_t direction) {
    SavePage();
    int32_t page = m_currentPage;
    if (direction == kPageNext) page = NextPageIndex(page);
    if (direction == kPagePrevious) page = PreviousPageIndex(page);
    if (!LoadPage(m_mainWindow, PageBackgroundFiles[static_cast<size_t>(page)], &kPageCorners)) {
        WriteLog("CAnimDoc::ChangePage: page %i cannot be shown; page %i stays", page,
                 m_currentPage);
        return false;
    }
    m_currentPage = page;
    LoadPageSprites();
    return true;
}
