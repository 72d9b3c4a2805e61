#pragma once
// The sprites of the page, owned, in stacking order: ascending priority from the front
// (topmost, drawn last) to the back (bottom-most, drawn first). Stickers (priority 10 and
// more) are renumbered 11, 12, ... from the front after every insertion, so a new sticker
// is always the topmost sticker; page corners (below 10) keep their numbers and lie above.

#include <cstddef>
#include <deque>
#include <memory>

#include "scene/SpriteListObserver.h"

class CSprite;
class COffScreenBufferView;

class CSpriteList {
public:
    static constexpr int32_t kFirstStickerNumber = 11;

    CSpriteList();
    virtual ~CSpriteList();
    CSpriteList(const CSpriteList&) = delete;
    CSpriteList& operator=(const CSpriteList&) = delete;

    // Takes the sprite and places it in front of those of equal priority; answers the
    // placed sprite, or null for none.
    CSprite* Add(std::unique_ptr<CSprite> sprite);
    // Takes the sprite out and hands it back; null when it is not in the list.
    std::unique_ptr<CSprite> Remove(CSprite* sprite);
    void Reorder(CSprite* sprite);
    void DestroyAll();

    // The bottom-most sprite; Next then walks towards the front, null after the topmost.
    CSprite* First();
    CSprite* Next();
    CSprite* Front();
    size_t GetCount() const { return m_sprites.size(); }

    // The view that composes the page; it receives the sprites' dirty rectangles.
    void SetView(COffScreenBufferView* view);

private:
    void Renumber();

    std::deque<std::unique_ptr<CSprite>> m_sprites;
    CSpriteListObserver m_observer;
    // Index of the sprite Next returned last; -1 once the walk has passed the front.
    ptrdiff_t m_backwardCursor = -1;
};
