#include "content/Furniture.h"

#include "content/Palette.h"
#include "content/SceneKit.h"

namespace Furniture {

void WallShelf(Canvas& canvas, double left, double top, double width) {
    for (const double x : {left + 12, left + width - 26}) {
        canvas.Polygon({x, top + 10, x + 14, top + 10, x + 14, top + 30});
        canvas.FillAndOutline(kWood.Darker(0.9), Palette::kInk, 2.5);
    }
    SceneKit::Box(canvas, left, top - 2, width, 12, kWood);
}

void Chair(Canvas& canvas, double left, double top, double width) {
    const Colour paint = Palette::kBlue.Lighter(0.45);
    for (const double x : {left + 6, left + width - 16}) {
        SceneKit::Box(canvas, x, top, 10, 70, paint);
        SceneKit::Box(canvas, x, top + 80, 10, 60, paint);
    }
    SceneKit::Box(canvas, left, top, width, 14, paint);
    SceneKit::Box(canvas, left + 4, top + 28, width - 8, 10, paint);
    SceneKit::Box(canvas, left - 6, top + 64, width + 12, 16, paint.Darker(0.92));
}

void Rug(Canvas& canvas, double centreX, double centreY, double radiusX, double radiusY,
         Colour colour) {
    canvas.Ellipse(centreX, centreY, radiusX, radiusY);
    canvas.FillAndOutline(colour, Palette::kInk, 3);
    canvas.Ellipse(centreX, centreY, radiusX * 0.78, radiusY * 0.7);
    canvas.DashedStroke(Palette::kWhite, 5, 14);
}

}  // namespace Furniture
