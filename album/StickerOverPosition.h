#pragma once
// Whether a dropped sticker sticks: it must be on its home page, and its top-left
// corner must lie less than 20 pixels from its home in x and in y. A sticker that
// sticks is moved exactly onto its home.
//
// One object lives for one click and asks the view and the document it is given.

#include <cstdint>

#include "album/Validatable.h"

class CAnimView;
class CAnimDoc;

class StickerOverPosition : public Validatable {
public:
    // How far from its home, in x and in y, a sticker no longer sticks.
    static constexpr int32_t kCatchDistance = 20;

    // A missing view or document is reported; nothing then sticks.
    StickerOverPosition(CAnimView* animView, CAnimDoc* animDoc);
    virtual ~StickerOverPosition() = default;

    // True when both the view and the document are there.
    bool IsValid() const override;

    // Whether the sticker the view carries lies over its home on the page on screen;
    // when it does, it has been moved onto its home. False when nothing is carried.
    bool IsOverPosition();

    // The page index of the sticker's home page, or kNoPageIndex when the book has
    // no such page (or there is no such sticker).
    static int32_t GetStickerPageIndex(int32_t stickerIndex);

private:
    CAnimView* m_view;
    CAnimDoc* m_document;
};
