#pragma once
// What each of the 224 stickers shows. Every page of the book has a theme, and each
// sticker shows something of the theme of the page it lives on, so that a child can
// tell from a sticker where it goes. The themes live in content/themes/, one file a
// page; this is their table by page number.

#include <cstdint>

#include "content/Canvas.h"
#include "content/themes/Themes.h"

class StickerDesigns {
public:
    // A design draws in a kBox × kBox square at the canvas's current transform.
    static constexpr double kBox = DesignKit::kBox;

    static void Draw(Canvas& canvas, int32_t stickerIndex);
    // What the sticker shows, in a few words: "fire engine".
    static const char* Name(int32_t stickerIndex);
    // The theme of the page with this home page number.
    static const PageTheme& ThemeOfPage(int32_t pageNumber);
    static const PageTheme& ThemeOfSticker(int32_t stickerIndex);
    // The colour of sheet 1 to 8, for its sheet button.
    static Colour SheetColour(int32_t sheet);
};
