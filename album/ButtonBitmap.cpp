#include "album/ButtonBitmap.h"

#include <algorithm>
#include <cmath>

#include "album/MemoryDrawing.h"
#include "platform/gdi/Gdi.h"

namespace {

constexpr int32_t kTwoFaces = 2;
constexpr int32_t kStickerFaces = 5;

// The ring, from the face's edge inwards: a dark line, the sunny band, a dark line.
constexpr LONG kRingOutline = 1;
constexpr LONG kRingBand = 4;
constexpr LONG kRingWidth = kRingOutline + kRingBand + kRingOutline;
constexpr double kRingCornerRadius = 9.0;
constexpr COLORREF kRingDark = 0x6E2A3A;  // deep indigo, as red | green << 8 | blue << 16
constexpr COLORREF kRingSunny = 0x1FD2FF;

// How many whole pixels (x, y) lies inside the face's outline with rounded corners;
// negative outside a corner's curve.
LONG DepthInside(LONG x, LONG y, LONG width, LONG height) {
    const LONG fromSide = std::min(x, width - 1 - x);
    const LONG fromTop = std::min(y, height - 1 - y);
    if (fromSide >= kRingCornerRadius || fromTop >= kRingCornerRadius)
        return std::min(fromSide, fromTop);
    // In a corner: the distance to the corner's circle, from the pixel's centre.
    const double across = kRingCornerRadius - fromSide - 0.5;
    const double down = kRingCornerRadius - fromTop - 0.5;
    return static_cast<LONG>(std::floor(kRingCornerRadius - std::hypot(across, down)));
}

// A 32-bit picture of a face's size, top-down, whose pixels the ring is written into.
HBITMAP FaceBitmap(HDC dc, LONG width, LONG height, void** bits) {
    BITMAPINFO info{};
    info.bmiHeader = {sizeof(BITMAPINFOHEADER), width, -height, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
    return CreateDIBSection(dc, &info, DIB_RGB_COLORS, bits, nullptr, 0);
}

uint32_t PixelOf(COLORREF colour) {
    return ((colour & 0xFF) << 16) | (colour & 0xFF00) | ((colour >> 16) & 0xFF);
}

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

void ButtonBitmap::SetState(HDC dc, int32_t requested, const POINT* offset, Ring ring) {
    m_state = NextState(m_state, requested);
    SelectTile();
    const POINT at = offset != nullptr ? *offset : POINT{0, 0};
    if (ring == Ring::Around) {
        DrawRingedTile(dc, at);
    } else {
        DrawTile(dc, m_tile, at);
    }
}

std::optional<COLORREF> ButtonBitmap::RingColour(LONG x, LONG y, LONG width, LONG height) {
    const LONG depth = DepthInside(x, y, width, height);
    if (depth < 0 || depth >= kRingWidth) return std::nullopt;
    const bool band = depth >= kRingOutline && depth < kRingOutline + kRingBand;
    return band ? kRingSunny : kRingDark;
}

void ButtonBitmap::DrawRingedTile(HDC dc, POINT at) const {
    const TileRect* tile = FindTile(m_tile);
    if (tile == nullptr) return;
    void* bits = nullptr;
    const MemoryDrawing face(dc, FaceBitmap(dc, tile->width, tile->height, &bits));
    if (bits == nullptr || !DrawTile(face.Memory(), m_tile, POINT{0, 0})) return;
    // The picture's pixels are 0x00RRGGBB, row after row from the top.
    auto* pixel = static_cast<uint32_t*>(bits);
    for (LONG y = 0; y < tile->height; ++y) {
        for (LONG x = 0; x < tile->width; ++x, ++pixel) {
            if (const std::optional<COLORREF> ring = RingColour(x, y, tile->width, tile->height))
                *pixel = PixelOf(*ring);
        }
    }
    BitBlt(dc, at.x, at.y, tile->width, tile->height, face.Memory(), 0, 0, SRCCOPY);
}
