#pragma once
// The four page corners the document lays over every page: frames of one picture,
// placed at the corners of the page above every sticker.

#include <array>
#include <cstdint>

#include "catalogue/DataFiles.h"

struct PageCornerRecord {
    // The frame grid of the picture, and the frame to show.
    int32_t rows;
    int32_t columns;
    int32_t row;
    int32_t column;
    int32_t x;
    int32_t y;
    // Below the stickers' priorities, so that the corners lie on top of every sticker
    // and are never saved with them.
    int32_t priority;
    // A data file name relative to the base directory.
    const char* path;
};

using PageCornerTable = std::array<PageCornerRecord, 4>;

inline constexpr PageCornerTable kPageCorners = {{
    {1, 4, 0, 0, 0, 0, 1, kPageCornersFile},
    {1, 4, 0, 1, 836, 0, 2, kPageCornersFile},
    {1, 4, 0, 2, 0, 580, 3, kPageCornersFile},
    {1, 4, 0, 3, 836, 580, 4, kPageCornersFile},
}};
