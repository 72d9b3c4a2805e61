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
