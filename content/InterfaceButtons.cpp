#include "content/InterfaceButtons.h"

#include <cairo.h>

#include <array>
#include <string>

#include "catalogue/ButtonLayout.h"
#include "catalogue/DataFiles.h"
#include "catalogue/StickerNumbering.h"
#include "content/ButtonFaces.h"
#include "content/Palette.h"
#include "content/PictureEncoder.h"
#include "content/ScreenFrame.h"
#include "content/StickerArt.h"
#include "content/StickerDesigns.h"

namespace {

void Door(Canvas& canvas, double x, double y, double size) {
    const double s = size / 2;
    canvas.RoundedBox(x - 0.5 * s, y - 0.85 * s, 1.0 * s, 1.7 * s, 2);
    canvas.FillAndOutline(Palette::kNight, Palette::kInk, 2.5);
    // The door stands half open onto the night.
    canvas.Polygon({x - 0.5 * s, y - 0.85 * s, x + 0.15 * s, y - 0.65 * s, x + 0.15 * s,
                    y + 1.0 * s, x - 0.5 * s, y + 0.85 * s});
    canvas.FillAndOutline(Palette::kBrown, Palette::kInk, 2.5);
    canvas.Circle(x, y + 0.1 * s, 0.1 * s);
    canvas.FillPath(Palette::kSun);
}

void Printer(Canvas& canvas, double x, double y, double size) {
    const double s = size / 2;
    canvas.RoundedBox(x - 0.5 * s, y - 0.9 * s, 1.0 * s, 0.8 * s, 2);
    canvas.FillAndOutline(Palette::kWhite, Palette::kInk, 2.5);
    canvas.RoundedBox(x - 0.85 * s, y - 0.3 * s, 1.7 * s, 0.8 * s, 4);
    canvas.FillAndOutline(Colour::Hex(0xC9CCD6), Palette::kInk, 2.5);
    canvas.Circle(x + 0.6 * s, y - 0.1 * s, 0.08 * s);
    canvas.FillPath(Palette::kGreen);
    // The printed page comes out with a star on it.
    canvas.RoundedBox(x - 0.5 * s, y + 0.2 * s, 1.0 * s, 0.75 * s, 2);
    canvas.FillAndOutline(Palette::kWhite, Palette::kInk, 2.5);
    canvas.Star(x, y + 0.58 * s, 0.28 * s, 0.12 * s, 5);
    canvas.FillAndOutline(Palette::kSun, Palette::kInk, 1.5);
}

void Broom(Canvas& canvas, double x, double y, double size) {
    const double s = size / 2;
    cairo_t* context = canvas.Context();
    cairo_move_to(context, x + 0.8 * s, y - 0.9 * s);
    cairo_line_to(context, x - 0.05 * s, y + 0.2 * s);
    canvas.StrokePath(Palette::kInk, 0.26 * s);
    cairo_move_to(context, x + 0.8 * s, y - 0.9 * s);
    cairo_line_to(context, x - 0.05 * s, y + 0.2 * s);
    canvas.StrokePath(Palette::kBrown, 0.13 * s);
    canvas.Polygon({x - 0.2 * s, y + 0.05 * s, x + 0.15 * s, y + 0.3 * s, x - 0.3 * s, y + 0.95 * s,
                    x - 0.95 * s, y + 0.55 * s});
    canvas.FillAndOutline(Palette::kSun, Palette::kInk, 2);
}

void Question(Canvas& canvas, double x, double y, double size) {
    canvas.OutlinedText("?", x, y, size * 0.85, Palette::kWhite, Palette::kInk, 3);
}

void Arrow(Canvas& canvas, double x, double y, double size, double direction) {
    const double s = size / 2 * direction;
    const double h = size / 2;
    canvas.Polygon({x + 0.8 * s, y, x + 0.05 * s, y - 0.7 * h, x + 0.05 * s, y - 0.3 * h,
                    x - 0.75 * s, y - 0.3 * h, x - 0.75 * s, y + 0.3 * h, x + 0.05 * s, y + 0.3 * h,
                    x + 0.05 * s, y + 0.7 * h});
    canvas.FillAndOutline(Palette::kWhite, Palette::kInk, 3);
}

struct CommandLook {
    Colour colour;
    ButtonFaces::Icon icon;
    const char* label;
};

// In the order of CommandButtonRows and CommandButtonFiles: Quit, Print, Clear All,
// About, previous page, next page.
std::array<CommandLook, kNumberOfCommandButtons> CommandLooks() {
    return {{
        {Palette::kRed, Door, "Quit"},
        {Palette::kBlue, Printer, ""},
        {Palette::kOrange, Broom, "Clear all"},
        {Palette::kPurple, Question, ""},
        {Palette::kGreen, [](Canvas& c, double x, double y, double s) { Arrow(c, x, y, s, -1); },
         ""},
        {Palette::kGreen, [](Canvas& c, double x, double y, double s) { Arrow(c, x, y, s, 1); },
         ""},
    }};
}

Canvas BehindButton(const ButtonRow& row) {
    return ScreenFrame::Behind(row.x, row.y, row.width, row.height);
}

std::string AlbumPath(const char* catalogueName) {
    return ContentOutput::AlbumPath(catalogueName);
}

// A sticker laid on a button turned by `turn` radians about its middle at (x, y).
void PaintTurned(Canvas& canvas, const Canvas& sticker, double x, double y, double turn) {
    cairo_t* context = canvas.Context();
    cairo_save(context);
    cairo_translate(context, x, y);
    cairo_rotate(context, turn);
    canvas.Paint(sticker, -sticker.Width() / 2.0, -sticker.Height() / 2.0);
    cairo_restore(context);
}

// A sheet's tab shows what the sheet holds: its first sticker in front of its second,
// fanned out like stickers peeled from a sheet, and the sheet's number.
ButtonFaces::Icon SheetIcon(int32_t sheet) {
    return [sheet](Canvas& canvas, double x, double y, double size) {
        const auto behind = static_cast<int32_t>(size * 0.6);
        const auto front = static_cast<int32_t>(size * 0.72);
        PaintTurned(canvas, StickerArt::Render(StickerIndex(sheet, 2), behind), x + size * 0.2,
                    y - size * 0.16, 0.3);
        PaintTurned(canvas, StickerArt::Render(StickerIndex(sheet, 1), front), x - size * 0.1,
                    y + size * 0.04, -0.12);
        canvas.Circle(x + size * 0.38, y + size * 0.36, 8);
        canvas.FillAndOutline(Palette::kWhite, Palette::kInk, 2);
        canvas.Text(std::to_string(sheet), x + size * 0.38, y + size * 0.36, 11, Palette::kInk);
    };
}

}  // namespace

void InterfaceButtons::Generate(ContentOutput& output) {
    const auto looks = CommandLooks();
    for (size_t i = 0; i < looks.size(); ++i) {
        const Canvas strip = ButtonFaces::UpAndDown(BehindButton(CommandButtonRows[i]),
                                                    looks[i].colour, looks[i].icon, looks[i].label);
        output.AddAlbumFile(AlbumPath(CommandButtonFiles[i]),
                            PictureEncoder::Encode(strip, Transparency::Opaque));
    }
    for (int32_t sheet = 1; sheet <= kNumberOfSheets; ++sheet) {
        const auto at = static_cast<size_t>(sheet - 1);
        const Canvas strip =
            ButtonFaces::UpAndDown(BehindButton(SheetButtonRows[at]),
                                   StickerDesigns::SheetColour(sheet), SheetIcon(sheet), "");
        output.AddAlbumFile(AlbumPath(SheetButtonFiles[at]),
                            PictureEncoder::Encode(strip, Transparency::Opaque));
    }
}
