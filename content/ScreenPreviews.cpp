#include "content/ScreenPreviews.h"

#include <set>
#include <string>
#include <vector>

#include "catalogue/ButtonLayout.h"
#include "catalogue/DataFiles.h"
#include "catalogue/PageGeometry.h"
#include "catalogue/PageTable.h"
#include "catalogue/StickerHomePositions.h"
#include "catalogue/TileTables.h"
#include "content/Palette.h"
#include "content/PictureEncoder.h"
#include "content/ScenePages.h"
#include "content/ScreenFrame.h"

namespace {

enum StickerFace { kNormal = 0, kPointerOver = 1, kPicked = 3, kUsed = 4 };
enum ButtonFace { kUp = 0, kDown = 1 };

class Screen {
public:
    explicit Screen(const ContentOutput& output)
        : m_output(output), m_canvas(kScreenWidth, kScreenHeight) {}

    Canvas Picture(const char* file) const {
        return PictureEncoder::Decode(*m_output.FindAlbumFile(ContentOutput::AlbumPath(file)));
    }
    // Draws one tile of a described picture, as the program's tiled pictures do.
    void Tile(const TiledBitmapInfo& info, int32_t index, double x, double y) {
        const TileRect& tile = info.tiles[index];
        m_canvas.Paint(Picture(info.fileName).Cropped(tile.x, tile.y, tile.width, tile.height), x,
                       y);
    }
    void Button(const TiledBitmapInfo& info, int32_t face, const ButtonRow& row) {
        Tile(info, face, row.x, row.y);
    }
    ::Canvas& Drawing() { return m_canvas; }

private:
    const ContentOutput& m_output;
    ::Canvas m_canvas;
};

}  // namespace

::Canvas ScreenPreviews::TitleScreen(const ContentOutput& output) {
    Screen screen(output);
    // The background's tile is the whole picture; the screen repeats only its
    // top-left 8 × 8 block.
    const TileRect block = {0, 0, 8, 8};
    const TiledBitmapInfo background = {1, &block, kTitleBackgroundInfo.fileName};
    for (int32_t y = 0; y < kScreenHeight; y += 8) {
        for (int32_t x = 0; x < kScreenWidth; x += 8) {
            screen.Tile(background, 0, x, y);
        }
    }
    screen.Tile(kTitlePictureInfo, 0, 282, 150);
    FillStartButtonInfo();
    screen.Button(StartButtonInfo, kUp, StartButtonRows[0]);
    return std::move(screen.Drawing());
}

namespace {

// How the screen shows a count of stickers left: a caption tile, and for most counts
// a number face laid over it this far in (none where the caption says it all).
struct CounterRule {
    int32_t from;
    int32_t to;
    int32_t caption;
    int32_t numberOffset;
};

constexpr CounterRule kCounterRules[] = {{224, 224, 0, -1}, {100, 223, 0, 23}, {99, 99, 1, -1},
                                         {10, 98, 1, 19},   {9, 9, 2, -1},     {2, 8, 2, 16},
                                         {1, 1, 3, -1},     {0, 0, 4, -1}};

void DrawCounter(Screen& screen, int32_t left, double x, double y) {
    for (const CounterRule& rule : kCounterRules) {
        if (left < rule.from || left > rule.to) continue;
        screen.Tile(kStickersLeftCaptionInfo, rule.caption, x, y);
        if (rule.numberOffset >= 0) {
            screen.Tile(kStickersLeftNumberInfo, left, x + rule.numberOffset, y);
        }
    }
}

struct PlayingState {
    size_t pageIndex;
    int32_t sheet;
    std::set<int32_t> stuck;
    int32_t carried;
    int32_t carriedX;
    int32_t carriedY;
    int32_t pointerOver;
};

::Canvas PlayingScreen(const ContentOutput& output, const PlayingState& state) {
    Screen screen(output);
    screen.Tile(kTopBottomBarsInfo, 0, 0, 0);
    screen.Tile(kTopBottomBarsInfo, 1, 0, kPageBottom);
    screen.Tile(kLeftRightBarsInfo, 0, 0, kPageTop);
    screen.Tile(kLeftRightBarsInfo, 1, kPageRight, kPageTop);
    const AlbumPage& page = kAlbumPages[state.pageIndex];
    screen.Tile(kPageLabelsInfo, page.labelTile, 414, 705);
    DrawCounter(screen, NUMBEROFSTICKERGRAPHICS - static_cast<int32_t>(state.stuck.size()), 417,
                52);

    ::Canvas& canvas = screen.Drawing();
    canvas.Paint(screen.Picture(page.backgroundFile), kPageLeft, kPageTop);
    for (const int32_t index : state.stuck) {
        const StickerHome& home = StickerHomePositions[static_cast<size_t>(index)];
        if (home.pageNumber == page.pageNumber) {
            canvas.Paint(screen.Picture(StickerPictureFiles[static_cast<size_t>(index)]),
                         90 + home.x, 90 + home.y);
        }
    }
    if (state.carried >= 0) {
        canvas.Paint(screen.Picture(StickerPictureFiles[static_cast<size_t>(state.carried)]),
                     90 + state.carriedX, 90 + state.carriedY);
    }
    ScenePages::PaintCorners(canvas, screen.Picture(kPageCornersFile), kPageLeft, kPageTop);

    FillPlayingButtonInfos();
    for (size_t i = 0; i < CommandButtonRows.size(); ++i) {
        screen.Button(CommandButtonInfos[i], kUp, CommandButtonRows[i]);
    }
    for (size_t i = 0; i < SheetButtonRows.size(); ++i) {
        const bool current = static_cast<int32_t>(i) + 1 == state.sheet;
        screen.Button(SheetButtonInfos[i], current ? kDown : kUp, SheetButtonRows[i]);
    }
    for (int32_t slot = 0; slot < kStickersPerSheet; ++slot) {
        const int32_t index = StickerIndex(state.sheet, slot + 1);
        StickerFace face = kNormal;
        if (state.stuck.contains(index)) face = kUsed;
        if (index == state.carried) face = kPicked;
        if (index == state.pointerOver) face = kPointerOver;
        screen.Button(StickerButtonInfos[static_cast<size_t>(index)], face,
                      StickerButtonRows[static_cast<size_t>(slot)]);
    }
    return std::move(canvas);
}

size_t PageIndexOf(int32_t pageNumber) {
    return static_cast<size_t>(PageIndexOfPageNumber(pageNumber));
}

::Canvas Counters(const ContentOutput& output) {
    const int32_t counts[] = {224, 223, 187, 100, 99, 98, 42, 10, 9, 8, 5, 2, 1, 0};
    constexpr int32_t kScale = 3;
    Screen screen(output);
    ::Canvas sheet(2 * (190 * kScale + 40), 7 * (24 * kScale + 16) + 16);
    sheet.Fill(Colour::Hex(0xE8E8EE));
    for (size_t i = 0; i < std::size(counts); ++i) {
        DrawCounter(screen, counts[i], 417, 52);
        const ::Canvas counter = screen.Drawing().Cropped(417, 52, 190, 24);
        sheet.Paint(counter, 20 + static_cast<double>(i / 7) * (190 * kScale + 40),
                    16 + static_cast<double>(i % 7) * (24 * kScale + 16), kScale);
    }
    return sheet;
}

}  // namespace

void ScreenPreviews::Generate(ContentOutput& output) {
    if (!output.WantsPreviews()) return;
    output.AddPreview("screen-title", TitleScreen(output));
    output.AddPreview(
        "screen-page2",
        PlayingScreen(output, {PageIndexOf(2), 4, {84, 85, 86, 94, 95, 3, 40}, 87, 470, 160, 100}));
    output.AddPreview("screen-page14",
                      PlayingScreen(output, {PageIndexOf(14),
                                             4,
                                             {88, 102, 104, 105, 106, 107, 108, 109, 110, 84},
                                             111,
                                             600,
                                             300,
                                             96}));
    output.AddPreview("counters", Counters(output));
}
