#pragma once
// What a sprite tells whoever watches it when its area on the page changes.

#include <cstdint>

#include "platform/kernel/WinTypes.h"

class CSprite;

constexpr int32_t SPRITE_PRIORITY_CHANGED = 1;
constexpr int32_t SPRITE_MOVED = 2;
constexpr int32_t SPRITE_FRAME_CHANGED = 4;
constexpr int32_t SPRITE_INVALIDATE = 8;

class CSpriteObserver {
public:
    // `second` is the area after a move; null for every other change.
    virtual void OnSpriteChanged(CSprite* sprite, int32_t flags, const RECT* first,
                                 const RECT* second) = 0;
    virtual ~CSpriteObserver() = default;
};
