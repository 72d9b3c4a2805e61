#include "content/FramePictures.h"

#include <algorithm>
#include <array>
#include <string>

#include "catalogue/DataFiles.h"
#include "catalogue/PageGeometry.h"
#include "catalogue/TileTables.h"
#include "content/Palette.h"
#include "content/PictureEncoder.h"
#include "content/ScreenFrame.h"

namespace {

// Where the screen draws the counter and the page label.
constexpr int32_t kCounterX = 417;
constexpr int32_t kCounterY = 52;
constexpr int32_t kLabelX = 414;
constexpr int32_t kLabelY = 705;

constexpr double kCounterText = 13.0;
constexpr double kCounterBaseline = 17.0;

// The counter lays a three-, two- or one-digit number face this far into the caption.
constexpr int32_t kNumberOffsets[] = {23, 19, 16};

int32_t DigitClass(const std::string& number) {
    return 3 - static_cast<int32_t>(number.size());
}

// One line of the counter: a star, the number ending just inside its face's place,
// and the words after it. A number face is cut from the same line, so it matches
// the caption it is laid on pixel for pixel.
Canvas CounterLine(const std::string& number, const std::string& words) {
    const TileRect& caption = kStickersLeftCaptionTiles[0];
    Canvas line = ScreenFrame::Behind(kCounterX, kCounterY, caption.width, caption.height);
    line.RoundedBox(1, 1, caption.width - 2, caption.height - 2, 11);
    line.FillAndOutline(Palette::kCream, Palette::kInk, 2);
    line.Star(10, 12, 7, 3.2, 5);
    line.FillAndOutline(Palette::kSun, Palette::kInk, 1.2);
    double wordsAt = 22;
    if (!number.empty()) {
        const TileRect& face = StickersLeftNumberTiles[0];
        const double right = kNumberOffsets[DigitClass(number)] + face.width - 2;
        line.TextFrom(number, right - line.TextAdvance(number, kCounterText), kCounterBaseline,
                      kCounterText, Palette::kRed);
        wordsAt = right + 4;
    }
    line.TextFrom(words, wordsAt, kCounterBaseline, kCounterText, Palette::kInk);
    return line;
}

Canvas Captions() {
    // 224, 99 and 9 are the highest counts of three, two and one digits; one and none
    // have words of their own.
    const std::string numbers[] = {"224", "99", "9", "1", ""};
    const std::string words[] = {"stickers left", "stickers left", "stickers left", "sticker left",
                                 "All stuck! Hooray!"};
    const TileRect& size = kStickersLeftCaptionTiles[0];
    Canvas captions(size.width, size.height * 5);
    for (size_t k = 0; k < 5; ++k) {
        const TileRect& tile = kStickersLeftCaptionTiles[k];
        captions.Paint(CounterLine(numbers[k], words[k]), tile.x, tile.y);
    }
    return captions;
}

bool HasNumberFace(int32_t stickersLeft) {
    return stickersLeft >= 2 && stickersLeft <= 223 && stickersLeft != 9 && stickersLeft != 99;
}

Canvas NumberFaces() {
    int32_t height = 0;
    for (const TileRect& tile : StickersLeftNumberTiles)
        height = std::max(height, tile.y + tile.height);
    Canvas faces(StickersLeftNumberTiles[0].width, height);
    for (int32_t count = 0; count <= NUMBEROFSTICKERGRAPHICS; ++count) {
        if (!HasNumberFace(count)) continue;
        const std::string number = std::to_string(count);
        const TileRect& tile = StickersLeftNumberTiles[static_cast<size_t>(count)];
        const Canvas line = CounterLine(number, "stickers left");
        faces.Paint(line.Cropped(kNumberOffsets[DigitClass(number)], 0, tile.width, tile.height),
                    tile.x, tile.y);
    }
    return faces;
}

Canvas PageLabels() {
    const TileRect& first = PageLabelTiles[0];
    Canvas labels(first.width, first.height * (kNumberOfPageLabels + 1));
    const Canvas backdrop = ScreenFrame::Behind(kLabelX, kLabelY, first.width, first.height);
    // The top row is the empty tile's place; it shows only the frame.
    labels.Paint(backdrop, 0, 0);
    for (int32_t k = 0; k < kNumberOfPageLabels; ++k) {
        const TileRect& tile = PageLabelTiles[static_cast<size_t>(k)];
        Canvas label(tile.width, tile.height);
        label.Paint(backdrop, 0, 0);
        label.RoundedBox(2, 2, tile.width - 4, tile.height - 4, 16);
        label.FillAndOutline(Palette::kWhite, Palette::kInk, 3);
        label.OutlinedText("Page " + std::to_string(k + 1), tile.width / 2.0, tile.height / 2.0, 22,
                           Palette::kBlue, Palette::kInk, 1.5);
        labels.Paint(label, tile.x, tile.y);
    }
    return labels;
}

// Two bars stacked or side by side, each cut from the frame where the screen draws it.
Canvas Bars(const std::array<TileRect, 2>& tiles, const int32_t (&places)[2][2]) {
    Canvas bars(tiles[1].x + tiles[1].width, tiles[1].y + tiles[1].height);
    for (size_t bar = 0; bar < 2; ++bar) {
        bars.Paint(ScreenFrame::Behind(places[bar][0], places[bar][1], tiles[bar].width,
                                       tiles[bar].height),
                   tiles[bar].x, tiles[bar].y);
    }
    return bars;
}

void AddPicture(ContentOutput& output, const char* file, const Canvas& picture) {
    output.AddAlbumFile(ContentOutput::AlbumPath(file),
                        PictureEncoder::Encode(picture, Transparency::Opaque));
}

}  // namespace

void FramePictures::Generate(ContentOutput& output) {
    constexpr int32_t kTopBottom[2][2] = {{0, 0}, {0, kPageBottom}};
    constexpr int32_t kLeftRight[2][2] = {{0, kPageTop}, {kPageRight, kPageTop}};
    AddPicture(output, kTopBottomBarsFile, Bars(kTopBottomBarTiles, kTopBottom));
    AddPicture(output, kLeftRightBarsFile, Bars(kLeftRightBarTiles, kLeftRight));
    AddPicture(output, kPageLabelsFile, PageLabels());
    AddPicture(output, kStickersLeftCaptionFile, Captions());
    AddPicture(output, kStickersLeftNumberFile, NumberFaces());
}
