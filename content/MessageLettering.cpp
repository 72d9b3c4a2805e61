#include "content/MessageLettering.h"

#include <cairo.h>

#include <algorithm>
#include <cmath>
#include <string>
#include <vector>

#include "content/DialogButtons.h"
#include "content/Palette.h"
#include "content/PictureEncoder.h"

namespace {

constexpr double kTextSize = 21.0;
constexpr double kTitleSize = 30.0;

void SelectLettering(cairo_t* context, double size) {
    cairo_select_font_face(context, "DejaVu Sans", CAIRO_FONT_SLANT_NORMAL, CAIRO_FONT_WEIGHT_BOLD);
    cairo_set_font_size(context, size);
}

// For review: both grids as the program reads them, and the Cancel button that only
// the message boxes use, up and down.
Canvas Preview(const Canvas& text, const Canvas& title) {
    constexpr double kGap = 20;
    const DialogButtons::Look& cancel = DialogButtons::Find("Cancel");
    Canvas sheet(static_cast<int32_t>(std::max(text.Width(), title.Width()) + 2 * kGap),
                 static_cast<int32_t>(text.Height() + title.Height() + cancel.height + 4 * kGap));
    sheet.Fill(Palette::kCream);
    sheet.Paint(title, kGap, kGap);
    sheet.Paint(text, kGap, 2 * kGap + title.Height());
    const double buttonsTop = 3 * kGap + title.Height() + text.Height();
    sheet.Paint(DialogButtons::Draw(cancel, false), kGap, buttonsTop);
    sheet.Paint(DialogButtons::Draw(cancel, true), 2 * kGap + cancel.width, buttonsTop);
    return sheet;
}

}  // namespace

Canvas MessageLettering::Draw(double size) {
    // The cells are sized from the font itself: the widest advance across, and the
    // full height from the tallest ascent to the deepest descent, plus the ruler row.
    Canvas measure(1, 1);
    SelectLettering(measure.Context(), size);
    cairo_font_extents_t font{};
    cairo_font_extents(measure.Context(), &font);
    const auto cellWidth =
        static_cast<int32_t>(std::ceil(font.max_x_advance)) + 2 * MessageLettering::kLeftMargin;
    const auto ascent = static_cast<int32_t>(std::ceil(font.ascent));
    const auto cellHeight = ascent + static_cast<int32_t>(std::ceil(font.descent)) + 1;

    Canvas grid(cellWidth * kColumns, cellHeight * kRows);
    grid.Fill(Colour::Hex(0x000000));
    cairo_t* context = grid.Context();
    SelectLettering(context, size);
    for (int32_t index = 0; index < kColumns * kRows; ++index) {
        const char character = static_cast<char>(kFirstCharacter + index);
        // The last cell would be DEL: it stays empty and advances nothing.
        if (character == '\x7f') continue;
        const std::string text(1, character);
        const double cellX = (index % kColumns) * cellWidth;
        const double cellY = (index / kColumns) * cellHeight;
        cairo_text_extents_t extents{};
        cairo_text_extents(context, text.c_str(), &extents);
        cairo_set_source_rgb(context, 1.0, 1.0, 1.0);
        cairo_move_to(context, cellX + kLeftMargin, cellY + ascent);
        cairo_show_text(context, text.c_str());
        const auto advance = static_cast<int32_t>(std::lround(extents.x_advance));
        cairo_rectangle(context, cellX + kLeftMargin, cellY + cellHeight - 1, advance, 1);
        cairo_set_source_rgb(context, 1.0, 0.0, 0.0);
        cairo_fill(context);
    }
    return grid;
}

void MessageLettering::Generate(ContentOutput& output) {
    std::vector<uint8_t> text = PictureEncoder::Encode(Draw(kTextSize), Transparency::Opaque);
    std::vector<uint8_t> title = PictureEncoder::Encode(Draw(kTitleSize), Transparency::Opaque);
    if (output.WantsPreviews()) {
        output.AddPreview("message-lettering",
                          Preview(PictureEncoder::Decode(text), PictureEncoder::Decode(title)));
    }
    output.AddResource({"MessageLetters", ResourceKind::Bitmap, std::move(text)});
    output.AddResource({"MessageTitleLetters", ResourceKind::Bitmap, std::move(title)});
}
