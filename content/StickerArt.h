#pragma once
// A sticker as the album shows it: its design inside a white die-cut edge, the way a
// real sticker is cut from its sheet, on a see-through background. Also the faint
// ghost of a sticker that marks its home on a page.

#include <cstdint>

#include "content/Canvas.h"

class StickerArt {
public:
    static Canvas Render(int32_t stickerIndex, int32_t size);
    // The width of the white die-cut edge round the design of a sticker `size` pixels wide.
    static double Edge(int32_t size);
    // The sticker's shape, widened by `radius` pixels on every side; the result is
    // 2 × radius larger than the picture, its picture offset by (radius, radius).
    static Canvas Widened(const Canvas& picture, int32_t radius);
    // A faint, light silhouette with a soft dark rim and a trace of the picture, at
    // the sticker's home (x, y) on a page: enough to show a child where it goes.
    static void PaintHome(Canvas& page, const Canvas& picture, double x, double y);
};
