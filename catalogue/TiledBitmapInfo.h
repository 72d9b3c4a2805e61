#pragma once
// Describes a picture drawn in parts: which data file holds it and where each of its
// tiles (button faces, labels, bars) lies inside it.

#include <cstdint>

// A tile inside a picture: its top-left corner and its size, in pixels.
struct TileRect {
    int32_t x;
    int32_t y;
    int32_t width;
    int32_t height;

    friend constexpr bool operator==(const TileRect&, const TileRect&) = default;
};

struct TiledBitmapInfo {
    // Number of entries in `tiles`.
    int32_t tileCount;
    // The tiles by tile number from 0; points into a constant tile table.
    const TileRect* tiles;
    // Relative name of the picture data file; points into a constant name table.
    const char* fileName;
};
