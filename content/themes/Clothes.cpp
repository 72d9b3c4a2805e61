// Page 24: the washing line.

#include "content/themes/Themes.h"

#include <cairo.h>

#include <algorithm>
#include <cstdint>
#include <utility>
#include <vector>

#include "catalogue/StickerHomePositions.h"
#include "content/DesignKit.h"
#include "content/SceneKit.h"
#include "content/StickerSize.h"

namespace {

using namespace DesignKit;

enum class Garment { TShirt, Sock, Dress, Shorts, Towel, Mitten };

// A wooden peg that holds a garment on the line at the top of the picture.
void Peg(Canvas& canvas, double x) {
    canvas.RoundedBox(x - 4, 2, 8, 20, 3);
    Solid(canvas, kTan);
}

void Clothing(Canvas& canvas, Garment garment, Colour colour) {
    switch (garment) {
        case Garment::TShirt:
            canvas.Polygon({30, 14, 42, 14, 50, 22, 58, 14, 70, 14, 94, 36, 82,
                            48, 74, 42, 74, 94, 26, 94, 26, 42, 18, 48, 6,  36});
            Solid(canvas, colour);
            canvas.Star(50, 60, 12, 6, 5);
            Solid(canvas, kWhite);
            Peg(canvas, 34);
            Peg(canvas, 66);
            break;
        case Garment::Sock:
            canvas.Polygon({30, 12, 62, 12, 62, 62, 84, 74, 80, 94, 46, 90, 30, 70});
            Solid(canvas, colour);
            canvas.RoundedBox(31, 22, 30, 8, 1);
            canvas.FillPath(kWhite);
            canvas.Polygon({30, 12, 62, 12, 62, 62, 84, 74, 80, 94, 46, 90, 30, 70});
            canvas.StrokePath(kInk, kOutline);
            Dot(canvas, 46, 50, 5, kWhite);
            Peg(canvas, 46);
            break;
        case Garment::Dress:
            canvas.Polygon({36, 12, 64, 12, 62, 40, 90, 94, 10, 94, 38, 40});
            Solid(canvas, colour);
            for (const double x : {32.0, 50.0, 68.0}) Dot(canvas, x, 74, 5, kWhite);
            Band(canvas, 38, 42, 62, 42, colour.Darker(0.75), 4);
            Peg(canvas, 40);
            Peg(canvas, 60);
            break;
        case Garment::Shorts:
            canvas.Polygon({14, 14, 86, 14, 92, 80, 58, 80, 50, 44, 42, 80, 8, 80});
            Solid(canvas, colour);
            Line(canvas, 16, 26, 84, 26, colour.Darker(0.7), 3);
            Peg(canvas, 24);
            Peg(canvas, 76);
            break;
        case Garment::Towel:
            canvas.RoundedBox(12, 12, 76, 82, 6);
            Solid(canvas, colour);
            for (const double y : {66.0, 78.0}) {
                canvas.RoundedBox(14, y, 72, 6, 1);
                canvas.FillPath(kWhite);
            }
            Peg(canvas, 26);
            Peg(canvas, 74);
            break;
        case Garment::Mitten:
            canvas.RoundedBox(26, 12, 40, 20, 4);
            Solid(canvas, kWhite);
            canvas.Ellipse(26, 56, 12, 16);
            Solid(canvas, colour);
            canvas.RoundedBox(26, 28, 50, 66, 24);
            Solid(canvas, colour);
            Dot(canvas, 50, 62, 7, kWhite);
            Peg(canvas, 46);
            break;
    }
}

// The lines run from post to post through the pegs of the clothes that hang on them:
// homes at about the same height share a line.
void WashingLines(Canvas& canvas) {
    constexpr int32_t kPage = 24;
    constexpr int32_t kSameLine = 45;
    std::vector<std::pair<double, double>> pegs;
    for (size_t index = 0; index < StickerHomePositions.size(); ++index) {
        const StickerHome& home = StickerHomePositions[index];
        if (home.pageNumber != kPage) continue;
        const double side = StickerSize::Side(static_cast<int32_t>(index));
        pegs.emplace_back(home.y + side * 0.1, home.x + side / 2);
    }
    std::sort(pegs.begin(), pegs.end());
    cairo_t* context = canvas.Context();
    for (size_t first = 0; first < pegs.size();) {
        size_t last = first;
        while (last + 1 < pegs.size() && pegs[last + 1].first - pegs[first].first < kSameLine) {
            ++last;
        }
        std::vector<std::pair<double, double>> line(pegs.begin() + static_cast<long>(first),
                                                    pegs.begin() + static_cast<long>(last) + 1);
        std::sort(line.begin(), line.end(),
                  [](const auto& left, const auto& right) { return left.second < right.second; });
        cairo_move_to(context, 10, line.front().first - 6);
        for (const auto& [y, x] : line) cairo_line_to(context, x, y);
        cairo_line_to(context, SceneKit::kWidth - 10, line.back().first - 6);
        canvas.StrokePath(kInk, 3);
        first = last + 1;
    }
}

void Scene(Canvas& canvas) {
    SceneKit::Sky(canvas, Palette::kSky, Palette::kPaleSky, SceneKit::kHeight);
    SceneKit::Cloud(canvas, 320, 120, 40);
    SceneKit::Ground(canvas, 520, Palette::kGrass, Palette::kDarkGrass);
    for (const double x : {10.0, SceneKit::kWidth - 10}) {
        canvas.RoundedBox(x - 8, 0, 16, 580, 4);
        canvas.FillAndOutline(Colour::Hex(0xC98B52), kInk, 3);
    }
    WashingLines(canvas);
    for (const auto& [x, y] : {std::pair{120.0, 560.0}, {400.0, 570.0}, {700.0, 560.0}}) {
        SceneKit::Daisy(canvas, x, y, Palette::kWhite);
    }
}

}  // namespace

PageTheme Themes::Clothes() {
    return {"The washing line",
            Palette::kSky,
            Scene,
            {
                {"red clothing", With(Clothing, Garment::TShirt, Palette::kRed)},
                {"blue clothing", With(Clothing, Garment::Sock, Palette::kBlue)},
                {"pink clothing", With(Clothing, Garment::Dress, Palette::kPink)},
                {"green clothing", With(Clothing, Garment::Shorts, Palette::kGreen)},
                {"orange clothing", With(Clothing, Garment::Towel, Palette::kOrange)},
                {"purple clothing", With(Clothing, Garment::Mitten, Palette::kPurple)},
                {"yellow clothing", With(Clothing, Garment::TShirt, Palette::kSun)},
                {"red clothing", With(Clothing, Garment::Sock, Palette::kRed)},
                {"purple clothing", With(Clothing, Garment::Dress, Palette::kPurple)},
                {"blue clothing", With(Clothing, Garment::Shorts, Palette::kBlue)},
                {"teal clothing", With(Clothing, Garment::Towel, DesignKit::kTeal)},
                {"green clothing", With(Clothing, Garment::Mitten, Palette::kGreen)},
            }};
}
