#pragma once
// How the sprite list hears of its sprites' changes: it reorders itself when a priority
// changes and passes every affected area to the off-screen buffer for redraw.

#include "scene/SpriteObserver.h"

class CSpriteList;
class COffScreenBufferView;

class CSpriteListObserver : public CSpriteObserver {
public:
    explicit CSpriteListObserver(CSpriteList& list);

    void OnSpriteChanged(CSprite* sprite, int32_t flags, const RECT* first,
                         const RECT* second) override;
    void SetBuffer(COffScreenBufferView* buffer) { m_buffer = buffer; }

private:
    void MarkDirty(const RECT* area);

    CSpriteList& m_list;
    COffScreenBufferView* m_buffer = nullptr;
};
