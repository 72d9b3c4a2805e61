#include "platform/user/GlyphFont.h"

#include <algorithm>

#include "platform/user/ResourcePicture.h"

namespace {

// A ruler pixel is the pure red the generator paints; glyph pixels are grey.
bool IsRuler(uint32_t rgb) {
    return rgb == 0xFF0000;
}

uint32_t Blend(uint32_t below, uint32_t colour, uint32_t coverage) {
    uint32_t result = 0;
    for (const int shift : {0, 8, 16}) {
        const uint32_t under = (below >> shift) & 0xFF;
        const uint32_t over = (colour >> shift) & 0xFF;
        result |= ((over * coverage + under * (255 - coverage) + 127) / 255) << shift;
    }
    return result;
}

}  // namespace

std::optional<GlyphFont> GlyphFont::Load(std::string_view resourceName) {
    std::optional<Surface> grid = ResourcePicture::Load(resourceName);
    if (!grid || grid->Width() < kColumns * 2 || grid->Height() < kRows * 2 ||
        grid->Width() % kColumns != 0 || grid->Height() % kRows != 0)
        return std::nullopt;
    return GlyphFont(std::move(*grid));
}

GlyphFont::GlyphFont(Surface grid)
    : m_grid(std::move(grid)),
      m_cellWidth(m_grid.Width() / kColumns),
      m_cellHeight(m_grid.Height() / kRows) {
    for (int index = 0; index < kColumns * kRows; ++index) {
        const LONG left = (index % kColumns) * m_cellWidth;
        const uint32_t* ruler = m_grid.Row((index / kColumns + 1) * m_cellHeight - 1) + left;
        const uint32_t* pen = std::find_if(ruler, ruler + m_cellWidth, IsRuler);
        m_pens.push_back(pen == ruler + m_cellWidth ? 0 : static_cast<LONG>(pen - ruler));
        m_advances.push_back(static_cast<LONG>(std::count_if(ruler, ruler + m_cellWidth, IsRuler)));
    }
}

int GlyphFont::IndexOf(char character) {
    const int index = static_cast<unsigned char>(character) - static_cast<unsigned char>(kFirst);
    return index >= 0 && index < kColumns * kRows - 1 ? index : '?' - kFirst;
}

LONG GlyphFont::Advance(char character) const {
    return m_advances[static_cast<size_t>(IndexOf(character))];
}

LONG GlyphFont::Width(std::string_view text) const {
    LONG width = 0;
    for (const char character : text) width += Advance(character);
    return width;
}

std::vector<std::string> GlyphFont::Wrap(std::string_view text, LONG width) const {
    std::vector<std::string> lines;
    for (;;) {
        const size_t end = text.find('\n');
        WrapParagraph(text.substr(0, end), width, lines);
        if (end == std::string_view::npos) break;
        text.remove_prefix(end + 1);
    }
    return lines;
}

void GlyphFont::WrapParagraph(std::string_view paragraph, LONG width,
                              std::vector<std::string>& lines) const {
    std::string line;
    auto flush = [&] {
        lines.push_back(line);
        line.clear();
    };
    size_t start = 0;
    while (start <= paragraph.size()) {
        const size_t end = std::min(paragraph.find(' ', start), paragraph.size());
        std::string_view word = paragraph.substr(start, end - start);
        start = end + 1;
        const std::string joined =
            line.empty() ? std::string(word) : line + " " + std::string(word);
        if (Width(joined) <= width) {
            line = joined;
            continue;
        }
        if (!line.empty()) flush();
        // A word wider than the line on its own is cut where it must be.
        while (Width(word) > width) {
            size_t fits = 0;
            LONG used = 0;
            while (fits < word.size() && used + Advance(word[fits]) <= width)
                used += Advance(word[fits++]);
            fits = std::max<size_t>(fits, 1);
            lines.emplace_back(word.substr(0, fits));
            word.remove_prefix(fits);
        }
        line = std::string(word);
    }
    flush();
}

void GlyphFont::Draw(Surface& surface, POINT at, const RECT& clip, std::string_view text,
                     uint32_t colour) const {
    for (const char character : text) {
        DrawCharacter(surface, at, clip, IndexOf(character), colour);
        at.x += Advance(character);
    }
}

void GlyphFont::DrawCharacter(Surface& surface, POINT at, const RECT& clip, int index,
                              uint32_t colour) const {
    const LONG cellLeft = (index % kColumns) * m_cellWidth;
    at.x -= m_pens[static_cast<size_t>(index)];
    const LONG cellTop = (index / kColumns) * m_cellHeight;
    const LONG top = std::max({at.y, clip.top, LONG{0}});
    const LONG bottom = std::min({at.y + LineHeight(), clip.bottom, surface.Height()});
    const LONG left = std::max({at.x, clip.left, LONG{0}});
    const LONG right = std::min({at.x + m_cellWidth, clip.right, surface.Width()});
    for (LONG y = top; y < bottom; ++y) {
        const uint32_t* glyph = m_grid.Row(cellTop + y - at.y) + cellLeft - at.x;
        uint32_t* row = surface.Row(y);
        for (LONG x = left; x < right; ++x) {
            const uint32_t coverage = (glyph[x] >> 8) & 0xFF;
            if (coverage != 0) row[x] = Blend(row[x], colour, coverage);
        }
    }
}
