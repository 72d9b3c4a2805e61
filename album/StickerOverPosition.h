#pragma once
// Whether a dropped sticker sticks: it must be on its home page, and its top-left
// corner must lie less than 20 pixels from its home in x and in y. A sticker that
// sticks is moved exactly onto its home.
//
// One object lives for one click; the view and the document it asks are linked once
// at start-up and shared by every object.

#include <cstdint>

#include "album/Validatable.h"

class CAnimView;
class CAnimDoc;

class StickerOverPosition : public Validatable {
public:
    // How far from its home, in x and in y, a sticker no longer sticks.
    static constexpr int32_t kCatchDistance = 20;

    StickerOverPosition() = default;
    virtual ~StickerOverPosition() = default;

    // True once the view and the document are linked.
    bool IsValid() const override;

    static void SetViewAndDocument(CAnimView* animView, CAnimDoc* animDoc);

    // Whether the sticker the view carries lies over its home on the page on screen;
    // when it does, it has been moved onto its home. False when nothing is carried.
    bool IsOverPosition();

    // The page index of the sticker's home page, or kNoPageIndex when the book has
    // no such page (or there is no such sticker).
    static int32_t GetStickerPageIndex(int32_t stickerIndex);

private:
    static CAnimView* ms_View;
    static CAnimDoc* ms_Document;
};
