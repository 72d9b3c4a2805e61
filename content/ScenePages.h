#pragma once
// The pages of the book: each page's scene from its theme, with a faint ghost of every
// sticker that lives there at its home. Also the four page corners that round the
// page off inside its dark rim.

#include <cstdint>

#include "content/ContentOutput.h"

class ScenePages {
public:
    static void Generate(ContentOutput& output);
    // Each page's scene alone, under the name of its background file.
    static void GenerateScenes(ContentOutput& output);
    // The page with this home page number as its theme draws it, without outlines.
    static Canvas Scene(int32_t pageNumber);
    // The page's background: its scene with the outline of each of its stickers.
    static Canvas WithOutlines(int32_t pageNumber);
    // Lays the four frames of the corner picture on a page drawn at (pageX, pageY),
    // where the document places its corner sprites.
    static void PaintCorners(Canvas& target, const Canvas& corners, double pageX, double pageY);
};
