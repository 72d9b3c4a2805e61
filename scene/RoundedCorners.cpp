#include "scene/RoundedCorners.h"

#include "gfx/DIB.h"

namespace {

constexpr uint8_t kOuterRuns[] = {7, 4, 3, 2, 1, 1, 1};
constexpr uint8_t kInnerRuns[] = {6, 4, 3, 2, 1, 1};

// Paints `length` pixels of row y from column x, stepping by `step` (+1 or -1).
void PaintRun(CDIB& picture, LONG x, LONG y, LONG step, LONG length, COLORREF colour) {
    for (LONG i = 0; i < length; ++i, x += step) {
        uint8_t* pixel = picture.PixelAddress(x, y);
        if (pixel == nullptr) return;
        pixel[0] = static_cast<uint8_t>(colour >> 16);
        pixel[1] = static_cast<uint8_t>(colour >> 8);
        pixel[2] = static_cast<uint8_t>(colour);
    }
}

}  // namespace

const RoundedCorners RoundedCorners::kOuter{kOuterRuns};
const RoundedCorners RoundedCorners::kInner{kInnerRuns};

void RoundedCorners::Paint(CDIB& picture, COLORREF colour) const {
    const LONG right = picture.GetWidth() - 1;
    const LONG bottom = picture.GetHeight() - 1;
    for (size_t i = 0; i < m_runs.size(); ++i) {
        const auto row = static_cast<LONG>(i);
        const LONG run = m_runs[i];
        PaintRun(picture, 0, row, 1, run, colour);
        PaintRun(picture, 0, bottom - row, 1, run, colour);
        PaintRun(picture, right, row, -1, run, colour);
        PaintRun(picture, right, bottom - row, -1, run, colour);
    }
}
