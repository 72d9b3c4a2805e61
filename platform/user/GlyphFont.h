#pragma once
// Lettering drawn from a grid of pre-drawn characters (a picture resource made at
// build time): every printable ASCII character in a cell of a 16 x 6 grid, white on
// black, its pen a few pixels in from the cell's left edge, and the cell's bottom row
// a ruler, red from the pen for as many pixels as the character advances. Any other byte is drawn
// as '?'. The window system draws the words of its message boxes with it, the same on every
// machine.

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/gdi/Surface.h"
#include "platform/kernel/WinTypes.h"

class GlyphFont {
public:
    // Nothing when the resource is missing or is not such a grid.
    static std::optional<GlyphFont> Load(std::string_view resourceName);
    explicit GlyphFont(Surface grid);

    LONG LineHeight() const { return m_cellHeight - 1; }
    LONG Advance(char character) const;
    LONG Width(std::string_view text) const;
    // The lines `text` makes in `width` pixels: broken at line feeds and between
    // words, and inside a word (a long file name) only when it alone is wider.
    std::vector<std::string> Wrap(std::string_view text, LONG width) const;
    // Draws `text` in `colour` with its top left corner at `at`, only inside `clip`
    // (surface coordinates), blending the letters' soft edges into what is there.
    void Draw(Surface& surface, POINT at, const RECT& clip, std::string_view text,
              uint32_t colour) const;

private:
    static constexpr int kColumns = 16;
    static constexpr int kRows = 6;
    static constexpr char kFirst = ' ';

    // The grid index of a character, '?' for those the grid lacks.
    static int IndexOf(char character);
    void DrawCharacter(Surface& surface, POINT at, const RECT& clip, int index,
                       uint32_t colour) const;
    void WrapParagraph(std::string_view paragraph, LONG width,
                       std::vector<std::string>& lines) const;

    Surface m_grid;
    LONG m_cellWidth;
    LONG m_cellHeight;
    std::vector<LONG> m_advances;
    // Where each cell's pen starts: the first red pixel of its ruler.
    std::vector<LONG> m_pens;
};
