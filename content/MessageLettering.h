#pragma once
// The lettering of the album's message boxes, drawn once at build time so that every
// machine shows the same letters without a font library: each printable character in
// a cell of a 16 x 6 grid, white on black, its pen starting kLeftMargin pixels into the
// cell (so that a letter reaching back, like j's hook, stays in its own cell), with a
// ruler in the cell's bottom row (red from the pen for as many pixels as the character
// advances). Two sizes: "MessageLetters" for the
// text and "MessageTitleLetters" for the caption.

#include <cstdint>

#include "content/Canvas.h"
#include "content/ContentOutput.h"

class MessageLettering {
public:
    static constexpr int32_t kColumns = 16;
    static constexpr int32_t kRows = 6;
    static constexpr char kFirstCharacter = ' ';
    static constexpr int32_t kLeftMargin = 4;

    // The grid of every character at `size` pixels.
    static Canvas Draw(double size);
    static void Generate(ContentOutput& output);
};
