#pragma once
// A corner shape for the printed page: run lengths, row by row from the picture's edge
// inwards, painted at all four corners of a picture.

#include <cstdint>
#include <span>

#include "platform/kernel/WinTypes.h"

class CDIB;

class RoundedCorners {
public:
    // Rounds the page picture itself.
    static const RoundedCorners kOuter;
    // Rounds the frame around it.
    static const RoundedCorners kInner;

    explicit constexpr RoundedCorners(std::span<const uint8_t> runs) : m_runs(runs) {}

    // Paints the runs in `colour` (red | green << 8 | blue << 16); runs longer than the
    // picture stop at its edge.
    void Paint(CDIB& picture, COLORREF colour) const;

private:
    std::span<const uint8_t> m_runs;
};
