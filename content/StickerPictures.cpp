#include "content/StickerPictures.h"

#include <string>
#include <vector>

#include "catalogue/DataFiles.h"
#include "catalogue/PageTable.h"
#include "catalogue/StickerHomePositions.h"
#include "catalogue/StickerNumbering.h"
#include "content/Palette.h"
#include "content/PictureEncoder.h"
#include "content/StickerArt.h"
#include "content/StickerButtonFaces.h"
#include "content/StickerDesigns.h"
#include "content/StickerSize.h"

namespace {

constexpr int32_t kColumns = 4;
constexpr int32_t kCellWidth = StickerButtonFaces::kFace * StickerButtonFaces::kFaces + 20;
constexpr int32_t kCellHeight = StickerSize::kSize + StickerButtonFaces::kFace + 40;
constexpr int32_t kTitleHeight = 50;

// Stickers as the album decodes them, each above its five button faces, with its
// index and its sheet and place on the sheet.
Canvas ContactSheet(const ContentOutput& output, const std::string& title,
                    const std::vector<int32_t>& stickers) {
    const auto rows = static_cast<int32_t>((stickers.size() + kColumns - 1) / kColumns);
    Canvas contact(kColumns * kCellWidth + 20, rows * kCellHeight + kTitleHeight);
    contact.Fill(Colour::Hex(0xE8E8EE));
    contact.Text(title, contact.Width() / 2.0, kTitleHeight / 2.0, 26, Palette::kInk);
    for (size_t cell = 0; cell < stickers.size(); ++cell) {
        const int32_t index = stickers[cell];
        const auto at = static_cast<size_t>(index);
        const double x = 20 + static_cast<double>(cell % kColumns) * kCellWidth;
        const double y = kTitleHeight + static_cast<double>(cell / kColumns) * kCellHeight;
        contact.Text(std::to_string(index), x + 16, y + 12, 14, Palette::kInk);
        contact.TextFrom(StickerDesigns::Name(index), x + StickerSize::kSize + 50, y + 40, 13,
                         Palette::kInk);
        contact.Text(std::to_string(index / kStickersPerSheet + 1) + "." +
                         std::to_string(index % kStickersPerSheet + 1),
                     x + 16, y + 32, 12, Palette::kInk.Lighter(0.4));
        contact.Paint(PictureEncoder::Decode(
                          *output.FindAlbumFile(ContentOutput::AlbumPath(StickerPictureFiles[at]))),
                      x + 40, y);
        contact.Paint(PictureEncoder::Decode(
                          *output.FindAlbumFile(ContentOutput::AlbumPath(StickerButtonFiles[at]))),
                      x, y + StickerSize::kSize + 8);
    }
    return contact;
}

constexpr int32_t kLineUpColumns = 14;
constexpr int32_t kLineUpCell = 92;
constexpr int32_t kLineUpRow = StickerButtonFaces::kFace + 30;
constexpr int32_t kLineUpHeading = 40;
constexpr int32_t kLineUpSheet =
    kLineUpHeading + kStickersPerSheet / kLineUpColumns * kLineUpRow + 10;

// Every sticker as a child first meets it, on its button at the size the album shows,
// with its name under it, sheet by sheet: for looking the whole book over at once.
Canvas LineUp(const ContentOutput& output) {
    Canvas lineUp(kLineUpColumns * kLineUpCell + 20, kNumberOfSheets * kLineUpSheet + 10);
    lineUp.Fill(Colour::Hex(0xE8E8EE));
    for (int32_t sheet = 1; sheet <= kNumberOfSheets; ++sheet) {
        const double top = 10 + (sheet - 1) * kLineUpSheet;
        lineUp.TextFrom("Sheet " + std::to_string(sheet), 16, top + 26, 22, Palette::kInk);
        for (int32_t place = 0; place < kStickersPerSheet; ++place) {
            const int32_t index = StickerIndex(sheet, place + 1);
            const double x = 10 + (place % kLineUpColumns) * kLineUpCell;
            const double y = top + kLineUpHeading + (place / kLineUpColumns) * kLineUpRow;
            const Canvas strip = PictureEncoder::Decode(*output.FindAlbumFile(
                ContentOutput::AlbumPath(StickerButtonFiles[static_cast<size_t>(index)])));
            lineUp.Paint(strip.Cropped(0, 0, StickerButtonFaces::kFace, StickerButtonFaces::kFace),
                         x + (kLineUpCell - StickerButtonFaces::kFace) / 2.0, y);
            lineUp.Text(StickerDesigns::Name(index), x + kLineUpCell / 2.0,
                        y + StickerButtonFaces::kFace + 12, 11, Palette::kInk);
        }
    }
    return lineUp;
}

}  // namespace

void StickerPictures::Generate(ContentOutput& output) {
    for (int32_t index = 0; index < NUMBEROFSTICKERGRAPHICS; ++index) {
        const auto at = static_cast<size_t>(index);
        output.AddAlbumFile(
            ContentOutput::AlbumPath(StickerPictureFiles[at]),
            PictureEncoder::Encode(StickerArt::Render(index, StickerSize::Side(index)),
                                   Transparency::MagentaKey));
        output.AddAlbumFile(
            ContentOutput::AlbumPath(StickerButtonFiles[at]),
            PictureEncoder::Encode(StickerButtonFaces::Strip(index), Transparency::Opaque));
    }
    if (!output.WantsPreviews()) return;
    output.AddPreview("lineup", LineUp(output));
    for (int32_t sheet = 1; sheet <= kNumberOfSheets; ++sheet) {
        std::vector<int32_t> stickers;
        for (int32_t sticker = 1; sticker <= kStickersPerSheet; ++sticker) {
            stickers.push_back(StickerIndex(sheet, sticker));
        }
        output.AddPreview("sheet" + std::to_string(sheet),
                          ContactSheet(output, "Sheet " + std::to_string(sheet), stickers));
    }
    for (const AlbumPage& page : kAlbumPages) {
        std::vector<int32_t> stickers;
        for (int32_t index = 0; index < NUMBEROFSTICKERGRAPHICS; ++index) {
            if (StickerHomePositions[static_cast<size_t>(index)].pageNumber == page.pageNumber) {
                stickers.push_back(index);
            }
        }
        const std::string number = std::to_string(page.pageNumber);
        output.AddPreview(
            "page" + number + "-stickers",
            ContactSheet(
                output, "Page " + number + ": " + StickerDesigns::ThemeOfPage(page.pageNumber).name,
                stickers));
    }
}
