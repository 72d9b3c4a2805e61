#include "content/StickerPictures.h"

#include <string>

#include "album/DataFiles.h"
#include "album/StickerNumbering.h"
#include "content/Palette.h"
#include "content/PictureEncoder.h"
#include "content/StickerArt.h"
#include "content/StickerButtonFaces.h"
#include "content/StickerDesigns.h"

namespace {

constexpr int32_t COLUMNS = 4;
constexpr int32_t ROWS = STICKERSPERSHEET / COLUMNS;
constexpr int32_t CELL_WIDTH = StickerButtonFaces::FACE * StickerButtonFaces::FACES + 20;
constexpr int32_t CELL_HEIGHT = StickerArt::SIZE + StickerButtonFaces::FACE + 40;
constexpr int32_t TITLE_HEIGHT = 50;

// One sheet's stickers as the album decodes them, each above its five button faces.
Canvas ContactSheet(const ContentOutput& output, int32_t sheet) {
    Canvas contact(COLUMNS * CELL_WIDTH + 20, ROWS * CELL_HEIGHT + TITLE_HEIGHT);
    contact.Fill(Colour::Hex(0xE8E8EE));
    contact.Text("Sheet " + std::to_string(sheet) + ": " + StickerDesigns::SheetTheme(sheet),
                 contact.Width() / 2.0, TITLE_HEIGHT / 2.0, 26, Palette::INK);
    for (int32_t sticker = 1; sticker <= STICKERSPERSHEET; ++sticker) {
        const int32_t index = StickerIndex(sheet, sticker);
        const auto at = static_cast<size_t>(index);
        const double x = 20 + ((sticker - 1) % COLUMNS) * CELL_WIDTH;
        const double y = TITLE_HEIGHT + ((sticker - 1) / COLUMNS) * CELL_HEIGHT;
        contact.Text(std::to_string(index), x + 16, y + 12, 14, Palette::INK);
        contact.Paint(PictureEncoder::Decode(
                          *output.FindAlbumFile(ContentOutput::AlbumPath(StickerPictureFiles[at]))),
                      x + 40, y);
        contact.Paint(PictureEncoder::Decode(
                          *output.FindAlbumFile(ContentOutput::AlbumPath(StickerButtonFiles[at]))),
                      x, y + StickerArt::SIZE + 8);
    }
    return contact;
}

}  // namespace

void StickerPictures::Generate(ContentOutput& output) {
    for (int32_t index = 0; index < NUMBEROFSTICKERGRAPHICS; ++index) {
        const auto at = static_cast<size_t>(index);
        output.AddAlbumFile(ContentOutput::AlbumPath(StickerPictureFiles[at]),
                            PictureEncoder::Encode(StickerArt::Render(index, StickerArt::SIZE),
                                                   Transparency::MagentaKey));
        output.AddAlbumFile(
            ContentOutput::AlbumPath(StickerButtonFiles[at]),
            PictureEncoder::Encode(StickerButtonFaces::Strip(index), Transparency::Opaque));
    }
    if (output.WantsPreviews()) {
        for (int32_t sheet = 1; sheet <= NUMBEROFSHEETS; ++sheet) {
            output.AddPreview("sheet" + std::to_string(sheet), ContactSheet(output, sheet));
        }
    }
}
