#pragma once
// The runs of opaque pixels of each row of a picture, found once for a colour key, so that
// a keyed copy moves each run in one piece instead of testing every pixel. The runs
// describe the picture they were found in: a copy uses them only while that picture's
// size and pixels are still the ones they were made from.

#include <cstddef>
#include <cstdint>
#include <vector>

#include "platform/kernel/WinTypes.h"

class OpaqueRuns {
public:
    OpaqueRuns() = default;
    // Finds the runs of the pixels that differ from `key` in a picture of 24-bit pixels
    // whose rows, `stride` bytes apart, are stored bottom-up from `pixels`.
    OpaqueRuns(const uint8_t* pixels, LONG width, LONG height, size_t stride, COLORREF key);

    // Whether these runs were found in the picture at `pixels`, of this size, for `key`.
    bool Describe(const uint8_t* pixels, LONG width, LONG height, COLORREF key) const;
    // Copies the opaque pixels of columns [x, x + width) of row y (from the top) of the
    // picture's row `from` to `to`, which receives column x at its start.
    void CopyRow(uint8_t* to, const uint8_t* from, LONG y, LONG x, LONG width) const;

private:
    struct Run {
        int32_t start;
        int32_t end;
    };

    std::vector<Run> m_runs;
    std::vector<uint32_t> m_rowStarts;  // first run of each row, and one past the last
    const uint8_t* m_pixels = nullptr;
    LONG m_width = 0;
    LONG m_height = 0;
    COLORREF m_key = 0;
};
