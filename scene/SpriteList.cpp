#include "scene/SpriteList.h"

#include <algorithm>

#include "diag/Log.h"
#include "scene/Sprite.h"

CSpriteList::CSpriteList() : m_observer(*this) {}

CSpriteList::~CSpriteList() {
    DestroyAll();
}

void CSpriteList::SetView(COffScreenBufferView* view) {
    m_view = view;
    m_observer.SetBuffer(view);
}

bool CSpriteList::Add(CSprite* sprite) {
    if (sprite == nullptr) return false;
    sprite->SetObserver(&m_observer);
    // The list is kept in priority order; the new sprite goes ahead of older sprites of
    // equal priority.
    const auto place = std::lower_bound(
        m_sprites.begin(), m_sprites.end(), sprite->GetPriority(),
        [](const CSprite* listed, int32_t priority) { return listed->GetPriority() < priority; });
    m_sprites.insert(place, sprite);
    Renumber();
    return true;
}

void CSpriteList::Renumber() {
    int32_t number = kFirstStickerNumber;
    for (CSprite* sprite : m_sprites) {
        if (sprite->GetPriority() >= CSprite::kStickerPriority) sprite->SetPriority(number++);
    }
}

CSprite* CSpriteList::Remove(CSprite* sprite) {
    const auto found = std::find(m_sprites.begin(), m_sprites.end(), sprite);
    if (found == m_sprites.end()) return nullptr;
    m_sprites.erase(found);
    sprite->SetObserver(nullptr);
    return sprite;
}

void CSpriteList::Reorder(CSprite* sprite) {
    if (Remove(sprite) == nullptr) {
        WriteLog("CSpriteList::Reorder(): Unable to find sprite");
        return;
    }
    Add(sprite);
}

void CSpriteList::DestroyAll() {
    for (CSprite* sprite : m_sprites) delete sprite;
    m_sprites.clear();
    m_backwardCursor = -1;
}

CSprite* CSpriteList::First() {
    if (m_sprites.empty()) return nullptr;
    m_backwardCursor = static_cast<ptrdiff_t>(m_sprites.size()) - 1;
    return m_sprites.back();
}

CSprite* CSpriteList::Next() {
    // A cursor left beyond the list by a removal ends the walk rather than read past it.
    if (m_backwardCursor <= 0 || m_backwardCursor > static_cast<ptrdiff_t>(m_sprites.size())) {
        m_backwardCursor = -1;
        return nullptr;
    }
    --m_backwardCursor;
    return m_sprites[static_cast<size_t>(m_backwardCursor)];
}

CSprite* CSpriteList::Front() {
    return m_sprites.empty() ? nullptr : m_sprites.front();
}
