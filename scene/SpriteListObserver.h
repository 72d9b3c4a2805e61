#pragma once
// How the sprite list hears of its sprites' changes: it has the list reorder itself
// when a priority changes and passes every affected area to the off-screen buffer for
// redraw. The list owns it and hands it the reordering at construction, so the observer
// does not know the list.

#include <functional>

#include "scene/SpriteObserver.h"

class COffScreenBufferView;

class CSpriteListObserver : public CSpriteObserver {
public:
    // `reorder` puts a sprite whose priority changed back in its place in the list.
    explicit CSpriteListObserver(std::function<void(CSprite*)> reorder);

    void OnSpriteChanged(CSprite* sprite, int32_t flags, const RECT* first,
                         const RECT* second) override;
    void SetBuffer(COffScreenBufferView* buffer) { m_buffer = buffer; }

private:
    void MarkDirty(const RECT* area);

    std::function<void(CSprite*)> m_reorder;
    COffScreenBufferView* m_buffer = nullptr;
};
