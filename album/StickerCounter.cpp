#include "album/StickerCounter.h"

#include "album/ScreenDrawings.h"
#include "album/StickersUsed.h"
#include "catalogue/TileTables.h"

StickerCounter::StickerCounter(const StickersUsed& stickersUsed) : m_stickersUsed(stickersUsed) {
    m_digits.SetTiledInfo(&kStickersLeftNumberInfo);
    m_captions.SetTiledInfo(&kStickersLeftCaptionInfo);
}

void StickerCounter::Load(HWND window) {
    m_digits.Load(window);
    m_captions.Load(window);
}

void StickerCounter::Draw(HDC dc) const {
    DrawStickerCounter(dc, m_digits, m_captions, m_stickersUsed.GetStickersLeft());
}
