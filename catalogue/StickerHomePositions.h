#pragma once
// Where each sticker belongs: a page of the book, by its page number, and the
// sticker's top-left corner on that page in page window coordinates. A sticker snaps
// onto its home when it is dropped close to it on that page.

#include <array>
#include <cstdint>

#include "catalogue/StickerNumbering.h"

struct StickerHome {
    int32_t pageNumber;
    int32_t x;
    int32_t y;
};

// Home page numbers run from 1 to 25, one for each label of the page-label strip.
constexpr int32_t kFirstHomePageNumber = 1;
constexpr int32_t kLastHomePageNumber = 25;

// By sticker index.
extern const std::array<StickerHome, NUMBEROFSTICKERGRAPHICS> StickerHomePositions;
