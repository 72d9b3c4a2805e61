#pragma once
// Small album pictures for the screen and button tests, written under data003 of the
// current base directory: each tile is one colour, so that a pixel on screen tells
// which tile was drawn there.

#include <cstdint>
#include <string>

#include "catalogue/TiledBitmapInfo.h"
#include "platform/WinTypes.h"

// The colour of tile `tile` of the picture numbered `picture`.
COLORREF TileColour(int32_t picture, int32_t tile);
// Writes the descriptor's file (a relative name), as large as its tiles reach, each
// tile filled with TileColour(picture, tile).
void WriteTiledPicture(const TiledBitmapInfo& info, int32_t picture);
// The screen pixel at (x, y), as a colour value.
COLORREF ScreenColour(LONG x, LONG y);
