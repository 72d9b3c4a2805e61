#include "scene/SpriteListObserver.h"

#include "scene/OffScreenBufferView.h"
#include "scene/SpriteList.h"

CSpriteListObserver::CSpriteListObserver(CSpriteList& list) : m_list(list) {}

void CSpriteListObserver::MarkDirty(const RECT* area) {
    if (m_buffer != nullptr && area != nullptr) m_buffer->AddDirtyRect(*area);
}

void CSpriteListObserver::OnSpriteChanged(CSprite* sprite, int32_t flags, const RECT* first,
                                          const RECT* second) {
    // Only the first flag that is set acts.
    if ((flags & SPRITE_PRIORITY_CHANGED) != 0) {
        m_list.Reorder(sprite);
        MarkDirty(first);
    } else if ((flags & SPRITE_MOVED) != 0) {
        MarkDirty(first);
        MarkDirty(second);
    } else if ((flags & (SPRITE_FRAME_CHANGED | SPRITE_INVALIDATE)) != 0) {
        MarkDirty(first);
    }
}
