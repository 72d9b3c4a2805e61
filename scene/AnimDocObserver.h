#pragma once
// What the page document asks of the view that shows it. The view implements it, so the
// document reaches its view without knowing the view's class: the view knows the
// document, never the other way round. The defaults are those of a view that has no
// off-screen image and carries nothing.

#include "gfx/DIB.h"
#include "platform/kernel/WinTypes.h"

class COffScreenBufferView;
class CSprite;

class CAnimDocObserver {
public:
    virtual ~CAnimDocObserver() = default;

    // The off-screen image in which the document's sprites mark the areas they change.
    virtual COffScreenBufferView* GetOffScreenBuffer() { return nullptr; }
    // A new off-screen image for a new page background, all of it to be composed.
    // False when the image cannot be made.
    virtual bool NewBackground(HWND, const CDIB&) { return false; }
    // The document is destroying its sprites: the carried one is gone with them.
    virtual void ForgetCapturedSprite() {}
    // The sticker being carried over the page, not stuck yet; null when none.
    virtual CSprite* GetCapturedSprite() const { return nullptr; }
};
