#include "content/ScenePages.h"

#include <cairo.h>

#include <functional>
#include <string>

#include "catalogue/DataFiles.h"
#include "catalogue/PageTable.h"
#include "catalogue/StickerHomePositions.h"
#include "content/Palette.h"
#include "content/PictureEncoder.h"
#include "content/ScreenFrame.h"
#include "content/StickerArt.h"
#include "content/StickerDesigns.h"
#include "content/StickerSize.h"

namespace {

constexpr int32_t kCorner = 8;

void ForEachHome(int32_t pageNumber,
                 const std::function<void(int32_t, const StickerHome&)>& visit) {
    for (int32_t index = 0; index < NUMBEROFSTICKERGRAPHICS; ++index) {
        const StickerHome& home = StickerHomePositions[static_cast<size_t>(index)];
        if (home.pageNumber == pageNumber) visit(index, home);
    }
}

}  // namespace

Canvas ScenePages::Scene(int32_t pageNumber) {
    Canvas page(kPageWidth, kPageHeight);
    StickerDesigns::ThemeOfPage(pageNumber).scene(page);
    return page;
}

Canvas ScenePages::WithOutlines(int32_t pageNumber) {
    Canvas page = Scene(pageNumber);
    ForEachHome(pageNumber, [&page](int32_t index, const StickerHome& home) {
        StickerArt::PaintHome(page, StickerArt::Render(index, StickerSize::Side(index)), home.x,
                              home.y);
    });
    return page;
}

namespace {

// Four 8 × 8 frames side by side: top left, top right, bottom left, bottom right.
// Each is rim ink outside a quarter circle and see-through inside it.
Canvas Corners() {
    Canvas corners(4 * kCorner, kCorner);
    cairo_t* context = corners.Context();
    const double centres[4][2] = {{kCorner, kCorner}, {0, kCorner}, {kCorner, 0}, {0, 0}};
    for (int32_t frame = 0; frame < 4; ++frame) {
        const double left = frame * kCorner;
        cairo_rectangle(context, left, 0, kCorner, kCorner);
        corners.FillPath(Palette::kInk);
        corners.Circle(left + centres[frame][0], centres[frame][1], kCorner);
        cairo_save(context);
        cairo_rectangle(context, left, 0, kCorner, kCorner);
        cairo_clip(context);
        cairo_set_operator(context, CAIRO_OPERATOR_CLEAR);
        corners.Circle(left + centres[frame][0], centres[frame][1], kCorner);
        cairo_fill(context);
        cairo_restore(context);
    }
    cairo_new_path(context);
    return corners;
}

// Where the corner frames lie on the page: the corner table of the document.
constexpr int32_t kCornerPlaces[4][2] = {{0, 0}, {836, 0}, {0, 580}, {836, 580}};

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
        target.Paint(corners.Cropped(frame * kCorner, 0, kCorner, kCorner),
                     pageX + kCornerPlaces[frame][0], pageY + kCornerPlaces[frame][1]);
    }
}

void ScenePages::GenerateScenes(ContentOutput& output) {
    for (const AlbumPage& page : kAlbumPages) {
        output.AddAlbumFile(ContentOutput::AlbumPath(page.backgroundFile),
                            PictureEncoder::Encode(Scene(page.pageNumber), Transparency::Opaque));
    }
}

void ScenePages::Generate(ContentOutput& output) {
    for (const AlbumPage& page : kAlbumPages) {
        output.AddAlbumFile(
            ContentOutput::AlbumPath(page.backgroundFile),
            PictureEncoder::Encode(WithOutlines(page.pageNumber), Transparency::Opaque));
    }
    const std::vector<uint8_t> corners =
        PictureEncoder::Encode(Corners(), Transparency::MagentaKey);
    output.AddAlbumFile(ContentOutput::AlbumPath(kPageCornersFile), corners);
    if (!output.WantsPreviews()) return;
    const Canvas decodedCorners = PictureEncoder::Decode(corners);
    for (const AlbumPage& page : kAlbumPages) {
        const std::string name = "page" + std::to_string(page.pageNumber);
        output.AddPreview(name + "-empty", PictureEncoder::Decode(*output.FindAlbumFile(
                                               ContentOutput::AlbumPath(page.backgroundFile))));
        output.AddPreview(name + "-stuck", PageWithStickers(output, page, decodedCorners));
    }
}
