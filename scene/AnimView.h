#pragma once
// The view of the page: it composes the document's background and sprites into the
// off-screen image, and holds the sticker being carried over the page, if any, with
// the offset at which the pointer grabbed it.
//
// The sprites all belong to the document's sprite list; the view never owns one, and
// forgets the carried sprite whenever the document lets it go. The view owns the
// pointer's kinds, as it is the carry that hides the pointer.

#include <cstdint>
#include <memory>

#include "scene/AnimDocObserver.h"
#include "scene/CursorSet.h"
#include "scene/OffScreenBufferView.h"

class CAnimDoc;
class CSprite;
class PageOverlay;

class CAnimView : public COffScreenBufferView, public CAnimDocObserver {
public:
    CAnimView();

    // The background where `clip` (the whole page when null) meets it, then every
    // sprite from the bottom up, then the overlay, clipped the same way.
    void Draw(const RECT* clip) override;
    ~CAnimView() override;

    virtual void SetDocument(CAnimDoc* document);
    // What is drawn over the stickers; null: nothing.
    void SetOverlay(const PageOverlay* overlay) { m_overlay = overlay; }
    // The mouse over the page window `window`, at signed client coordinates. A left
    // click while carrying is the drop; without an album to judge it the sticker is
    // thrown away. A right click while carrying throws the sticker away.
    virtual void OnLButtonDown(HWND window, WPARAM keys, LONG x, LONG y);
    virtual void OnRButtonDown(HWND window, WPARAM keys, LONG x, LONG y);
    virtual void OnMouseMove(HWND window, WPARAM keys, LONG x, LONG y);
    void OnLButtonUp(HWND, WPARAM, LONG, LONG) {}
    // A stuck sticker has been drawn at its home (the page window's own message).
    virtual void OnStickerStuck() {}
    // The page window's timer `id` is due.
    virtual void OnTimer(HWND /*window*/, UINT_PTR /*id*/) {}
    CAnimDoc* GetDocument() const { return m_document; }

    COffScreenBufferView* GetOffScreenBuffer() override { return this; }
    // A new off-screen image for a new page background, all of it to be composed.
    // False, with a log line, when the image cannot be made.
    bool NewBackground(HWND window, const CDIB& background) override;

    // Takes `sprite` out of the document's list and destroys it, when it is there.
    void RemoveSprite(CSprite* sprite);
    // Removes every sprite of the page, topmost first, the page corners too.
    void RemoveAllSprites();
    // The carried sticker vanishes from the page and is destroyed; the view stays in
    // the carrying state until StopCarrying.
    void DiscardCapturedSprite();
    // The carried sticker leaves the page's sprites and is handed over; null when none.
    std::unique_ptr<CSprite> TakeCapturedSprite();

    // The whole page again, when the document has a page, into `window`.
    void Paint(HWND window);

    // Carrying on the page window: the mouse is captured, the pointer hidden and the
    // sticker centred on (x, y). EndDrag lets the mouse go and brings the arrow back.
    void BeginDrag(HWND window, LONG x, LONG y, CSprite* sprite);
    void EndDrag(HWND window);
    // Ends a carry as a right click does: the sticker leaves the page, not used, and
    // OnCarryAbandoned decides what becomes of it. Every way a carry is put back ends
    // here. False when nothing was carried.
    bool AbandonCarry(HWND window);

    // Carrying a sticker: it is centred on the pointer at (x, y) and then keeps its
    // place under the pointer as the pointer moves.
    void StartCarrying(CSprite* sprite, LONG x, LONG y);
    void MoveCarriedSprite(LONG x, LONG y);
    void StopCarrying();
    // The document has destroyed its sprites: the carried one is gone with them.
    void ForgetCapturedSprite() override { m_capturedSprite = nullptr; }

    bool IsDragging() const { return m_dragging != 0; }
    CSprite* GetCapturedSprite() const override { return m_capturedSprite; }
    LONG GetGrabOffsetX() const { return m_grabOffsetX; }
    LONG GetGrabOffsetY() const { return m_grabOffsetY; }

    // The pointer over the page and the main window.
    CCursorSet& Cursors() { return m_cursors; }

protected:
    // A carry that ended without a stick, over the page window `window`: the sticker's
    // button is to be let go. `sticker` (null when the page dropped it) is no longer on
    // the page; left alone, it is destroyed.
    virtual void OnCarryAbandoned(HWND window, std::unique_ptr<CSprite> sticker);

private:
    // The part of the page `clip` asks for: with a background, where the two meet.
    bool AreaToCompose(const RECT* clip, RECT& area) const;

    CCursorSet m_cursors;
    CAnimDoc* m_document = nullptr;
    const PageOverlay* m_overlay = nullptr;
    int32_t m_dragging = 0;
    CSprite* m_capturedSprite = nullptr;
    LONG m_grabOffsetX = 0;
    LONG m_grabOffsetY = 0;
};
