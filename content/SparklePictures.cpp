#include "content/SparklePictures.h"

#include <cmath>
#include <numbers>

#include "catalogue/DataFiles.h"
#include "catalogue/PageTable.h"
#include "content/Palette.h"
#include "content/PictureEncoder.h"

namespace {

constexpr double kSide = kSparkleSide;

// Gold, pink and sky blue: bright on every page's grass, sea and sky.
constexpr Colour kSparkleFills[kSparkleColours] = {Palette::kSun, Palette::kPink,
                                                   Colour::Hex(0x9FE4FF)};

// One step of a twinkle: a four-pointed star that grows with `phase`, and from the
// second step a small shine and a tiny companion glint.
void Sparkle(Canvas& canvas, double centreX, double centreY, int32_t phase, Colour fill) {
    const double growth = (phase + 2.0) / (kSparklePhases + 1.0);
    const double outer = (kSide / 2 - 3) * growth;
    canvas.Star(centreX, centreY, outer, outer * 0.38, 4);
    canvas.FillAndOutline(fill, Palette::kInk, 2);
    if (phase == 0) return;
    canvas.Circle(centreX - outer * 0.12, centreY - outer * 0.12, outer * 0.1);
    canvas.FillPath(Palette::kWhite);
    const double glint = 2.0 + phase;
    canvas.Star(centreX + outer * 0.62, centreY - outer * 0.62, glint, glint * 0.4, 4);
    canvas.FillPath(Palette::kWhite);
}

Canvas SparkleGrid() {
    Canvas grid(kSparklePhases * kSparkleSide, kSparkleColours * kSparkleSide);
    for (int32_t colour = 0; colour < kSparkleColours; ++colour) {
        for (int32_t phase = 0; phase < kSparklePhases; ++phase) {
            Sparkle(grid, (phase + 0.5) * kSide, (colour + 0.5) * kSide, phase,
                    kSparkleFills[colour]);
        }
    }
    return grid;
}

// The grid enlarged on a checkerboard, to judge the keyed edges, and the stars at the
// size a child sees them on a page: a ring around a sticker's place and a scatter.
Canvas Preview(const Canvas& grid, const Canvas* page) {
    Canvas sheet(page != nullptr ? page->Width() : 844,
                 200 + (page != nullptr ? page->Height() : 0));
    sheet.Fill(Colour::Hex(0xF2F2F2));
    for (int32_t y = 0; y < 180; y += 12) {
        for (int32_t x = 0; x < 380; x += 12) {
            sheet.RoundedBox(10 + x, 10 + y, 12, 12, 0);
            sheet.FillPath((x + y) / 12 % 2 == 0 ? Colour::Hex(0xCCCCCC) : Colour::Hex(0xF2F2F2));
        }
    }
    sheet.Paint(grid, 10, 10, 180.0 / grid.Height());
    if (page == nullptr) return sheet;
    sheet.Paint(*page, 0, 200);
    const double ringX = 300, ringY = 200 + 330, radius = 70;
    for (int32_t star = 0; star < 8; ++star) {
        const double angle = star * std::numbers::pi / 4;
        Sparkle(sheet, ringX + radius * std::cos(angle), ringY + radius * std::sin(angle),
                star % kSparklePhases, kSparkleFills[star % kSparkleColours]);
    }
    for (int32_t star = 0; star < 14; ++star) {
        Sparkle(sheet, 520 + 23 * ((star * 7) % 13), 230 + 40 * star % 520,
                (star * 3) % kSparklePhases, kSparkleFills[star % kSparkleColours]);
    }
    return sheet;
}

}  // namespace

void SparklePictures::Generate(ContentOutput& output) {
    const std::vector<uint8_t> grid =
        PictureEncoder::Encode(SparkleGrid(), Transparency::MagentaKey);
    output.AddAlbumFile(ContentOutput::AlbumPath(kSparklesFile), grid);
    if (!output.WantsPreviews()) return;
    const std::vector<uint8_t>* pageFile =
        output.FindAlbumFile(ContentOutput::AlbumPath(kAlbumPages[0].backgroundFile));
    const Canvas decoded = PictureEncoder::Decode(grid);
    if (pageFile == nullptr) {
        output.AddPreview("sparkles", Preview(decoded, nullptr));
        return;
    }
    const Canvas page = PictureEncoder::Decode(*pageFile);
    output.AddPreview("sparkles", Preview(decoded, &page));
}
