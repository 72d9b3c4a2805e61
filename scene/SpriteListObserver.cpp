#include "scene/SpriteListObserver.h"

#include <utility>

#include "scene/OffScreenBufferView.h"

CSpriteListObserver::CSpriteListObserver(std::function<void(CSprite*)> reorder)
    : m_reorder(std::move(reorder)) {}

void CSpriteListObserver::MarkDirty(const RECT* area) {
    if (m_buffer != nullptr && area != nullptr) m_buffer->AddDirtyRect(*area);
}

void CSpriteListObserver::OnSpriteChanged(CSprite* sprite, int32_t flags, const RECT* first,
                                          const RECT* second) {
    // Only the first flag that is set acts.
    if ((flags & SPRITE_PRIORITY_CHANGED) != 0) {
        m_reorder(sprite);
        MarkDirty(first);
    } else if ((flags & SPRITE_MOVED) != 0) {
        MarkDirty(first);
        MarkDirty(second);
    } else if ((flags & (SPRITE_FRAME_CHANGED | SPRITE_INVALIDATE)) != 0) {
        MarkDirty(first);
    }
}
