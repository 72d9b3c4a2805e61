#include "album/ButtonBitmap.h"

namespace {

constexpr int32_t kTwoFaces = 2;
constexpr int32_t kStickerFaces = 5;

}  // namespace

int32_t ButtonBitmap::NextState(int32_t current, int32_t requested) {
    if (requested == kButtonStateReset) return kButtonStateNormal;
    if (requested == kButtonStateUsed) return kButtonStateUsed;
    // A picked sticker keeps its face until it is stuck or released.
    if (current == kButtonStatePicked) return kButtonStatePicked;
    return requested;
}

void ButtonBitmap::SelectTile() {
    // A face changes only for a state the picture has a face for.
    switch (GetTileCount()) {
        case kTwoFaces:
            if (m_state == kButtonStateNormal) m_tile = 0;
            if (m_state == kButtonStatePressed) m_tile = 1;
            break;
        case kStickerFaces:
            if (m_state >= kButtonStateNormal && m_state <= kButtonStateUsed) m_tile = m_state;
            break;
        default:
            break;
    }
}

void ButtonBitmap::SetState(HDC dc, int32_t requested, const POINT* offset) {
    m_state = NextState(m_state, requested);
    SelectTile();
    DrawTile(dc, m_tile, offset != nullptr ? *offset : POINT{0, 0});
}
