#include "scene/AnimDocBase.h"

#include "diag/Log.h"
#include "scene/FramedSprite.h"
#include "scene/Sprite.h"

namespace {

// Every picture starts this size and takes the size of the file it reads.
constexpr LONG kInitialSide = 32;

}  // namespace

CAnimDocBase::CAnimDocBase() = default;

CAnimDocBase::~CAnimDocBase() {
    // The list destroys the sprites after the background has gone.
    m_background.reset();
}

void CAnimDocBase::DeleteContents() {
    DestroySprites();
    m_background.reset();
}

void CAnimDocBase::SetView(CAnimDocObserver* view) {
    m_view = view;
    LinkSpritesToView();
}

void CAnimDocBase::LinkSpritesToView() {
    m_sprites.SetView(m_view != nullptr ? m_view->GetOffScreenBuffer() : nullptr);
}

bool CAnimDocBase::SetBackground(HWND window, std::unique_ptr<CDIB> picture) {
    if (picture == nullptr) return false;
    DestroySprites();
    m_background = std::move(picture);
    if (m_view == nullptr) {
        WriteLog("CAnimView not available in CAnimDocBase::SetBackground");
        return false;
    }
    return m_view->NewBackground(window, *m_background);
}

std::unique_ptr<CDIB> CAnimDocBase::ReadPicture(const char* path) {
    auto picture = std::make_unique<CDIB>(kInitialSide, kInitialSide);
    if (!picture->Load(path)) return nullptr;
    return picture;
}

CSprite* CAnimDocBase::AddSprite(const char* path, int32_t spriteIndex, const POINT& position) {
    auto sprite = CSprite::FromPicture(path, TakeSerial(), spriteIndex, position);
    if (sprite == nullptr) return nullptr;
    return Place(std::move(sprite));
}

CSprite* CAnimDocBase::AddFramedSprite(const PageCornerRecord& record) {
    auto sprite = std::make_unique<CFramedSprite>(TakeSerial(), 0);
    if (!sprite->Load(record.path)) return nullptr;
    // The sprite is in no list yet, so none of these report a change.
    sprite->SetColumns(record.columns);
    sprite->SetRows(record.rows);
    sprite->SetColumn(record.column);
    sprite->SetRow(record.row);
    sprite->MoveTo(record.x, record.y);
    sprite->ChangePriority(record.priority);
    return Place(std::move(sprite));
}

CSprite* CAnimDocBase::Place(std::unique_ptr<CSprite> sprite) {
    CSprite* placed = m_sprites.Add(std::move(sprite));
    if (m_view != nullptr) {
        RECT area{};
        placed->GetRect(area);
        placed->Invalidate(area);
    }
    return placed;
}

void CAnimDocBase::DestroySprites() {
    // The view may be carrying one of them; it must not keep using it.
    if (m_view != nullptr) m_view->ForgetCapturedSprite();
    m_sprites.DestroyAll();
}
