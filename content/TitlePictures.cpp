#include "content/TitlePictures.h"

#include <cairo.h>

#include "catalogue/ButtonLayout.h"
#include "catalogue/DataFiles.h"
#include "catalogue/StickerNumbering.h"
#include "catalogue/TileTables.h"
#include "content/ButtonFaces.h"
#include "content/Palette.h"
#include "content/PictureEncoder.h"
#include "content/StickerArt.h"

namespace {

// Where the screen lays the title picture.
constexpr int32_t kTitleX = 282;
constexpr int32_t kTitleY = 150;

constexpr Colour kWarm = Colour::Hex(0xFFE07A);
constexpr Colour kWarmDot = Colour::Hex(0xFFC94A);

// One block of the pattern: a sunny yellow with two dots set diagonally, so that
// tiled blocks give an even, staggered polka dot.
Canvas PatternBlock() {
    Canvas block(TitlePictures::kPattern, TitlePictures::kPattern);
    block.Fill(kWarm);
    cairo_t* context = block.Context();
    cairo_set_antialias(context, CAIRO_ANTIALIAS_NONE);
    cairo_rectangle(context, 1, 1, 2, 2);
    cairo_rectangle(context, 5, 5, 2, 2);
    block.FillPath(kWarmDot);
    return block;
}

// A canvas covered with the pattern as the screen tiles it, shifted so that the
// canvas's (0, 0) lies at screen point (screenX, screenY).
Canvas Patterned(int32_t width, int32_t height, int32_t screenX, int32_t screenY) {
    const Canvas block = PatternBlock();
    Canvas canvas(width, height);
    for (int32_t y = -(screenY % TitlePictures::kPattern); y < height;
         y += TitlePictures::kPattern) {
        for (int32_t x = -(screenX % TitlePictures::kPattern); x < width;
             x += TitlePictures::kPattern) {
            canvas.Paint(block, x, y);
        }
    }
    return canvas;
}

void Sticker(Canvas& canvas, int32_t sheet, int32_t sticker, double x, double y, int32_t size) {
    canvas.Paint(StickerArt::Render(StickerIndex(sheet, sticker), size), x, y);
}

Canvas TitlePicture() {
    const TileRect& tile = kTitlePictureTiles[0];
    Canvas title = Patterned(tile.width, tile.height, kTitleX, kTitleY);
    title.RoundedBox(10, 14, tile.width - 20, tile.height - 24, 36);
    title.FillPath(kWarmDot.Darker(0.8));
    title.RoundedBox(6, 6, tile.width - 20, tile.height - 24, 36);
    title.FillAndOutline(Palette::kWhite, Palette::kInk, 5);
    title.RoundedBox(20, 20, tile.width - 48, 150, 26);
    title.FillAndOutline(Palette::kSky, Palette::kInk, 4);
    // The name stands clear of the badge beside it.
    title.OutlinedText("Quillory", tile.width / 2.0 - 42, 76, 66, Palette::kSun, Palette::kInk, 5);
    // The "3" on a red badge, like a sticker of its own.
    title.Circle(386, 74, 36);
    title.FillAndOutline(Palette::kRed, Palette::kInk, 4);
    title.OutlinedText("3", 386, 74, 50, Palette::kWhite, Palette::kInk, 3);
    title.OutlinedText("Sticker Album", tile.width / 2.0, 140, 30, Palette::kWhite, Palette::kInk,
                       3);
    // A happy crowd of stickers from every sheet.
    Sticker(title, 1, 1, 28, 186, 96);
    Sticker(title, 4, 1, 124, 192, 88);
    Sticker(title, 6, 1, 216, 180, 100);
    Sticker(title, 3, 1, 320, 188, 100);
    Sticker(title, 5, 9, 22, 286, 88);
    Sticker(title, 2, 5, 106, 292, 80);
    Sticker(title, 3, 10, 180, 282, 92);
    Sticker(title, 8, 5, 264, 294, 78);
    Sticker(title, 7, 9, 340, 282, 92);
    return title;
}

void AddPicture(ContentOutput& output, const char* file, const Canvas& picture) {
    output.AddAlbumFile(ContentOutput::AlbumPath(file),
                        PictureEncoder::Encode(picture, Transparency::Opaque));
}

void PlayTriangle(Canvas& canvas, double x, double y, double size) {
    const double s = size / 2;
    canvas.Polygon({x - 0.45 * s, y - 0.7 * s, x + 0.75 * s, y, x - 0.45 * s, y + 0.7 * s});
    canvas.FillAndOutline(Palette::kWhite, Palette::kInk, 3);
}

}  // namespace

void TitlePictures::Generate(ContentOutput& output) {
    const TileRect& tile = kTitlePictureTiles[0];
    const Canvas title = TitlePicture();
    AddPicture(output, kTitlePictureFile, title);
    AddPicture(output, kTitleBackgroundFile, Patterned(tile.width, tile.height, 0, 0));
    const ButtonRow& start = StartButtonRows[0];
    const Canvas behind =
        title.Cropped(start.x - kTitleX, start.y - kTitleY, start.width, start.height);
    AddPicture(output, kStartButtonFile,
               ButtonFaces::UpAndDown(behind, Palette::kGreen, PlayTriangle, "Play!"));
}
