#include "content/ScenePages.h"

#include <cmath>
#include <functional>
#include <numbers>
#include <string>

#include "album/DataFiles.h"
#include "album/PageTable.h"
#include "album/StickerHomePositions.h"
#include "content/Motifs.h"
#include "content/Palette.h"
#include "content/PictureEncoder.h"
#include "content/ScreenFrame.h"
#include "content/StickerArt.h"

namespace {

constexpr double WIDTH = ScreenFrame::PAGE_WIDTH;
constexpr double HEIGHT = ScreenFrame::PAGE_HEIGHT;
constexpr double PI = std::numbers::pi;
constexpr int32_t CORNER = 8;

void Cloud(Canvas& canvas, double x, double y, double size) {
    canvas.Circle(x - size * 0.5, y + size * 0.1, size * 0.4);
    canvas.Circle(x, y - size * 0.1, size * 0.55);
    canvas.Circle(x + size * 0.5, y + size * 0.1, size * 0.4);
    canvas.FillAndOutline(Palette::WHITE, Palette::INK.Lighter(0.5), 2.5);
    canvas.Circle(x - size * 0.5, y + size * 0.1, size * 0.38);
    canvas.Circle(x, y - size * 0.1, size * 0.53);
    canvas.Circle(x + size * 0.5, y + size * 0.1, size * 0.38);
    canvas.FillPath(Palette::WHITE);
}

void Daisy(Canvas& canvas, double x, double y, Colour petals) {
    for (int32_t petal = 0; petal < 6; ++petal) {
        const double angle = petal * PI / 3;
        canvas.Circle(x + std::cos(angle) * 6, y + std::sin(angle) * 6, 5);
    }
    canvas.FillAndOutline(petals, Palette::INK, 1.5);
    canvas.Circle(x, y, 4);
    canvas.FillPath(Palette::SUN);
}

void Barn(Canvas& canvas) {
    canvas.Polygon({352, 130, 415, 62, 478, 130, 478, 252, 352, 252});
    canvas.FillAndOutline(Palette::RED, Palette::INK, 4);
    canvas.Polygon({344, 134, 415, 56, 486, 134, 478, 140, 415, 72, 352, 140});
    canvas.FillAndOutline(Palette::WHITE, Palette::INK, 3);
    canvas.RoundedBox(388, 186, 54, 66, 3);
    canvas.FillAndOutline(Colour::Hex(0x9E2F2D), Palette::INK, 3);
    cairo_t* context = canvas.Context();
    cairo_move_to(context, 390, 188);
    cairo_line_to(context, 440, 250);
    cairo_move_to(context, 440, 188);
    cairo_line_to(context, 390, 250);
    canvas.StrokePath(Palette::WHITE, 4);
    canvas.Circle(415, 110, 14);
    canvas.FillAndOutline(Palette::SUN, Palette::INK, 3);
}

void Fence(Canvas& canvas, double fromX, double toX, double y) {
    for (double x = fromX; x <= toX; x += 36) {
        canvas.RoundedBox(x, y - 34, 12, 46, 4);
        canvas.FillAndOutline(Colour::Hex(0xE9C28F), Palette::INK, 2.5);
    }
    for (const double railY : {y - 24, y - 6}) {
        canvas.RoundedBox(fromX - 6, railY, toX - fromX + 24, 8, 3);
        canvas.FillAndOutline(Colour::Hex(0xE9C28F), Palette::INK, 2.5);
    }
}

void Farm(Canvas& canvas) {
    canvas.VerticalGradient(0, 0, WIDTH, 220, Palette::SKY, Palette::PALE_SKY);
    Motifs::Sun(canvas, 780, 62, 34);
    Cloud(canvas, 150, 60, 46);
    Cloud(canvas, 560, 48, 36);
    canvas.Ellipse(200, 210, 320, 90);
    canvas.Ellipse(700, 220, 300, 80);
    canvas.FillAndOutline(Palette::DARK_GRASS.Lighter(0.2), Palette::INK, 3);
    canvas.VerticalGradient(0, 200, WIDTH, HEIGHT - 200, Palette::GRASS, Palette::DARK_GRASS);
    cairo_t* context = canvas.Context();
    cairo_move_to(context, 0, 200);
    cairo_curve_to(context, 280, 184, 560, 214, WIDTH, 196);
    cairo_line_to(context, WIDTH, HEIGHT);
    cairo_line_to(context, 0, HEIGHT);
    cairo_close_path(context);
    canvas.FillPath(Palette::GRASS);
    Barn(canvas);
    Fence(canvas, 500, 830, 262);
    // The pig's mud, the duck's pond, the tractor's field, the dog's kennel.
    canvas.Ellipse(122, 244, 62, 16);
    canvas.FillAndOutline(Palette::BROWN, Palette::INK, 3);
    canvas.Ellipse(304, 388, 96, 38);
    canvas.FillAndOutline(Palette::BLUE.Lighter(0.3), Palette::INK, 3);
    canvas.Polygon({0, 430, 190, 450, 230, HEIGHT, 0, HEIGHT});
    canvas.FillAndOutline(Palette::BROWN, Palette::INK, 3);
    for (double y = 462; y < HEIGHT; y += 24) {
        cairo_move_to(context, 0, y);
        cairo_line_to(context, 196 + (y - 450) * 0.25, y + 4);
    }
    canvas.StrokePath(Colour::Hex(0x8A5328), 5);
    canvas.Polygon({612, 330, 652, 296, 692, 330, 692, 400, 612, 400});
    canvas.FillAndOutline(Palette::BLUE, Palette::INK, 3);
    canvas.RoundedBox(636, 350, 32, 50, 14);
    canvas.FillPath(Palette::INK);
    // A hay bale and a scatter of flowers.
    canvas.RoundedBox(512, 312, 80, 52, 10);
    canvas.FillAndOutline(Palette::SUN, Palette::INK, 3);
    for (const double y : {326.0, 338.0, 350.0}) {
        cairo_move_to(context, 520, y);
        cairo_line_to(context, 584, y);
    }
    canvas.StrokePath(Palette::ORANGE, 2);
    for (const auto& [x, y, colour] : {std::tuple{400.0, 480.0, Palette::PINK},
                                       {470.0, 540.0, Palette::WHITE},
                                       {600.0, 470.0, Palette::PURPLE},
                                       {720.0, 520.0, Palette::WHITE},
                                       {800.0, 460.0, Palette::PINK},
                                       {300.0, 520.0, Palette::SUN.Lighter(0.4)},
                                       {540.0, 420.0, Palette::WHITE},
                                       {200.0, 300.0, Palette::PINK}}) {
        Daisy(canvas, x, y, colour);
    }
}

void Seaweed(Canvas& canvas, double x, double height, Colour colour) {
    cairo_t* context = canvas.Context();
    for (const auto& [ink, width] : {std::pair{Palette::INK, 18.0}, {colour, 11.0}}) {
        cairo_move_to(context, x, HEIGHT);
        cairo_curve_to(context, x - 24, HEIGHT - height * 0.3, x + 24, HEIGHT - height * 0.6, x,
                       HEIGHT - height);
        canvas.StrokePath(ink, width);
    }
}

void Sea(Canvas& canvas) {
    canvas.VerticalGradient(0, 0, WIDTH, 100, Palette::PALE_SKY, Palette::SKY);
    Motifs::Sun(canvas, 56, 44, 26);
    Cloud(canvas, 450, 40, 30);
    cairo_t* context = canvas.Context();
    for (const double x : {250.0, 290.0, 740.0}) {
        cairo_move_to(context, x - 14, 30);
        cairo_curve_to(context, x - 8, 22, x - 2, 22, x, 32);
        cairo_curve_to(context, x + 2, 22, x + 8, 22, x + 14, 30);
    }
    canvas.StrokePath(Palette::INK, 3);
    canvas.VerticalGradient(0, 100, WIDTH, HEIGHT - 100, Colour::Hex(0x4FB6F0),
                            Colour::Hex(0x1F5FB8));
    cairo_move_to(context, 0, 100);
    for (double x = 0; x < WIDTH; x += 40) {
        cairo_curve_to(context, x + 10, 92, x + 30, 92, x + 40, 100);
    }
    cairo_line_to(context, WIDTH, 112);
    cairo_line_to(context, 0, 112);
    cairo_close_path(context);
    canvas.FillPath(Colour::Hex(0x4FB6F0));
    cairo_move_to(context, 0, 100);
    for (double x = 0; x < WIDTH; x += 40) {
        cairo_curve_to(context, x + 10, 92, x + 30, 92, x + 40, 100);
    }
    canvas.StrokePath(Palette::WHITE, 4);
    // Light rays and bubbles.
    for (const double x : {180.0, 420.0, 660.0}) {
        canvas.Polygon({x, 104, x + 50, 104, x + 120, 460, x + 40, 460});
        cairo_set_source_rgba(context, 1, 1, 1, 0.08);
        cairo_fill(context);
    }
    for (const auto& [x, y, r] : {std::tuple{210.0, 200.0, 6.0},
                                  {220.0, 176.0, 4.0},
                                  {520.0, 300.0, 7.0},
                                  {530.0, 270.0, 4.0},
                                  {690.0, 180.0, 5.0},
                                  {120.0, 420.0, 5.0},
                                  {420.0, 400.0, 6.0}}) {
        canvas.Circle(x, y, r);
        canvas.FillAndOutline(Palette::PALE_SKY, Palette::WHITE, 2);
    }
    Seaweed(canvas, 30, 230, Palette::GREEN);
    Seaweed(canvas, 112, 170, Palette::DARK_GRASS);
    Seaweed(canvas, 660, 190, Palette::GREEN);
    Seaweed(canvas, 830, 150, Palette::DARK_GRASS);
    cairo_move_to(context, 0, 520);
    cairo_curve_to(context, 200, 480, 400, 520, 560, 496);
    cairo_curve_to(context, 680, 480, 760, 500, WIDTH, 490);
    cairo_line_to(context, WIDTH, HEIGHT);
    cairo_line_to(context, 0, HEIGHT);
    cairo_close_path(context);
    canvas.FillAndOutline(Colour::Hex(0xF4D98B), Palette::INK, 3);
    canvas.Ellipse(763, 478, 72, 26);
    canvas.FillAndOutline(Colour::Hex(0x9AA0B0), Palette::INK, 3);
    // Branching coral, rounded so that nothing on the sea bed looks like a sticker.
    for (const auto& [x, colour] : {std::pair{420.0, Palette::PINK}, {480.0, Palette::ORANGE}}) {
        for (const auto& [ink, width] : {std::pair{Palette::INK, 15.0}, {colour, 9.0}}) {
            cairo_move_to(context, x, 566);
            cairo_line_to(context, x, 516);
            cairo_move_to(context, x, 548);
            cairo_line_to(context, x - 20, 524);
            cairo_move_to(context, x, 540);
            cairo_line_to(context, x + 18, 520);
            canvas.StrokePath(ink, width);
        }
    }
    for (const auto& [x, y] : {std::pair{160.0, 556.0}, {620.0, 560.0}, {330.0, 572.0}}) {
        Daisy(canvas, x, y, Palette::WHITE);
    }
}

struct Scene {
    int32_t pageNumber;
    void (*draw)(Canvas&);
};

constexpr Scene SCENES[] = {{2, Farm}, {14, Sea}};

void ForEachHome(int32_t pageNumber,
                 const std::function<void(int32_t, const StickerHome&)>& visit) {
    for (int32_t index = 0; index < NUMBEROFSTICKERGRAPHICS; ++index) {
        const StickerHome& home = StickerHomePositions[static_cast<size_t>(index)];
        if (home.pageNumber == pageNumber) visit(index, home);
    }
}

Canvas DrawPage(int32_t pageNumber) {
    Canvas page(static_cast<int32_t>(WIDTH), static_cast<int32_t>(HEIGHT));
    for (const Scene& scene : SCENES) {
        if (scene.pageNumber == pageNumber) scene.draw(page);
    }
    ForEachHome(pageNumber, [&page](int32_t index, const StickerHome& home) {
        StickerArt::PaintHome(page, StickerArt::Render(index, StickerArt::SIZE), home.x, home.y);
    });
    return page;
}

// Four 8 × 8 frames side by side: top left, top right, bottom left, bottom right.
// Each is rim ink outside a quarter circle and see-through inside it.
Canvas Corners() {
    Canvas corners(4 * CORNER, CORNER);
    cairo_t* context = corners.Context();
    const double centres[4][2] = {{CORNER, CORNER}, {0, CORNER}, {CORNER, 0}, {0, 0}};
    for (int32_t frame = 0; frame < 4; ++frame) {
        const double left = frame * CORNER;
        cairo_rectangle(context, left, 0, CORNER, CORNER);
        corners.FillPath(Palette::INK);
        corners.Circle(left + centres[frame][0], centres[frame][1], CORNER);
        cairo_save(context);
        cairo_rectangle(context, left, 0, CORNER, CORNER);
        cairo_clip(context);
        cairo_set_operator(context, CAIRO_OPERATOR_CLEAR);
        corners.Circle(left + centres[frame][0], centres[frame][1], CORNER);
        cairo_fill(context);
        cairo_restore(context);
    }
    cairo_new_path(context);
    return corners;
}

// Where the corner frames lie on the page: the corner table of the document.
constexpr int32_t CORNER_PLACES[4][2] = {{0, 0}, {836, 0}, {0, 580}, {836, 580}};

Canvas PageWithStickers(const ContentOutput& output, const AlbumPage& albumPage,
                        const Canvas& corners) {
    Canvas page = PictureEncoder::Decode(
        *output.FindAlbumFile(ContentOutput::AlbumPath(albumPage.backgroundFile)));
    ForEachHome(albumPage.pageNumber, [&](int32_t index, const StickerHome& home) {
        page.Paint(PictureEncoder::Decode(*output.FindAlbumFile(
                       ContentOutput::AlbumPath(StickerPictureFiles[static_cast<size_t>(index)]))),
                   home.x, home.y);
    });
    ScenePages::PaintCorners(page, corners, 0, 0);
    return page;
}

}  // namespace

void ScenePages::PaintCorners(Canvas& target, const Canvas& corners, double pageX, double pageY) {
    for (int32_t frame = 0; frame < 4; ++frame) {
        target.Paint(corners.Cropped(frame * CORNER, 0, CORNER, CORNER),
                     pageX + CORNER_PLACES[frame][0], pageY + CORNER_PLACES[frame][1]);
    }
}

void ScenePages::Generate(ContentOutput& output) {
    for (const AlbumPage& page : AlbumPages) {
        output.AddAlbumFile(
            ContentOutput::AlbumPath(page.backgroundFile),
            PictureEncoder::Encode(DrawPage(page.pageNumber), Transparency::Opaque));
    }
    const std::vector<uint8_t> corners =
        PictureEncoder::Encode(Corners(), Transparency::MagentaKey);
    output.AddAlbumFile(ContentOutput::AlbumPath(PageCornersFile), corners);
    if (!output.WantsPreviews()) return;
    const Canvas decodedCorners = PictureEncoder::Decode(corners);
    for (const AlbumPage& page : AlbumPages) {
        const std::string name = "page" + std::to_string(page.pageNumber);
        output.AddPreview(name + "-empty", PictureEncoder::Decode(*output.FindAlbumFile(
                                               ContentOutput::AlbumPath(page.backgroundFile))));
        output.AddPreview(name + "-stuck", PageWithStickers(output, page, decodedCorners));
    }
}
