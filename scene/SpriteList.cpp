#include "scene/SpriteList.h"

#include <algorithm>

#include "diag/Log.h"
#include "scene/Sprite.h"

CSpriteList::CSpriteList() : m_observer([this](CSprite* sprite) { Reorder(sprite); }) {}

CSpriteList::~CSpriteList() {
    DestroyAll();
}

void CSpriteList::SetView(COffScreenBufferView* view) {
    m_observer.SetBuffer(view);
}

CSprite* CSpriteList::Add(std::unique_ptr<CSprite> sprite) {
    if (sprite == nullptr) return nullptr;
    CSprite* placed = sprite.get();
    placed->SetObserver(&m_observer);
    // The list is kept in priority order; the new sprite goes ahead of older sprites of
    // equal priority.
    const auto place =
        std::lower_bound(m_sprites.begin(), m_sprites.end(), placed->GetPriority(),
                         [](const std::unique_ptr<CSprite>& listed, int32_t priority) {
                             return listed->GetPriority() < priority;
                         });
    m_sprites.insert(place, std::move(sprite));
    Renumber();
    return placed;
}

void CSpriteList::Renumber() {
    int32_t number = kFirstStickerNumber;
    for (const auto& sprite : m_sprites) {
        if (sprite->GetPriority() >= CSprite::kStickerPriority) sprite->SetPriority(number++);
    }
}

std::unique_ptr<CSprite> CSpriteList::Remove(CSprite* sprite) {
    const auto found = std::find_if(
        m_sprites.begin(), m_sprites.end(),
        [sprite](const std::unique_ptr<CSprite>& listed) { return listed.get() == sprite; });
    if (found == m_sprites.end()) return nullptr;
    std::unique_ptr<CSprite> removed = std::move(*found);
    m_sprites.erase(found);
    removed->SetObserver(nullptr);
    return removed;
}

void CSpriteList::Reorder(CSprite* sprite) {
    std::unique_ptr<CSprite> removed = Remove(sprite);
    if (removed == nullptr) {
        WriteLog("CSpriteList::Reorder(): Unable to find sprite");
        return;
    }
    Add(std::move(removed));
}

void CSpriteList::DestroyAll() {
    m_sprites.clear();
    m_backwardCursor = -1;
}

CSprite* CSpriteList::First() {
    if (m_sprites.empty()) return nullptr;
    m_backwardCursor = static_cast<ptrdiff_t>(m_sprites.size()) - 1;
    return m_sprites.back().get();
}

CSprite* CSpriteList::Next() {
    // A cursor left beyond the list by a removal ends the walk rather than read past it.
    if (m_backwardCursor <= 0 || m_backwardCursor > static_cast<ptrdiff_t>(m_sprites.size())) {
        m_backwardCursor = -1;
        return nullptr;
    }
    --m_backwardCursor;
    return m_sprites[static_cast<size_t>(m_backwardCursor)].get();
}

CSprite* CSpriteList::Front() {
    return m_sprites.empty() ? nullptr : m_sprites.front().get();
}
