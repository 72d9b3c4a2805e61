#pragma once
// The stickers-left counter of the playing screen: its caption and number pictures, drawn
// with the count of the used-sticker record. The frame draws it, and so does every stick
// and Clear All, which change the count.

#include "gfx/TiledBitmap.h"

class StickersUsed;

class StickerCounter {
public:
    explicit StickerCounter(const StickersUsed& stickersUsed);

    void Load(HWND window);
    void Draw(HDC dc) const;

private:
    const StickersUsed& m_stickersUsed;
    TiledBitmap m_digits;
    TiledBitmap m_captions;
};
