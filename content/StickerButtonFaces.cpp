#include "content/StickerButtonFaces.h"

#include <cairo.h>

#include "catalogue/ButtonLayout.h"
#include "catalogue/StickerNumbering.h"
#include "content/ButtonFaces.h"
#include "content/Palette.h"
#include "content/ScreenFrame.h"
#include "content/StickerArt.h"
#include "content/StickerDesigns.h"

namespace {

constexpr int32_t kStickerOnFace = 44;
constexpr int32_t kStickerUnderPointer = 48;

void Tick(Canvas& canvas, double x, double y) {
    canvas.Circle(x, y, 10);
    canvas.FillAndOutline(Palette::kGreen, Palette::kInk, 2);
    cairo_t* context = canvas.Context();
    cairo_move_to(context, x - 5, y);
    cairo_line_to(context, x - 1.5, y + 4);
    cairo_line_to(context, x + 5, y - 4);
    canvas.StrokePath(Palette::kWhite, 3);
}

ButtonFaces::Icon Centred(const Canvas& sticker, double alpha) {
    return [&sticker, alpha](Canvas& canvas, double x, double y, double) {
        cairo_t* context = canvas.Context();
        cairo_save(context);
        cairo_set_source_surface(context, sticker.Surface(), x - sticker.Width() / 2.0,
                                 y - sticker.Height() / 2.0);
        cairo_paint_with_alpha(context, alpha);
        cairo_restore(context);
    };
}

}  // namespace

Canvas StickerButtonFaces::Strip(int32_t stickerIndex) {
    const int32_t slot = stickerIndex % kStickersPerSheet;
    const ButtonRow& row = StickerButtonRows[static_cast<size_t>(slot)];
    const Canvas backdrop = ScreenFrame::Behind(row.x, row.y, kFace, kFace);
    const Canvas sticker = StickerArt::Render(stickerIndex, kStickerOnFace);
    const Canvas bigger = StickerArt::Render(stickerIndex, kStickerUnderPointer);
    // The tile takes the colour of the sticker's page theme: a hint of where it goes.
    const Colour tile = StickerDesigns::ThemeOfSticker(stickerIndex).colour.Lighter(0.45);

    Canvas strip(kFace * kFaces, kFace);
    const Canvas faces[kFaces] = {
        ButtonFaces::Face(backdrop, tile, Centred(sticker, 1.0), "", false),
        ButtonFaces::Face(backdrop, Palette::kSun, Centred(bigger, 1.0), "", false),
        ButtonFaces::Face(backdrop, tile, Centred(sticker, 1.0), "", true),
        ButtonFaces::Face(
            backdrop, Colour::Hex(0xE4E6EE),
            [&sticker](Canvas& canvas, double x, double y, double) {
                StickerArt::PaintHome(canvas, sticker, x - sticker.Width() / 2.0,
                                      y - sticker.Height() / 2.0);
            },
            "", true),
        ButtonFaces::Face(
            backdrop, Colour::Hex(0xA7ABB8),
            [&sticker](Canvas& canvas, double x, double y, double size) {
                Centred(sticker, 0.45)(canvas, x, y, size);
                Tick(canvas, x + 13, y + 11);
            },
            "", true),
    };
    for (int32_t face = 0; face < kFaces; ++face) {
        strip.Paint(faces[face], face * kFace, 0);
    }
    return strip;
}
