#include "scene/AnimView.h"

#include <utility>

#include "catalogue/PageGeometry.h"
#include "diag/Log.h"
#include "platform/gdi/DeviceContext.h"
#include "platform/user/User.h"
#include "scene/AnimDoc.h"
#include "scene/PageOverlay.h"
#include "scene/Sprite.h"

namespace {

RECT AreaOf(const CSprite& sprite) {
    RECT area{};
    sprite.GetRect(area);
    return area;
}

LONG Clamp(LONG value, LONG highest) {
    return value < 0 ? 0 : (value > highest ? highest : value);
}

}  // namespace

// The window copy is a plain blit from a DIB section.
CAnimView::CAnimView() : COffScreenBufferView(true) {}

CAnimView::~CAnimView() = default;

void CAnimView::SetDocument(CAnimDoc* document) {
    m_document = document;
}

bool CAnimView::NewBackground(HWND window, const CDIB& background) {
    if (!CreateOffScreen(window, background)) {
        WriteLog("CAnimView::NewBackground Create failed");
        return false;
    }
    RECT whole{};
    background.GetRect(whole);
    AddDirtyRect(whole);
    return true;
}

bool CAnimView::AreaToCompose(const RECT* clip, RECT& area) const {
    const CDIB* background = m_document != nullptr ? m_document->GetBackground() : nullptr;
    if (background == nullptr) {
        // No page yet: the sprites alone, clipped to what was asked for.
        if (clip != nullptr) {
            area = *clip;
        } else {
            GetBufferRect(area);
        }
        return true;
    }
    background->GetRect(area);
    return clip == nullptr || IntersectRect(&area, &area, clip);
}

void CAnimView::Draw(const RECT* clip) {
    CDIB* image = GetImage();
    RECT area{};
    if (image == nullptr || m_document == nullptr || !AreaToCompose(clip, area)) return;
    if (const CDIB* background = m_document->GetBackground()) {
        background->CopyTo(image, area.left, area.top, area.right - area.left,
                           area.bottom - area.top, area.left, area.top, CDIB::kNoKey);
    }
    CSpriteList& sprites = m_document->GetSprites();
    for (CSprite* sprite = sprites.First(); sprite != nullptr; sprite = sprites.Next()) {
        sprite->Draw(image, &area);
    }
    if (m_overlay != nullptr) m_overlay->DrawOver(image, area);
}

void CAnimView::RemoveSprite(CSprite* sprite) {
    if (m_document == nullptr) return;
    const std::unique_ptr<CSprite> removed = m_document->GetSprites().Remove(sprite);
    if (removed != nullptr && removed.get() == m_capturedSprite) m_capturedSprite = nullptr;
}

void CAnimView::RemoveAllSprites() {
    if (m_document == nullptr) return;
    CSpriteList& sprites = m_document->GetSprites();
    while (sprites.GetCount() != 0) {
        CSprite* topmost = sprites.Front();
        topmost->Invalidate(AreaOf(*topmost));
        RemoveSprite(topmost);
    }
}

void CAnimView::DiscardCapturedSprite() {
    TakeCapturedSprite();
}

std::unique_ptr<CSprite> CAnimView::TakeCapturedSprite() {
    if (m_capturedSprite == nullptr || m_document == nullptr) return nullptr;
    CSprite* sprite = std::exchange(m_capturedSprite, nullptr);
    sprite->Invalidate(AreaOf(*sprite));
    return m_document->GetSprites().Remove(sprite);
}

void CAnimView::StartCarrying(CSprite* sprite, LONG x, LONG y) {
    if (sprite == nullptr) return;
    m_dragging = 1;
    m_capturedSprite = sprite;
    sprite->MoveTo(x - sprite->GetWidth() / 2, y - sprite->GetHeight() / 2);
    m_grabOffsetX = x - sprite->GetX();
    m_grabOffsetY = y - sprite->GetY();
}

void CAnimView::MoveCarriedSprite(LONG x, LONG y) {
    if (m_dragging == 0 || m_capturedSprite == nullptr) return;
    m_capturedSprite->MoveTo(x - m_grabOffsetX, y - m_grabOffsetY);
}

void CAnimView::StopCarrying() {
    m_dragging = 0;
    m_capturedSprite = nullptr;
}

void CAnimView::Paint(HWND window) {
    const CDIB* background = m_document != nullptr ? m_document->GetBackground() : nullptr;
    if (background == nullptr) return;
    RECT whole{};
    background->GetRect(whole);
    AddDirtyRect(whole);
    Update(window);
}

void CAnimView::BeginDrag(HWND window, LONG x, LONG y, CSprite* sprite) {
    if (sprite == nullptr) return;
    SetCapture(window);
    StartCarrying(sprite, x, y);
    m_cursors.SetKind(CCursorSet::kHidden);
}

void CAnimView::EndDrag(HWND) {
    if (m_dragging == 0) return;
    ReleaseCapture();
    ClipCursor(nullptr);
    StopCarrying();
    m_cursors.EndHiding();
}

bool CAnimView::AbandonCarry(HWND window) {
    if (m_dragging == 0) return false;
    std::unique_ptr<CSprite> sticker = TakeCapturedSprite();
    EndDrag(window);
    m_cursors.SetKind(CCursorSet::kArrow);
    OnCarryAbandoned(window, std::move(sticker));
    return true;
}

void CAnimView::OnCarryAbandoned(HWND, std::unique_ptr<CSprite>) {}

void CAnimView::OnLButtonDown(HWND window, WPARAM, LONG, LONG) {
    AbandonCarry(window);
}

void CAnimView::OnRButtonDown(HWND window, WPARAM, LONG, LONG) {
    if (m_dragging == 0) return;
    WriteLog("OnRButtonDown: ReleaseCapture");
    AbandonCarry(window);
}

void CAnimView::OnMouseMove(HWND window, WPARAM, LONG x, LONG y) {
    if (m_dragging == 0) return;
    MoveCarriedSprite(x, y);
    // The pointer cannot leave the page window's client area while carrying.
    if (x < 0 || x > kPageWidth || y < 0 || y > kPageHeight) {
        POINT held{Clamp(x, kPageWidth), Clamp(y, kPageHeight)};
        ClientToScreen(window, &held);
        SetCursorPos(held.x, held.y);
    }
    m_cursors.ShowCurrent();
}
