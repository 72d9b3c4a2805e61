#include "album/ScreenDrawings.h"

#include <algorithm>
#include <functional>

#include "album/MemoryDrawing.h"
#include "catalogue/StickerNumbering.h"
#include "diag/Assert.h"
#include "platform/gdi/Gdi.h"

namespace {

constexpr const char* kAssertModule = "TiledBitmap";
constexpr POINT kTitlePoint{282, 150};
constexpr POINT kPageIndicatorPoint{kPageIndicatorLeft, kPageIndicatorTop};
constexpr POINT kCounterCaptionPoint{417, 52};
// The rows copied at once when the title screen is copied down or out.
constexpr LONG kBandHeight = 32;

// A 1024 x 768 memory bitmap compatible with `dc`, handed to `draw` and then copied to
// `dc` at (0, 0).
class ScreenComposition {
public:
    explicit ScreenComposition(HDC dc)
        : m_drawing(dc, CreateCompatibleBitmap(dc, kScreenWidth, kScreenHeight)) {}

    HDC Memory() const { return m_drawing.Memory(); }
    // The finished screen goes to `dc` in bands of rows: a blit buffers the block it
    // copies, and small buffers are reused instead of being mapped afresh every time.
    void CopyTo(HDC dc) const {
        for (LONG y = 0; y < kScreenHeight; y += kBandHeight) {
            BitBlt(dc, 0, y, kScreenWidth, std::min(kBandHeight, kScreenHeight - y), Memory(), 0, y,
                   SRCCOPY);
        }
    }

private:
    MemoryDrawing m_drawing;
};

void ComposeTitleScreen(HDC dc, const TiledBitmap& title,
                        const std::function<void(HDC)>& layBackground) {
    ScreenComposition composition(dc);
    layBackground(composition.Memory());
    title.DrawTile(composition.Memory(), 0, kTitlePoint);
    composition.CopyTo(dc);
}

void LayTileByTile(HDC memory, const TiledBitmap& background) {
    for (LONG y = 0; y < kScreenHeight; y += kTitleBackgroundStep) {
        for (LONG x = 0; x < kScreenWidth; x += kTitleBackgroundStep) {
            background.DrawTile(memory, 0, POINT{x, y});
        }
    }
}

// Each pixel of the tiled background comes from the last tile laid over it: the one at
// the 8-pixel step at or before it, both ways. So when the part of the tile that the
// picture holds is at least 8 by 8, the whole background is the tile's top-left 8 x 8
// block repeated, which is laid once and then doubled across and down.
bool LayRepeatedBlock(HDC memory, const TiledBitmap& background) {
    const TileRect* tile = background.FindTile(0);
    if (tile == nullptr || tile->x < 0 || tile->y < 0) return false;
    const LONG heldWidth = std::min(tile->width, background.GetWidth() - tile->x);
    const LONG heldHeight = std::min(tile->height, background.GetHeight() - tile->y);
    if (heldWidth < kTitleBackgroundStep || heldHeight < kTitleBackgroundStep) return false;

    const RECT block{tile->x, tile->y, kTitleBackgroundStep, kTitleBackgroundStep};
    // A background without an image draws nothing either way, and says so once.
    if (!background.Draw(memory, POINT{0, 0}, &block)) return true;
    for (LONG width = kTitleBackgroundStep; width < kScreenWidth; width *= 2) {
        BitBlt(memory, width, 0, std::min(width, kScreenWidth - width), kTitleBackgroundStep,
               memory, 0, 0, SRCCOPY);
    }
    // Down the screen in bands of a few rows, so that no copy needs a large buffer.
    LONG band = kTitleBackgroundStep;
    for (; band < kBandHeight; band *= 2) {
        BitBlt(memory, 0, band, kScreenWidth, band, memory, 0, 0, SRCCOPY);
    }
    for (LONG y = band; y < kScreenHeight; y += band) {
        BitBlt(memory, 0, y, kScreenWidth, std::min(band, kScreenHeight - y), memory, 0, 0,
               SRCCOPY);
    }
    return true;
}

struct CounterFace {
    int32_t captionTile;
    // Where the number tile goes; x 0 when the caption carries the number itself.
    LONG numberX;
};

CounterFace CounterFaceFor(int32_t stickersLeft) {
    if (stickersLeft == NUMBEROFSTICKERGRAPHICS) return {0, 0};
    if (stickersLeft >= 100) return {0, 440};
    if (stickersLeft == 99) return {1, 0};
    if (stickersLeft >= 10) return {1, 436};
    if (stickersLeft == 9) return {2, 0};
    if (stickersLeft >= 2) return {2, 433};
    if (stickersLeft == 1) return {3, 0};
    return {4, 0};
}

}  // namespace

void DrawTitleScreen(HDC dc, const TiledBitmap& background, const TiledBitmap& title) {
    ComposeTitleScreen(dc, title, [&background](HDC memory) {
        if (!LayRepeatedBlock(memory, background)) LayTileByTile(memory, background);
    });
}

void DrawTitleScreenTileByTile(HDC dc, const TiledBitmap& background, const TiledBitmap& title) {
    ComposeTitleScreen(dc, title, [&background](HDC memory) { LayTileByTile(memory, background); });
}

void DrawPageIndicator(HDC dc, const TiledBitmap& labels, int32_t labelTile) {
    labels.DrawTile(dc, labelTile, kPageIndicatorPoint);
}

void DrawStickerCounter(HDC dc, const TiledBitmap& numbers, const TiledBitmap& captions,
                        int32_t stickersLeft) {
    if (stickersLeft < 0 || stickersLeft > NUMBEROFSTICKERGRAPHICS) {
        DoAssert("stickersLeft >= 0 && stickersLeft <= NUMBEROFSTICKERGRAPHICS", kAssertModule,
                 __LINE__);
        // A count outside the book is not drawn at all.
        return;
    }
    const CounterFace face = CounterFaceFor(stickersLeft);
    captions.DrawTile(dc, face.captionTile, kCounterCaptionPoint);
    if (face.numberX != 0)
        numbers.DrawTile(dc, stickersLeft, POINT{face.numberX, kCounterCaptionPoint.y});
}
