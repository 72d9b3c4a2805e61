#pragma once
// One picture placed on the page: a stuck sticker, the sticker being carried or a page
// corner. It knows its position, stacking priority (lower is nearer the viewer), colour
// key, visibility and mirroring, draws itself clipped into the off-screen image, and tells
// its observer (the sprite list) whenever its area changes.

#include <cstdint>
#include <memory>

#include "gfx/DIB.h"
#include "gfx/OpaqueRuns.h"
#include "scene/SpriteObserver.h"

class CSprite : public CDIB {
public:
    static constexpr COLORREF kTransparentColour = 0xFF00FF;
    // The key of a sprite that was never loaded: matches no pixel.
    static constexpr COLORREF kUnloadedKey = 0xFFFF00FF;
    static constexpr int32_t kStickerPriority = 10;

    CSprite(int32_t serial, int32_t spriteIndex, const POINT* position);
    CSprite();
    ~CSprite() override;
    // A sprite showing the picture file at `path` (a program path), made without first
    // making a picture to replace; null when the picture cannot be read.
    static std::unique_ptr<CSprite> FromPicture(const char* path, int32_t serial,
                                                int32_t spriteIndex, const POINT& position);

    void GetRect(RECT& out) const override;
    virtual LONG GetX() const;
    virtual LONG GetY() const;
    virtual int32_t GetPriority() const;
    // Changes the priority without telling the observer: the list renumbers this way.
    virtual void SetPriority(int32_t priority);
    virtual void Draw(CDIB* dest, const RECT* clip) const;
    virtual bool Read(CFileBase& file);
    virtual bool Load(const char* path);
    // Magenta becomes transparent; the picture's opaque runs are found for it here, once.
    virtual void ResetColourKey();
    virtual void MoveTo(LONG x, LONG y);
    virtual void ChangePriority(int32_t priority);
    // Whether the page point (x, y) lies on an opaque pixel strictly inside the sprite's
    // left and top edges.
    virtual bool HitTest(LONG x, LONG y) const;
    virtual void SetObserver(CSpriteObserver* observer);
    virtual void Invalidate(const RECT& area);
    virtual int32_t GetSerial() const;
    virtual int32_t GetSpriteIndex() const;
    virtual bool IsVisible() const;
    virtual void Hide();
    virtual void SetFlip(bool flipped);
    virtual bool IsFlipped() const;

    COLORREF GetColourKey() const { return m_colourKey; }
    const OpaqueRuns& GetOpaqueRuns() const { return m_opaqueRuns; }

protected:
    void Notify(int32_t flags, const RECT& first, const RECT* second = nullptr);
    // Whether (x, y) lies strictly inside the left and top edges of a width x height area
    // at the sprite's position, and inside its right and bottom edges.
    bool IsInside(LONG x, LONG y, LONG width, LONG height) const;
    bool IsOpaque(COLORREF colour) const { return colour != m_colourKey; }
    // The rectangle of a width x height area at the sprite's position. A position read
    // from a damaged save file may lie near the limits of a long, so the far edges stop
    // there rather than wrap around.
    RECT AreaAtPosition(LONG width, LONG height) const;

private:
    struct NoPicture {};
    CSprite(NoPicture, int32_t serial, int32_t spriteIndex, const POINT* position);

    LONG m_x = 0;
    LONG m_y = 0;
    int32_t m_priority = kStickerPriority;
    COLORREF m_colourKey;
    CSpriteObserver* m_observer = nullptr;
    int32_t m_serial;
    int32_t m_spriteIndex;
    int32_t m_visible = 1;
    int32_t m_flipped = 0;
    OpaqueRuns m_opaqueRuns;
};
