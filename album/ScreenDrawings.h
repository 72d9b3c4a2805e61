#pragma once
// The screens drawn from tiled pictures: the title screen, the frame of the playing
// screen, the page indicator and the stickers-left counter.

#include <cstdint>

#include "catalogue/PageGeometry.h"
#include "gfx/TiledBitmap.h"

// The title background's tile is laid down at every step of this many pixels.
constexpr LONG kTitleBackgroundStep = 8;

// Composes the title screen in a memory bitmap and copies it to `dc` in one blit: tile 0
// of the background at every 8-pixel step, rows from the top, then the title at
// (282, 150).
void DrawTitleScreen(HDC dc, const TiledBitmap& background, const TiledBitmap& title);
// The same screen laid down literally, one background tile per step. It gives the same
// pixels as DrawTitleScreen; the fast path is measured and checked against it.
void DrawTitleScreenTileByTile(HDC dc, const TiledBitmap& background, const TiledBitmap& title);

// The page-label tile of `labelTile` at (414, 705).
void DrawPageIndicator(HDC dc, const TiledBitmap& labels, int32_t labelTile);
// The caption and, where the caption does not carry it, the number `stickersLeft`.
void DrawStickerCounter(HDC dc, const TiledBitmap& numbers, const TiledBitmap& captions,
                        int32_t stickersLeft);
